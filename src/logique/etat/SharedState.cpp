#include "logique/etat/SharedState.h"

#include "logique/etat/Utils.h"

#include <algorithm>

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

bool SharedState::ajouteEntree(const EntreeTable& e) { return ajouteEntree(e.premier, e.second, e.troisieme, e.operation); }

QList<EntreeTable> SharedState::entreesTables() const {
    const int nombre = std::clamp(nombreEntrees(), 0, EntreesMax);
    QList<EntreeTable> entrees;
    entrees.reserve(nombre);
    for (int j = 0; j < nombre; ++j) {
        const int i = 2 + 4 * j;
        entrees.append({Tables[i], Tables[i + 1], Tables[i + 2], Tables[i + 3]});
    }
    return entrees;
}

void SharedState::remplaceEntrees(const QList<EntreeTable>& entrees) {
    DernierIndiceTables = 1;
    for (const EntreeTable& e : entrees) ajouteEntree(e);
}

void SharedState::videTables() {
    Tables.fill(-1);
    Tables[0] = 0;
    Tables[1] = 1;
    DernierIndiceTables = 1;
}

void SharedState::fixeOperationDesEntrees(int operation) {
    const int nombre = std::clamp(nombreEntrees(), 0, EntreesMax);
    for (int j = 0; j < nombre; ++j) Tables[5 + 4 * j] = operation;
}

SharedState& Etat() {
    static SharedState etat;
    return etat;
}

void retablitEtat() { Etat() = SharedState{}; }
