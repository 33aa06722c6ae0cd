#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Polices.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
struct Ecran1280 : ::testing::Test {
    void SetUp() override { Affichage::fixeTaille(QSize(1280, 1024)); }
};
}  // namespace

TEST(Arrondi, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Ajustement::arrondi(2.5), 2);
    EXPECT_EQ(Ajustement::arrondi(3.5), 4);
    EXPECT_EQ(Ajustement::arrondi(-2.5), -2);
    EXPECT_EQ(Ajustement::arrondi(2.6), 3);
}

TEST_F(Ecran1280, FactorsAndFontsFollowTheDisplay) {
    QWidget fenetre;
    fenetre.setGeometry(0, 0, 1024, 768);
    fenetre.setFont(Polices::police("Comic Sans MS", 14));
    auto* propre = new QLabel("propre", &fenetre);
    propre->setFont(Polices::police("Comic Sans MS", 14));
    propre->setGeometry(101, 51, 200, 30);
    auto* herite = new QLabel("hérite", &fenetre);
    auto* edition = new QLineEdit(&fenetre);
    edition->setFont(Polices::police("Arial", 20));
    auto* liste = new QComboBox(&fenetre);
    liste->setFont(Polices::police("Arial", 20));

    CalculeEchelle(&fenetre);
    EXPECT_DOUBLE_EQ(Ajustement::facteurs().horizontal, 1.25);
    EXPECT_DOUBLE_EQ(Ajustement::facteurs().vertical, 1024.0 / 768.0);
    AdapteFenetre(&fenetre);

    // 768 high: the window is maximised and its own size is the display's.
    EXPECT_EQ(fenetre.geometry(), QRect(0, 0, 1280, 1024));
    EXPECT_EQ(fenetre.font().pixelSize(), 18);  // trunc(14 × 1.2916…)
    EXPECT_EQ(propre->font().pixelSize(), 18);
    EXPECT_EQ(herite->font().pixelSize(), 18);               // follows the fitted form
    EXPECT_EQ(edition->font().pixelSize(), 20);              // an edit keeps its own font
    EXPECT_EQ(liste->font().pixelSize(), 25);                // a drop-down with its own font is fitted
    EXPECT_EQ(propre->geometry(), QRect(126, 68, 250, 40));  // 126.25, 68, 250, 40
}

TEST_F(Ecran1280, SmallWindowsAreScaledAndSpecialControlsKeepTheirRules) {
    QWidget fenetre;
    fenetre.setGeometry(0, 0, 800, 600);
    CalculeEchelle(&fenetre);  // 1.6 × 1.70666…
    Ajustement::reinitialise();
    QWidget dessin;
    dessin.setGeometry(0, 0, 1024, 768);
    CalculeEchelle(&dessin);
    fenetre.resize(400, 300);
    auto* gauche = new QLabel(&fenetre);
    gauche->setGeometry(-8, 10, 10, 10);
    auto* ancre = new QLabel(&fenetre);
    ancre->setGeometry(10, 100, 10, 10);
    Marques::ancreEnBas(ancre);
    auto* texte = new QLabel("Bravo !", &fenetre);
    texte->setFont(Polices::police("Comic Sans MS", 20));
    Marques::tailleAuTexte(texte);
    auto* piece = new Forme(&fenetre, "piece", Forme::Genre::Cercle, Qt::yellow, Qt::black, 3);
    AdapteFenetre(&fenetre);
    EXPECT_EQ(fenetre.size(), QSize(500, 400));
    EXPECT_EQ(gauche->x(), 0);
    EXPECT_EQ(ancre->y(), 100);
    EXPECT_EQ(texte->size(), texte->sizeHint());
    EXPECT_EQ(piece->epaisseur(), 4);  // trunc(3 × 1.333…)
}

TEST_F(Ecran1280, MarkedPanelsKeepTheirChildrenAsDesigned) {
    QWidget fenetre;
    fenetre.setGeometry(0, 0, 1024, 768);
    auto* bulle = new Panneau(&fenetre, "Bulle1");
    Marques::contenuPlaceParLEcran(bulle);
    bulle->setGeometry(160, 360, 164, 164);
    auto* dedans = new QLabel(bulle);
    dedans->setGeometry(10, 20, 100, 50);
    auto* ordinaire = new Panneau(&fenetre, "SoutientBandeNum");
    ordinaire->setGeometry(240, 390, 564, 340);
    auto* tuile = new QLabel(ordinaire);
    tuile->setGeometry(4, 0, 46, 30);
    CalculeEchelle(&fenetre);
    AdapteFenetre(&fenetre);
    EXPECT_EQ(bulle->geometry(), QRect(200, 480, 205, 219));
    EXPECT_EQ(dedans->geometry(), QRect(10, 20, 100, 50));
    EXPECT_EQ(tuile->geometry(), QRect(5, 0, 58, 40));
}

// A bubble with its field is fitted by the smaller factor (1.25 of 1.25 and 1.33), centred in its
// place, its contents with it: it stays round and its field stays inside it.
TEST_F(Ecran1280, ProportionedPanelsStayInProportion) {
    QWidget fenetre;
    fenetre.setGeometry(0, 0, 1024, 768);
    auto* bulle = new Panneau(&fenetre, "Bulle2");
    bulle->setGeometry(200, 488, 136, 136);
    Marques::gardeProportions(bulle);
    auto* champ = new QLineEdit(bulle);
    champ->setGeometry(38, 40, 84, 56);
    CalculeEchelle(&fenetre);
    AdapteFenetre(&fenetre);
    EXPECT_EQ(bulle->geometry(), QRect(250, 656, 170, 170));  // place 250, 651, 170 × 181
    EXPECT_EQ(champ->geometry(), QRect(48, 50, 105, 70));
}
