#include "logique/memoire/Predicteur.h"

#include "logique/memoire/RegistresAvx.h"

namespace {
const MemoireEleve Inconnu;
const TermesEleve Moyen;
}  // namespace

Caracteristiques Predicteur::caracteristiques(const QString& eleve, const Fait& fait, qint64 moment, int typeExercice) const {
    const auto e = eleves_.constFind(eleve);
    RegistresAvx::efface();
    Caracteristiques c = (e == eleves_.cend() ? Inconnu : *e).caracteristiques(fait, moment, typeExercice);
    classe_.complete(fait, c);
    return c;
}

double Predicteur::predit(const QString& eleve, const Fait& fait, qint64 moment, int typeExercice) const {
    return parametres_.probabilite(eleve, caracteristiques(eleve, fait, moment, typeExercice));
}

double Predicteur::predit(const ReponseResumee& q) const { return predit(q.eleve, q.fait, q.moment, q.typeExercice); }

QList<double> Predicteur::predit(const QString& eleve, const QList<Fait>& faits, qint64 moment, int typeExercice) const {
    const auto e = eleves_.constFind(eleve);
    const auto t = parametres_.eleves.constFind(eleve);
    RegistresAvx::efface();
    const MemoireEleve& memoire = e == eleves_.cend() ? Inconnu : *e;
    const TermesEleve& termes = t == parametres_.eleves.cend() ? Moyen : *t;
    QList<double> probabilites;
    probabilites.reserve(faits.size());
    for (const Fait& f : faits) {
        Caracteristiques c = memoire.caracteristiques(f, moment, typeExercice);
        classe_.complete(f, c);
        probabilites.append(parametres_.probabilite(termes, c));
    }
    return probabilites;
}

void Predicteur::apprend(const ReponseResumee& r) {
    if (!estQuestionTapee(r)) return;
    MemoireEleve& memoire = eleves_[r.eleve];
    RegistresAvx::efface();
    memoire.apprend(r);
    classe_.apprend(r);
}

QList<Fait> Predicteur::faitsRencontres(const QString& eleve) const {
    const auto e = eleves_.constFind(eleve);
    return e == eleves_.cend() ? QList<Fait>() : e->faitsRencontres();
}
