#include "logique/memoire/MemoireClasse.h"

#include "logique/memoire/FamilleDeFaits.h"

#include <cmath>

namespace {
// An operation's rate follows the class's last few hundred answers to it.
constexpr double OubliOperation = 0.995;
// How many answers a prior is worth: an operation's rate starts at the class's, a fact's at its
// operation's.
constexpr double PoidsAPriori = 10;

double logit(double p) { return std::log(p / (1 - p)); }
}  // namespace

void MemoireClasse::apprend(const ReponseResumee& r) {
    if (!estQuestionTapee(r)) return;
    const double juste = r.justePremierCoup ? 1 : 0;
    tout_.justes += juste;
    tout_.questions += 1;
    Compte& o = operations_[std::size_t(r.fait.operation) & 3];
    o.justes = OubliOperation * o.justes + juste;
    o.questions = OubliOperation * o.questions + 1;
    Compte& f = faits_[FamilleDeFaits::codeFait(r.fait)];
    f.justes += juste;
    f.questions += 1;
}

void MemoireClasse::complete(const Fait& fait, Caracteristiques& c) const {
    const double classe = (tout_.justes + 1) / (tout_.questions + 2);
    const Compte& o = operations_[std::size_t(fait.operation) & 3];
    const double operation = (o.justes + PoidsAPriori * classe) / (o.questions + PoidsAPriori);
    const Compte f = faits_.value(c.fait);
    const double leFait = (f.justes + PoidsAPriori * operation) / (f.questions + PoidsAPriori);
    c.x[Caracteristique::ClasseOperation] = float(logit(operation));
    c.x[Caracteristique::ClasseFait] = float(logit(leFait));
}
