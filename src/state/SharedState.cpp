#include "state/SharedState.h"

#include "state/Utils.h"

SharedState::SharedState() { InitialiseParametres(*this); }

bool SharedState::ajouteEntree(int premier, int second, int troisieme, int operation) {
    if (nombreEntrees() >= EntreesMax) return false;
    Tables[DernierIndiceTables + 1] = premier;
    Tables[DernierIndiceTables + 2] = second;
    Tables[DernierIndiceTables + 3] = troisieme;
    Tables[DernierIndiceTables + 4] = operation;
    DernierIndiceTables += 4;
    return true;
}

SharedState& Etat() {
    static SharedState etat;
    return etat;
}

void retablitEtat() { Etat() = SharedState{}; }
