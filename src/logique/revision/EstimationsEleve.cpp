#include "logique/revision/EstimationsEleve.h"

#include <algorithm>

namespace Revision {
Niveau niveau(double p, double cible) {
    return p >= cible ? Niveau::Solide : p >= SeuilFragile ? Niveau::Fragile : Niveau::AReprendre;
}

QString nomNiveau(Niveau n) {
    switch (n) {
        case Niveau::Solide: return QStringLiteral("solide");
        case Niveau::Fragile: return QStringLiteral("fragile");
        case Niveau::AReprendre: break;
    }
    return QStringLiteral("à reprendre");
}

double EstimationsEleve::estimation(const Fait& fait) const {
    const auto it = estimations.find(fait);
    return it == estimations.end() ? -1.0 : it->second;
}

EstimationsEleve estimeLEleve(const ModeleMemoire& modele, const QString& eleve, qint64 moment, double cible) {
    EstimationsEleve e;
    e.cible = cible;
    const QList<PredictionFait> maintenant = modele.predictionsDeLEleve(eleve, moment);
    QList<Fait> faits;
    for (const PredictionFait& p : maintenant) {
        e.estimations[p.fait] = p.probabilite;
        faits << p.fait;
        if (p.probabilite < cible) e.dus << p;
    }
    const QList<PredictionFait> dansUneSemaine = modele.predictionsDeLEleve(eleve, faits, moment + SemaineMs);
    for (qsizetype i = 0; i < maintenant.size(); ++i)
        if (maintenant[i].probabilite >= cible && dansUneSemaine[i].probabilite < cible) e.bientot << dansUneSemaine[i];
    const auto moinsProbable = [](const PredictionFait& a, const PredictionFait& b) { return a.probabilite < b.probabilite; };
    std::stable_sort(e.dus.begin(), e.dus.end(), moinsProbable);
    std::stable_sort(e.bientot.begin(), e.bientot.end(), moinsProbable);
    return e;
}
}  // namespace Revision
