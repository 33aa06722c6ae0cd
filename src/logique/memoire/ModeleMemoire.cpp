#include "logique/memoire/ModeleMemoire.h"

#include "logique/memoire/AjustementMemoire.h"

#include <algorithm>

QList<ReponseResumee> dansLOrdre(QList<ReponseResumee> reponses) {
    reponses.removeIf([](const ReponseResumee& r) { return !estQuestionTapee(r); });
    // A journal comes pupil by pupil: sorting the moments alone, then copying each answer once,
    // is much quicker than moving the answers (and their names) around while sorting. The
    // position breaks ties, as a stable sort would.
    std::vector<std::pair<qint64, qsizetype>> ordre;
    ordre.reserve(std::size_t(reponses.size()));
    for (qsizetype i = 0; i < reponses.size(); ++i) ordre.emplace_back(reponses[i].moment, i);
    if (std::is_sorted(ordre.begin(), ordre.end())) return reponses;
    std::sort(ordre.begin(), ordre.end());
    QList<ReponseResumee> triees;
    triees.reserve(reponses.size());
    for (const auto& [moment, i] : ordre) triees.append(reponses[i]);
    return triees;
}

ParametresMemoire ModeleMemoire::ajuste(const QList<ReponseResumee>& reponses, qint64 jusqua) {
    AjustementMemoire::TableExemples exemples;
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
        exemples.ajoute(predicteur.caracteristiques(r.eleve, r.fait, r.moment, r.typeExercice), *i, r.justePremierCoup);
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
    return predictions(apres ? maintenant_ : predicteurA(moment), eleve, faits, moment);
}

QList<PredictionFait> ModeleMemoire::predictionsDeLEleve(const QString& eleve, qint64 moment) const {
    const bool apres = reponses_.isEmpty() || moment > reponses_.last().moment;
    if (apres) return predictions(maintenant_, eleve, maintenant_.faitsRencontres(eleve), moment);
    const Predicteur ancien = predicteurA(moment);
    return predictions(ancien, eleve, ancien.faitsRencontres(eleve), moment);
}

QList<PredictionFait> ModeleMemoire::predictions(const Predicteur& p, const QString& eleve, const QList<Fait>& faits,
                                                 qint64 moment) {
    const QList<double> probabilites = p.predit(eleve, faits, moment);
    QList<PredictionFait> liste;
    liste.reserve(faits.size());
    for (qsizetype i = 0; i < faits.size(); ++i) liste.append({faits[i], probabilites[i]});
    return liste;
}
