#include "logique/journal/MagasinJournal.h"

QList<ReponseResumee> MagasinJournal::reponses(const QString& enseignant, qint64 depuis, PartDeClasse part) {
    QList<ReponseResumee> liste;
    if (part.rang != 0) return liste;
    for (const EntreeJournal& e : entrees(enseignant, {}, depuis))
        liste.append({e.eleve, e.moment, e.typeExercice, e.position, e.fait, e.justePremierCoup, e.msFin, e.finCreature});
    return liste;
}
