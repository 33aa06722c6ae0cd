#pragma once
// Work that may take long (reading a teacher's file, registering a class) done off the screen's
// thread: the windows keep painting, and when the work lasts, a small window shows how far it has
// gone with "Annuler". Every screen's long work goes through it; the work runs on `EnFond`'s pool.
#include "logique/base/Avancement.h"

#include <QString>

#include <functional>

class QWidget;

namespace TravailEnFond {
// After this many milliseconds of work the progress window shows (a quick read shows nothing).
constexpr int DelaiAvantFenetreMs = 300;

// Runs `travail` on a worker thread and returns once it has ended; meanwhile the user's clicks
// and keys reach only the progress window. True when the work ran to its end; false when the
// user cancelled it (`travail` stops at its next `Avancement::verifie`). A failure of the work is
// thrown again here, on the screen's thread.
bool execute(QWidget* parent, const QString& texte, const std::function<void(Avancement&)>& travail);
}
