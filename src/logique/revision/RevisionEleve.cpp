#include "logique/revision/RevisionEleve.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/journal/Journal.h"
#include "logique/parametres/LitParametres.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <array>
#include <limits>

namespace Revision {
QList<EntreeJournal> litEntrees(const QString& enseignant, const QString& eleve, const QString& repertoireClasse) {
    // The answers still waiting for the writer count too: the review never waits for it.
    const QList<EntreeJournal> enFile = Journal::enFile(enseignant, eleve);
    QList<EntreeJournal> entrees = Journal::ouvre(enseignant, repertoireClasse)->entrees(enseignant, eleve);
    const qint64 dernier = entrees.isEmpty() ? std::numeric_limits<qint64>::min() : entrees.last().moment;
    for (const EntreeJournal& e : enFile)
        if (e.moment > dernier) entrees.append(e);
    return entrees;
}

QList<ReponseResumee> reponsesDeLaClasse(const QString& enseignant, const QString& eleve, const QString& repertoireClasse,
                                         const QList<EntreeJournal>& siennes) {
    QList<ReponseResumee> reponses = Journal::ouvre(enseignant, repertoireClasse)->reponses(enseignant);
    reponses.removeIf([&eleve](const ReponseResumee& r) { return r.eleve == eleve; });
    for (const EntreeJournal& e : siennes)
        reponses.append({e.eleve, e.moment, e.typeExercice, e.position, e.fait, e.justePremierCoup, e.msFin, e.finCreature});
    return reponses;
}

QList<EntreeTable> tablesDeLaPratiqueLibre(const QList<EntreeJournal>& entrees) {
    std::array<bool, 4> vues{};
    for (const EntreeJournal& e : entrees)
        if (e.position == 0 && estReponseTapee(e.typeExercice)) vues[static_cast<std::size_t>(e.fait.operation)] = true;
    QList<EntreeTable> tables;
    for (int op = 0; op < 4; ++op)
        if (vues[static_cast<std::size_t>(op)]) tables += tablesUnADix(op);
    return tables.isEmpty() ? tablesUnADix(0) : tables;
}

QList<EntreeTable> tablesDeLEleve(const SharedState& e, const QList<EntreeJournal>& entrees) {
    const QString fichier = FichierParametrageEleve(e);
    if (FichierTexte::existe(fichier)) {
        try {
            const QList<EntreeTable> tables = TablesDeLaSequence(fichier);
            if (!tables.isEmpty()) return tables;
        } catch (const ErreurMarivelle&) {
            // A damaged line in another exercise is told when that exercise comes; the review
            // goes on with the free-practice tables.
        }
    }
    return tablesDeLaPratiqueLibre(entrees);
}

int operationChoisie(const SharedState& e) {
    if (!e.EnPratiqueLibre) return -1;
    const QList<EntreeTable> entrees = e.entreesTables();
    return entrees.isEmpty() ? -1 : entrees.first().operation;
}
}  // namespace Revision
