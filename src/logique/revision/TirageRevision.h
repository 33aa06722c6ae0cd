#pragma once
// The review draw, within the pupil's facts: every fact due first (the least likely to be
// answered right first), facts never met mixed in at about one question in eight, facts not due
// only to fill the review once nothing else is left, never the same fact twice in a row. Prepared
// once per exercise; each draw is a few steps, through Aleatoire.
#include "logique/revision/EstimationsEleve.h"

#include <QList>

#include <vector>

namespace Revision {
// About one question in this many is a fact never met, while there are some.
constexpr int UnSurN = 8;

class TirageRevision final {
public:
    // Due: the facts met whose estimate is below the class's success aimed at.
    TirageRevision(const EstimationsEleve& estimations, const QList<Fait>& faits);

    // Facts of the pupil due now (met, estimated below the success aimed at).
    int nombreDus() const { return static_cast<int>(dus_.size()); }
    bool rienADue() const { return dus_.empty(); }
    // None of the pupil's facts was ever answered: there is nothing to review yet.
    bool rienDeRencontre() const { return rencontres_ == 0; }
    bool vide() const { return total_ == 0; }

    // The next question: one of the pupil's facts (a default fact when there is none).
    Fait tire();

private:
    Fait prendsNouveau();
    bool tireAuHasard(const std::vector<Fait>& pile, Fait& fait) const;

    std::vector<Fait> dus_;  // the least likely first, each asked once in turn
    std::size_t suivantDu_ = 0;
    std::vector<Fait> nouveaux_;  // never met and not asked yet
    std::vector<Fait> revus_;     // asked in this review: asked again before the facts not due
    std::vector<Fait> connus_;    // met and not due: only to fill
    Fait dernier_;
    bool aUnDernier_ = false;
    int rencontres_ = 0;
    int total_ = 0;
};
}  // namespace Revision
