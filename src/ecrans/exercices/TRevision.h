#pragma once
// The review, "Révision des faits à revoir": exercise 1's screen and machinery (give the result,
// every creature, help and strip as set) fed by the review draw: the pupil's facts due first,
// about one never met in eight. With nothing due it says why kindly and offers the ordinary
// exercise 1 on the pupil's tables; declined, the sequence goes on without it.
#include "ecrans/exercices/TExo1.h"
#include "logique/revision/TirageRevision.h"

#include <optional>

class TRevision final : public TExo1 {
    Q_OBJECT
public:
    TRevision();
    // Facts due when the exercise began (0 when it fell back to exercise 1).
    int nombreDus() const { return tirage_ ? tirage_->nombreDus() : 0; }

protected:
    void FormShow() override;
    void tireQuestion() override;

private:
    // False when the pupil declined the ordinary exercise offered instead.
    bool prepareTirage();
    std::optional<Revision::TirageRevision> tirage_;
};
