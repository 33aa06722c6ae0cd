#include "results/Enregistreurs.h"

#include "core/state/SharedState.h"

// Provisional: replaced by the text profile recorder.
void EcritConnexion(SharedState&, const QDateTime&) {}
void EcritProfilExercice(SharedState&, int, const QString&) {}
void EcritDateDeconnexion(SharedState& etat) { etat.RepertoireClasse.clear(); }

void PrepareClasseur(SharedState&) {}
void PrepareBase(SharedState&) {}
void EcritColonneTableur(SharedState&, int, const QString&) {}
void EcritLigneBase(SharedState&, int, const QString&) {}
