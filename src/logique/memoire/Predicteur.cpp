#include "logique/memoire/Predicteur.h"

Caracteristiques Predicteur::caracteristiques(const QString& eleve, const Fait& fait, qint64 moment, int typeExercice) const {
    static const MemoireEleve inconnu;
    const auto e = eleves_.constFind(eleve);
    Caracteristiques c = (e == eleves_.cend() ? inconnu : *e).caracteristiques(fait, moment, typeExercice);
    classe_.complete(fait, c);
    return c;
}

double Predicteur::predit(const QString& eleve, const Fait& fait, qint64 moment, int typeExercice) const {
    return parametres_.probabilite(eleve, caracteristiques(eleve, fait, moment, typeExercice));
}

double Predicteur::predit(const ReponseResumee& q) const { return predit(q.eleve, q.fait, q.moment, q.typeExercice); }

void Predicteur::apprend(const ReponseResumee& r) {
    if (!estQuestionTapee(r)) return;
    eleves_[r.eleve].apprend(r);
    classe_.apprend(r);
}

QList<Fait> Predicteur::faitsRencontres(const QString& eleve) const {
    const auto e = eleves_.constFind(eleve);
    return e == eleves_.cend() ? QList<Fait>() : e->faitsRencontres();
}
