#include "logique/exercices/Bilan.h"

#include <gtest/gtest.h>

using Bilan::Poisson;

TEST(BilanPoisson, LimitsAreStrict) {
    for (const auto& [justes, questions, poisson] : {std::tuple{10, 10, Poisson::Bien},
                                                     {71, 100, Poisson::Bien},
                                                     {7, 10, Poisson::Bof},
                                                     {2, 3, Poisson::Bof},
                                                     {41, 100, Poisson::Bof},
                                                     {4, 10, Poisson::Nul},
                                                     {0, 10, Poisson::Nul},
                                                     {0, 0, Poisson::Nul}})
        EXPECT_EQ(Bilan::choisitPoisson(justes, questions), poisson) << justes << "/" << questions;
}

TEST(BilanMessage, EachFeedbackModeHasItsText) {
    EXPECT_EQ(Bilan::message(0, 7, 10, 3).value(),
              QString::fromUtf8("Bravo ! Tu as fini l'exercice.\nTu as eu 7 bonnes réponses !\nPrêt pour un autre exercice !"));
    EXPECT_EQ(Bilan::message(1, 7, 10, 3).value(),
              QString::fromUtf8("Bravo ! Tu as fini l'exercice.\nTu as eu 7 bonnes réponses sur 10 questions !\n"
                                "Prêt pour un autre exercice !"));
    EXPECT_EQ(Bilan::message(2, 10, 10, 0).value(),
              QString::fromUtf8("Bravo ! Tu as fini l'exercice.\nTu as eu 0 erreurs !\nPrêt pour un autre exercice !"));
    EXPECT_FALSE(Bilan::message(3, 7, 10, 3).has_value());
    EXPECT_FALSE(Bilan::message(-1, 7, 10, 3).has_value());
}

TEST(BilanPluie, CoinsFallFasterAndOnePerRightAnswer) {
    EXPECT_EQ(Bilan::pasDeChute(72, 390), 9);   // 9,24
    EXPECT_EQ(Bilan::pasDeChute(35, 390), 8);   // 8,5: halves go to the even neighbour
    EXPECT_EQ(Bilan::pasDeChute(85, 390), 10);  // 9,5

    Bilan::Pluie pluie(3);
    for (int piece = 1; piece <= 3; ++piece) {
        ASSERT_TRUE(pluie.lance());
        EXPECT_EQ(pluie.haut(), 72);
        EXPECT_EQ(pluie.lancees(), piece);
        for (int tic = 0; !pluie.tombe(); ++tic) ASSERT_LT(tic, 100);
    }
    EXPECT_FALSE(pluie.lance());
    EXPECT_TRUE(pluie.finie());
    EXPECT_TRUE(pluie.visible());
}
