#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <gtest/gtest.h>

TEST(InitialiseParametres, ResetsSettingsAndKeepsTheConnection) {
    SharedState e;
    EXPECT_EQ(e.DernierIndiceTables, 1);
    EXPECT_EQ(e.Tables[1], 1);
    EXPECT_EQ(e.Tables[2], -1);
    EXPECT_EQ(e.Tables[1002], -1);
    e.NumeroExercice = 4;
    e.SequenceFinie = true;
    e.UneFoisSequenceFinie = 2;
    e.NomEleve = "Léa";
    e.RepertoireClasse = "classe de Martin/";
    e.TypeExercice = 3;
    e.TempsDeReponse = 12;
    e.ajouteEntree(5, 1, 10, 2);
    InitialiseParametres(e);
    EXPECT_EQ(e.NumeroExercice, 4);
    EXPECT_TRUE(e.SequenceFinie);
    EXPECT_EQ(e.UneFoisSequenceFinie, 2);
    EXPECT_EQ(e.NomEleve, "Léa");
    EXPECT_EQ(e.RepertoireClasse, "classe de Martin/");
    EXPECT_EQ(e.TypeExercice, 0);
    EXPECT_EQ(e.TempsDeReponse, 0);
    EXPECT_EQ(e.DernierIndiceTables, 1);
    EXPECT_EQ(e.Tables[2], -1);
}
