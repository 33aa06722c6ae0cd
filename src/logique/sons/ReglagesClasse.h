#pragma once
// The class's sound and voice switches, in a small file of their own in the class folder, so that
// the parameter files keep their exact layout:
//   [Sons]
//   1 - oui
//   [Lire les consignes et les questions à voix haute]
//   0 - non
// A missing file, a missing or unreadable line: that switch is off (the program starts quiet).
#include "logique/sons/Sons.h"

#include <QString>

namespace ReglagesClasse {
// "classe de <T>/sons_et_voix.txt".
QString chemin(const QString& repertoireClasse);
// Never fails: what cannot be read is off.
Sons::Reglages lit(const QString& repertoireClasse);
// Throws ErreurFichier like every write.
void ecrit(const QString& repertoireClasse, const Sons::Reglages& reglages);
}  // namespace ReglagesClasse
