#include "base/Erreurs.h"
#include "base/Garde.h"
#include "interface/Image.h"
#include "base/Messages.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(Garde, AFailureInAHandlerIsShownAndTheProgramGoesOn) {
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    QWidget fenetre;
    auto* image = new Image(&fenetre, "bouton");
    image->setGeometry(0, 0, 50, 50);
    int apres = 0;
    QObject::connect(image, &Image::clique, [] { throw ErreurFichier("Le fichier « x.txt » est introuvable."); });
    QObject::connect(image, &Image::clique, [&] { ++apres; });
    fenetre.show();
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(Messages::recueille(), QStringList{QString::fromUtf8("Le fichier « x.txt » est introuvable.")});
    EXPECT_EQ(apres, 0);  // the rest of the action is abandoned
    EXPECT_FALSE(Garde::execute([] { throw ErreurConversion("« a » n'est pas un nombre entier correct."); }));
    EXPECT_TRUE(Garde::execute([] {}));
}

TEST(Messages, ShownBoxesAreKeptOnlyForATestsAnswerer) {
    Messages::installeRepondeur(nullptr);
    Messages::information("sans témoin");
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    EXPECT_TRUE(Messages::recueille().isEmpty());
    Messages::erreur("avec témoin");
    EXPECT_EQ(Messages::recueille(), QStringList{"avec témoin"});
}
