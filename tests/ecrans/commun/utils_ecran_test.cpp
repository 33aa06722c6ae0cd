#include "DossierTemporaire.h"
#include "ecrans/commun/UtilsEcran.h"
#include "logique/etat/SharedState.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

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
    // The settings screen's list of pupils to tick: parametrage_qtest.cpp.
}
