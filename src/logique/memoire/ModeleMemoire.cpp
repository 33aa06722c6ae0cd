#include "logique/memoire/ModeleMemoire.h"

#include "logique/memoire/AjustementMemoire.h"

#include <algorithm>

QList<ReponseResumee> dansLOrdre(QList<ReponseResumee> reponses) {
    reponses.removeIf([](const ReponseResumee& r) { return !estQuestionTapee(r); });
    std::stable_sort(reponses.begin(), reponses.end(),
                     [](const ReponseResumee& a, const ReponseResumee& b) { return a.moment < b.moment; });
    return reponses;
}

ParametresMemoire ModeleMemoire::ajuste(const QList<ReponseResumee>& reponses, qint64 jusqua) {
    std::vector<AjustementMemoire::Exemple> exemples;
    exemples.reserve(std::size_t(reponses.size()));
    QStringList eleves;
    QHash<QString, int> indices;
    Predicteur predicteur;
    for (const ReponseResumee& r : dansLOrdre(reponses)) {
        if (r.moment >= jusqua) break;
        auto i = indices.find(r.eleve);
        if (i == indices.end()) {
            i = indices.insert(r.eleve, int(eleves.size()));
            eleves.append(r.eleve);
        }
        exemples.push_back({predicteur.caracteristiques(r.eleve, r.fait, r.moment, r.typeExercice), *i, r.justePremierCoup});
        predicteur.apprend(r);
    }
    return AjustementMemoire::ajuste(exemples, eleves);
}

ModeleMemoire::ModeleMemoire(ParametresMemoire parametres, const QList<ReponseResumee>& reponses)
    : parametres_(std::move(parametres)), reponses_(dansLOrdre(reponses)), maintenant_(parametres_) {
    for (const ReponseResumee& r : reponses_) maintenant_.apprend(r);
}

Predicteur ModeleMemoire::predicteurA(qint64 moment) const {
    if (reponses_.isEmpty() || moment > reponses_.last().moment) return maintenant_;
    Predicteur predicteur(parametres_);
    for (const ReponseResumee& r : reponses_) {
        if (r.moment >= moment) break;
        predicteur.apprend(r);
    }
    return predicteur;
}

double ModeleMemoire::prediction(const QString& eleve, const Fait& fait, qint64 moment) const {
    if (reponses_.isEmpty() || moment > reponses_.last().moment) return maintenant_.predit(eleve, fait, moment);
    return predicteurA(moment).predit(eleve, fait, moment);
}

QList<PredictionFait> ModeleMemoire::predictionsDeLEleve(const QString& eleve, const QList<Fait>& faits, qint64 moment) const {
    const bool apres = reponses_.isEmpty() || moment > reponses_.last().moment;
    const Predicteur ancien = apres ? Predicteur() : predicteurA(moment);
    const Predicteur& p = apres ? maintenant_ : ancien;
    QList<PredictionFait> predictions;
    predictions.reserve(faits.size());
    for (const Fait& f : faits) predictions.append({f, p.predit(eleve, f, moment)});
    return predictions;
}

QList<PredictionFait> ModeleMemoire::predictionsDeLEleve(const QString& eleve, qint64 moment) const {
    const bool apres = reponses_.isEmpty() || moment > reponses_.last().moment;
    return predictionsDeLEleve(eleve, (apres ? maintenant_ : predicteurA(moment)).faitsRencontres(eleve), moment);
}
