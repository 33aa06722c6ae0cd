// Loading of a teacher's defined exercises before the settings screen opens.
#include "identity/TSaisieIdentifiant.h"

// Hook for the settings screen's work: it reads the teacher's parameter file into
// LibellesExercices and ContenusExercices (both empty on entry). Until that lands, a teacher
// opens the settings with no defined exercise.
void TSaisieIdentifiant::ChargeExercicesEnseignant(const QString&) {}
