#include "logique/suivi/DepartDeLEleve.h"

namespace Suivi {
namespace {
bool dansLeTest(const Fait& f) { return f.gauche >= 1 && f.gauche <= Depart::Cote && f.droite >= 1 && f.droite <= Depart::Cote; }
}  // namespace

QList<DepartOperation> departsDeLEleve(std::span<const ReponseResumee> reponses) {
    QList<DepartOperation> departs;
    for (const Operation operation : {Operation::Addition, Operation::Multiplication}) {
        QList<Depart::ReponseDepart> test;
        for (const ReponseResumee& r : reponses)
            if (r.typeExercice == TypeTestDeDepart && r.fait.operation == operation && dansLeTest(r.fait))
                test.append({{r.fait.gauche, r.fait.droite}, r.justePremierCoup, r.msFin});
        if (test.isEmpty()) continue;
        DepartOperation d;
        d.operation = operation;
        d.connaissances = Depart::estimeDepuis(operation, test);
        d.resume = Depart::resume(d.connaissances);
        departs.append(d);
    }
    return departs;
}

double estimationDepart(const QList<DepartOperation>& departs, const Fait& fait) {
    if (!dansLeTest(fait)) return -1;
    for (const DepartOperation& d : departs)
        if (d.operation == fait.operation) return d.connaissances[Depart::indexFait(fait.gauche, fait.droite)];
    return -1;
}
}  // namespace Suivi
