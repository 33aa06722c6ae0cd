#include "logique/session/ChoixOperateur.h"

#include "logique/etat/SharedState.h"

namespace ChoixOperateur {
void choisitCreature(SharedState& e, Creature creature) {
    e.TempsDeReponse = creature == Creature::Baleine ? 0 : 10;
    e.AvecPirate = creature == Creature::Pirate;
}

std::array<EtatEtape, NombreEtapes> etatsDesEtapes(bool signeChoisi, bool exerciceChoisi, bool tempsChoisi) {
    std::array<EtatEtape, NombreEtapes> etats{};
    bool allume = false;
    const bool faites[NombreEtapes] = {signeChoisi, exerciceChoisi, tempsChoisi};
    for (int i = 0; i < NombreEtapes; ++i) {
        if (faites[i]) etats[i] = EtatEtape::Faite;
        else etats[i] = allume ? EtatEtape::Attend : EtatEtape::EnCours;
        allume = allume || !faites[i];
    }
    return etats;
}

Manque manque(int typeExercice, bool signeChoisi, bool tempsChoisi) {
    if (!signeChoisi) return Manque::Signe;
    if (typeExercice == -1) return Manque::Exercice;
    if (!tempsChoisi) return Manque::Temps;
    return Manque::Rien;
}

QString parole(Manque m) {
    switch (m) {
        case Manque::Exercice: return QStringLiteral("Tu n'as pas précisé un exercice !");
        case Manque::Signe: return QStringLiteral("Tu n'as pas précisé un signe !");
        case Manque::Temps: return QStringLiteral("Tu n'as pas précisé si tu voulais un temps ou pas !");
        case Manque::Rien: break;
    }
    return {};
}

void prepareExerciceLibre(SharedState& e) {
    e.TypeAide = 0;
    e.BandeNumerique = 10;
    e.CasDoublesCarres = e.CasSuccesseurs = false;
    e.OptionTableDansOrdre = e.OptionGrandeOperandeAGauche = e.OptionNombresRelatifs = false;
}
}  // namespace ChoixOperateur

void RempliSigneDansTableAEntrainer(SharedState& e, int operation) {
    if (e.nombreEntrees() == 0)
        for (int table = 1; table <= 10; ++table) e.ajouteEntree(table, 1, 10, operation);
    e.fixeOperationDesEntrees(operation);
}
