#include "logique/etat/EntreeTirage.h"

#include <climits>
#include <tuple>
#include <gtest/gtest.h>

// What the draws of every exercise read from an entry: the range never empty, complements marked,
// and nothing from an unknown operation or a table whose questions would leave 32 bits.
TEST(EntreeDuTirage, RangeComplementAndEntriesLeftOut) {
    const int M = EntreeTable::Marque;
    const struct {
        EntreeTable entree;
        bool garde;
        std::int64_t n, a, b;
        bool complement;
    } cas[] = {
        {{7, 1, 10, 2}, true, 7, 1, 10, false},
        {{7, 9, 3, 0}, true, 7, 9, 9, false},
        {{M, 20, M, 1}, true, M, 20, 20, true},
        {{M, INT_MIN, M, 2}, true, M, INT_MIN, M, true},
        {{M, 20, 30, 0}, true, M, 20, 30, false},
        {{3, 1, 10, -1}, false, 0, 0, 0, false},
        {{3, 1, 10, 4}, false, 0, 0, 0, false},
        {{INT_MAX, 1, 2, 2}, false, 0, 0, 0, false},
        {{INT_MAX, -1, 0, 0}, true, INT_MAX, -1, 0, false},
        {{1, INT_MIN, 0, 3}, false, 0, 0, 0, false},
        {{-2, INT_MAX, INT_MAX, 1}, false, 0, 0, 0, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.entree.premier << " " << c.entree.second << " " << c.entree.troisieme << " op "
                                          << c.entree.operation);
        const auto t = entreeDuTirage(c.entree);
        ASSERT_EQ(t.has_value(), c.garde);
        if (!t) continue;
        EXPECT_EQ(std::tuple(t->n, t->a, t->b, t->complement), std::tuple(c.n, c.a, c.b, c.complement));
        EXPECT_EQ(static_cast<int>(t->op), c.entree.operation);
    }
}
