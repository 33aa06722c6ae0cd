#pragma once
// A table entry as the question draws read it (exercises 1 and 2, and exercises 3 and 4): the
// numbers in 64 bits, so that no sum, difference or product of two of them overflows, and a
// range that is never empty.
#include "logique/base/Operation.h"
#include "logique/etat/EntreeTable.h"

#include <QList>

#include <cstdint>
#include <optional>
#include <vector>

struct EntreeTirage {
    std::int64_t n = 0;  // table number (nothing for a complement entry)
    std::int64_t a = 0;  // operand range a..b, b >= a; the target for a complement entry
    std::int64_t b = 0;
    Operation op = Operation::Addition;
    bool complement = false;

    bool contient(std::int64_t v) const { return v >= a && v <= b; }
};

// The entry as drawn from: an empty range gives its start. Nothing for an operation outside 0..3,
// nor for a table one of whose questions would not fit a 32-bit result.
std::optional<EntreeTirage> entreeDuTirage(const EntreeTable& entree);

// Every entry that can be drawn from, in order; with none, the addition tables 1 to 10 on 1..10
// keep the exercise going.
std::vector<EntreeTirage> entreesDuTirage(const QList<EntreeTable>& entrees);
