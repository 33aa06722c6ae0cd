// The pupil's look on a child's screen: put on when the screen is shown, kept on the fonts its
// code sets while on view (never adjusted twice), gone for the next pupil; a teacher's screen
// never has it.
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Polices.h"
#include "logique/amenagements/AmenagementsEnCours.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {
struct Ecran {
    QWidget fenetre;
    QLabel* mots = new QLabel(QStringLiteral("Trouve le résultat"), &fenetre);
    QLabel* nombre = new QLabel(QStringLiteral("56"), &fenetre);
    explicit Ecran(bool enfant) {
        mots->setFont(Apparence::comic(20));
        mots->setStyleSheet(Apparence::styleBulleParole());
        Apparence::colore(mots, QPalette::WindowText, Apparence::Orange);
        nombre->setFont(Apparence::nombres(80));
        if (enfant) Apparence::pourLEnfant(&fenetre);
    }
    void montre() {
        fenetre.hide();
        fenetre.show();
    }
};
}  // namespace

TEST(ApparenceEleve, ThePupilsLookComesWithTheScreenAndGoesWithThePupil) {
    Polices::installe();
    Amenagements a;
    a.police = Amenagements::Police::OpenDyslexic;
    a.taille = Amenagements::Taille::Plus50;
    a.espacement = true;
    a.contraste = true;
    AmenagementsEnCours::installe(a);
    Ecran enfant(true), enseignant(false);
    enfant.montre();
    enseignant.montre();
    const QFont mots = enfant.mots->font();
    EXPECT_EQ(QFontInfo(mots).family(), QStringLiteral("OpenDyslexic"));
    EXPECT_EQ(mots.pixelSize(), 30);
    EXPECT_EQ(mots.letterSpacing(), 4);
    EXPECT_EQ(mots.wordSpacing(), 5);
    EXPECT_EQ(enfant.nombre->font(), Apparence::nombres(80));  // the bubbles' numbers keep their face
    EXPECT_NE(enfant.mots->palette().color(QPalette::WindowText), Apparence::Orange);
    EXPECT_TRUE(enfant.mots->styleSheet().contains(QStringLiteral("solid black")));
    // A font the screen sets while on view is the pupil's too, from the screen's size.
    enfant.mots->setFont(Apparence::comic(24));
    EXPECT_EQ(enfant.mots->font().pixelSize(), 36);
    EXPECT_EQ(enseignant.mots->font(), Apparence::comic(20));
    EXPECT_EQ(enseignant.mots->styleSheet(), Apparence::styleBulleParole());

    AmenagementsEnCours::retire();
    enfant.montre();
    EXPECT_EQ(enfant.mots->font().pixelSize(), 24);
    EXPECT_EQ(QFontInfo(enfant.mots->font()).family(), QFontInfo(Apparence::comic(24)).family());
    EXPECT_EQ(enfant.mots->font().letterSpacing(), 0);
    EXPECT_EQ(enfant.mots->palette().color(QPalette::WindowText), Apparence::Orange);
    EXPECT_EQ(enfant.mots->styleSheet(), Apparence::styleBulleParole());
}
