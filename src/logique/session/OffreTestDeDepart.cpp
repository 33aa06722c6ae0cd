#include "logique/session/OffreTestDeDepart.h"

#include "logique/base/FichierTexte.h"
#include "logique/base/Operation.h"
#include "logique/depart/TestDeDepart.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/journal/Journal.h"

#include <algorithm>

namespace {
QString mot(int operation) {
    return operation == int(Operation::Addition) ? QStringLiteral("addition") : QStringLiteral("multiplication");
}

QString fichier(const SharedState& e) { return e.RepertoireClasse + NomsDossier::testsRefuses(e.NomEleve, e.NomEnseignant); }

bool aRepondu(const EntreeJournal& e, int operation) {
    // Exercises 3 and 4 show several operations: any of them counts.
    if (e.typeExercice == 3 || e.typeExercice == 4)
        return std::any_of(e.operations.begin(), e.operations.end(),
                           [operation](const OperationMontree& o) { return int(o.fait.operation) == operation; });
    return int(e.fait.operation) == operation;
}
}  // namespace

namespace OffreTestDeDepart {
bool proposable(const SharedState& e, int operation) {
    if (e.NomEleve.isEmpty() || e.NomEleve == EleveSansId) return false;
    if (operation != int(Operation::Addition) && operation != int(Operation::Multiplication)) return false;
    return !FichierTexte::existe(fichier(e)) || !FichierTexte::litLignes(fichier(e)).contains(mot(operation));
}

bool aDejaRepondu(const QString& enseignant, const QString& eleve, const QString& repertoireClasse, int operation) {
    const auto parmi = [operation](const QList<EntreeJournal>& entrees) {
        return std::any_of(entrees.begin(), entrees.end(),
                           [operation](const EntreeJournal& e) { return aRepondu(e, operation); });
    };
    // A class without a journal yet gets none from this reading.
    return parmi(Journal::enFile(enseignant, eleve)) ||
           (Journal::aUnJournal(enseignant, repertoireClasse) &&
            parmi(Journal::ouvre(enseignant, repertoireClasse)->entrees(enseignant, eleve)));
}

void noteRefus(const SharedState& e, int operation) {
    FichierTexte::modifieLignes(fichier(e), [operation](QStringList& lignes, bool) {
        if (lignes.contains(mot(operation))) return false;
        lignes << mot(operation);
        return true;
    });
}

QString question(int operation) {
    const QString nom = operation == int(Operation::Addition) ? QStringLiteral("les additions")
                                                              : QStringLiteral("les multiplications");
    return QStringLiteral("Tu n'as encore jamais joué avec %1. Veux-tu faire un petit test de départ\u00A0? "
                          "Il dure au plus %2\u00A0minutes et nous dira ce que tu sais déjà.")
        .arg(nom)
        .arg(Depart::DureeAuPlusMs / 60000);
}
}  // namespace OffreTestDeDepart
