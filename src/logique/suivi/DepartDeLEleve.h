#pragma once
// What the starting tests a pupil took (exercise kind 6) tell the teacher: per operation, each
// fact's estimated chance and the one-line summary (docs/depart.md). Rebuilt from the journal's
// answers each time, so nothing more is stored.
#include "logique/depart/ResumeDepart.h"
#include "logique/journal/MagasinJournal.h"

#include <span>

namespace Suivi {
inline constexpr int TypeTestDeDepart = 6;

struct DepartOperation {
    Operation operation = Operation::Multiplication;
    Depart::Estimations connaissances{};
    QString resume;
};

// The pupil's starting tests, + first, from their questions (any order); the answers of each
// operation's tests are taken together.
QList<DepartOperation> departsDeLEleve(std::span<const ReponseResumee> reponses);
// The test's estimate of a fact, -1 when no test of its operation was taken or its numbers are
// outside 1 to 10.
double estimationDepart(const QList<DepartOperation>& departs, const Fait& fait);
}  // namespace Suivi
