#pragma once
// The facts a pupil's tables can ask, as exercise 1 asks them without options: a table n on a..b
// gives n + k and k + n (n × k and k × n), the subtractions n − k and k − n that stay at or above
// zero, the exact divisions n ÷ k and k ÷ n; a complement c gives, for x from 0 to c − 1,
// x + (c − x), (c + x) − x, x × (c ÷ x) when x divides c, (c × x) ÷ x. The review draws from these
// facts and the teacher's progress view counts them.
#include "logique/journal/Fait.h"
#include "logique/parametres/ParameterFiles.h"

#include <QList>
#include <cstddef>
#include <functional>

namespace Revision {
// Each entry's operands beyond this many are left out, so that a hand-edited range cannot
// make a review draw from millions of facts.
constexpr int OperandesMaxParEntree = 100;

// A fact as a key of the standard containers.
struct CleFait {
    std::size_t operator()(const Fait& f) const {
        return std::hash<long long>{}((static_cast<long long>(f.gauche) * 1000003 + f.droite) * 4 +
                                      static_cast<int>(f.operation));
    }
};

// The facts of the entries, each once, in the order of the entries. With `operation` 0..3 only
// the entries of that operation; when none has it, every entry with that operation instead
// (the free-practice chooser writes the chosen sign into every entry the same way).
QList<Fait> faitsDesTables(const QList<EntreeTable>& entrees, int operation = -1);

// The tables 1 to 10 on 1..10 of an operation.
QList<EntreeTable> tablesUnADix(int operation);
}  // namespace Revision
