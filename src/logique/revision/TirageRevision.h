#pragma once
// The review draw: the facts due first (the oldest due first), mixed with known facts so that
// about one question in eight is a new fact or one of box 1, never the same fact twice in a row,
// within the pupil's facts. Prepared once per exercise; each draw is a few steps, through Aleatoire.
#include "logique/revision/Boites.h"

#include <QDate>
#include <QList>

#include <vector>

namespace Revision {
// One question in this many is new or from box 1 (when both kinds exist).
constexpr int UnSurN = 8;

class TirageRevision final {
public:
    TirageRevision(const Boites& boites, const QList<Fait>& faits, const QDate& aujourdhui);

    // Facts of the pupil due today (in box 1 to 5, due on or before today).
    int nombreDus() const { return nombreDus_; }
    bool rienADue() const { return nombreDus_ == 0; }
    bool vide() const { return total_ == 0; }

    // The next question: one of the pupil's facts (a default fact when there is none).
    Fait tire();

private:
    struct Pioche {
        std::vector<Fait> dus;  // oldest due first, drawn from the front
        std::size_t suivant = 0;
        std::vector<Fait> autres;  // drawn at random
        bool vide() const { return suivant >= dus.size() && autres.empty(); }
    };
    bool tireDans(Pioche& pioche, Fait& fait);

    Pioche fragiles_;  // new facts and box 1
    Pioche connus_;    // boxes 2 to 5
    Fait dernier_;
    bool aUnDernier_ = false;
    int nombreDus_ = 0;
    int total_ = 0;
};
}  // namespace Revision
