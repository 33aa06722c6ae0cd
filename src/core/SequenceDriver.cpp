#include "core/SequenceDriver.h"

// Provisional: replaced by the full driver.
#include "core/state/SharedState.h"
void ExerciceSuivant(SharedState&) {}
void DemarreExercice(SharedState&) {}
void MarqueFinExercice(SharedState&) {}
void EnregistreResultats(SharedState&, int, const QString&) {}
void EnchaineApresExercice(SharedState&, QWidget*) {}
