#pragma once
// The starting test ("Test de départ"): a short adaptive test of one operation's 100 facts
// (a and b from 1 to 10) that tells the teacher and the review what a new pupil already knows.
// Each question is the one that tells the most about the facts not yet asked; the test stops
// after 30 questions, after five minutes, or earlier once it knows enough (docs/depart.md).
#include "logique/base/Operation.h"
#include "logique/depart/ModeleDepart.h"

#include <QList>
#include <optional>

namespace Depart {
constexpr int QuestionsAuPlus = 30;
constexpr qint64 DureeAuPlusMs = 5LL * 60 * 1000;

class TestDeDepart {
public:
    // `operation`: addition or multiplication (any other is taken as addition).
    explicit TestDeDepart(Operation operation);
    TestDeDepart(Operation operation, const TraitsDesFaits& traits);
    Operation operation() const { return operation_; }

    // The question to ask now, or nothing once the test is over.
    std::optional<QuestionDepart> questionSuivante() const;
    // The answer to the question questionSuivante() gave: right at the first try or not, in `ms`
    // from the question shown; `ecouleMs`, the time since the test began (-1: the answer times'
    // sum stands for it).
    void repond(bool juste, int ms, qint64 ecouleMs = -1);
    bool fini() const;

    const QList<ReponseDepart>& reponses() const { return reponses_; }
    // The chance of a right first answer of each fact now, index indexFait(a, b): what the pupil
    // knew, and for the facts just asked and their turn-arounds, the answer just seen.
    Estimations estimations() const;
    // What the pupil knew before the test: the long-term beliefs the summary reads.
    Estimations connaissances() const { return modele_.estimations(); }

private:
    void choisitLaSuivante();

    Operation operation_;
    ModeleDepart modele_;
    QList<ReponseDepart> reponses_;
    std::optional<QuestionDepart> suivante_;
    qint64 ecouleMs_ = 0;
};
}  // namespace Depart
