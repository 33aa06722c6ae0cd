#pragma once
// The memory model's parameters of a class, kept in the class folder (modele_memoire.txt) between
// two fits: fitted again off the screen's thread at most once a day, when the progress view opens
// or a review starts; until a class has enough answers, the parameters written by hand
// (docs/memoire.md).
#include "logique/memoire/ParametresMemoire.h"
#include "logique/journal/MagasinJournal.h"

#include <QDateTime>
#include <QFuture>
#include <QList>

namespace Revision {
// Fewer typed answers than this in the class: a fit would learn noise, the defaults stay.
constexpr int ReponsesPourAjuster = 1000;

QString fichierModele(const QString& repertoireClasse);
// The class's fitted parameters, else the defaults (also for a file that cannot be read).
ParametresMemoire parametresDeLaClasse(const QString& repertoireClasse);
// Fits the model on `reponses` (the class's) on another thread and writes the file, when the
// file was fitted before today's local date and the class has enough answers, and no fit of
// the class is running. The future is finished at once when nothing is started.
QFuture<void> reajusteEnFond(const QString& repertoireClasse, const QList<ReponseResumee>& reponses, const QDateTime& maintenant);
}  // namespace Revision
