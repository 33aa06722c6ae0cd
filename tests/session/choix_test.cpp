#include "session/ChoixOperateur.h"
#include "state/SharedState.h"

#include <gtest/gtest.h>

TEST(ChoixSigne, EntriesTakeTheOperationAndAnEmptyListGetsTheTenTables) {
    SharedState e;
    e.ajouteEntree(SharedState::Complement, 20, SharedState::Complement, 0);
    e.ajouteEntree(6, 1, 10, 2);
    RempliSigneDansTableAEntrainer(e, 1);
    EXPECT_EQ(e.DernierIndiceTables, 9);
    EXPECT_EQ(e.Tables[3], 20);  // the numbers themselves stay
    EXPECT_EQ(e.Tables[5], 1);
    EXPECT_EQ(e.Tables[9], 1);
    EXPECT_EQ(e.Tables[13], -1);  // nothing past the last entry

    SharedState vide;
    RempliSigneDansTableAEntrainer(vide, 3);
    ASSERT_EQ(vide.DernierIndiceTables, 41);
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(vide.Tables[2 + 4 * j], j + 1);
        EXPECT_EQ(vide.Tables[3 + 4 * j], 1);
        EXPECT_EQ(vide.Tables[4 + 4 * j], 10);
        EXPECT_EQ(vide.Tables[5 + 4 * j], 3);
    }
}
