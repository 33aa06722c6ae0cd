#pragma once
// The one place where the progress view turns what it tells into colours (Apparence's palette):
// a fact's state in the grids, a success's level in the class table and the legends.
#include "logique/revision/EstimationsEleve.h"
#include "logique/suivi/EtatsFaits.h"

#include <QColor>

namespace CouleursSuivi {
QColor etat(EtatFait etat);
QColor niveau(Revision::Niveau niveau);
}  // namespace CouleursSuivi
