#include "DossierTemporaire.h"
#include "core/state/SharedState.h"
#include "core/state/Utils.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
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

TEST(SharedState, TheTableHoldsAtMost250Entries) {
    SharedState e;
    for (int i = 0; i < 250; ++i) ASSERT_TRUE(e.ajouteEntree(i, 1, 10, 0));
    EXPECT_FALSE(e.ajouteEntree(1, 1, 10, 0));
    EXPECT_EQ(e.DernierIndiceTables, 1001);
    EXPECT_EQ(e.Tables[1002], -1);
}

TEST(EstUnNombre, FollowsTheStandardConversion) {
    SharedState e;
    EXPECT_TRUE(EstUnNombre(e, "  12"));
    EXPECT_TRUE(EstUnNombre(e, "-5"));
    EXPECT_TRUE(EstUnNombre(e, "$1F"));
    EXPECT_FALSE(EstUnNombre(e, ""));
    EXPECT_FALSE(EstUnNombre(e, "12 "));
    EXPECT_FALSE(EstUnNombre(e, "1.5"));
    EXPECT_FALSE(EstUnNombre(e, "abc"));
    EXPECT_FALSE(EstUnNombre(e, "3000000000"));
}

TEST(CentreHorizontalement, TruncatesTowardZero) {
    SharedState e;
    QWidget parent;
    QLabel reference(&parent), controle(&parent);
    reference.setGeometry(10, 0, 101, 10);
    controle.setGeometry(0, 5, 40, 10);
    CentreHorizontalement(e, &reference, &controle);
    EXPECT_EQ(controle.pos(), QPoint(40, 5));
    controle.resize(131, 10);
    CentreHorizontalement(e, &reference, &controle);
    EXPECT_EQ(controle.x(), -5);  // 10 + (-30 / 2)
}

TEST(ListFillers, SkipHeadingsAndLevelLinesAndAddTheirFirstEntry) {
    DossierTemporaire dossier;
    SharedState e;
    ecritOctets("liste.txt", "---entete---\r\naucun\r\nMartin\r\n>1 - enseigne la classe de ce1\r\n\r\n  blancs \r\n");
    QComboBox combo;
    RemplitComboDepuisFichier(e, "liste.txt", &combo);
    ASSERT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.itemText(2), "");
    EXPECT_EQ(combo.itemText(3), "  blancs ");

    QListWidget enseignants, eleves, autre;
    enseignants.setObjectName("lb_nom_ens_param");
    eleves.setObjectName("lb_nom_eleve");
    RemplitListeDepuisFichier(e, "liste.txt", &enseignants);
    RemplitListeDepuisFichier(e, "liste.txt", &eleves);
    RemplitListeDepuisFichier(e, "liste.txt", &autre);
    EXPECT_EQ(enseignants.item(0)->text(), "Enseignant non inscrit");
    EXPECT_EQ(eleves.item(0)->text(), QString::fromUtf8("Elève non inscrit"));
    EXPECT_EQ(autre.item(0)->text(), "aucun");
    EXPECT_EQ(enseignants.count(), 5);

    QListWidget cases;
    RemplitElevesAParametrer(e, "liste.txt", &cases);
    EXPECT_EQ(cases.item(0)->text(), QString::fromUtf8("Paramétrage par défaut"));
    EXPECT_EQ(cases.item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(cases.item(1)->checkState(), Qt::Checked);
}
