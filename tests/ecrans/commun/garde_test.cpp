#include "logique/base/Erreurs.h"
#include "logique/base/Garde.h"
#include "ecrans/commun/Image.h"
#include "logique/base/Messages.h"

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

// Memory running out, another library's failure or a box given no text: a French text, never an
// empty box.
TEST(Garde, EveryFailureIsToldInFrench) {
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    Messages::recueille();
    EXPECT_FALSE(Garde::execute([] { QByteArray trop(std::numeric_limits<qsizetype>::max() - 64, 'x'); }));
    EXPECT_FALSE(Garde::execute([] { throw std::runtime_error(""); }));
    EXPECT_FALSE(Garde::execute([] { throw 7; }));
    EXPECT_FALSE(Garde::execute([] { throw ErreurFichier(""); }));
    const std::string inattendu = "Une erreur inattendue a interrompu cette action. Marivelle continue ; recommencez-la.";
    EXPECT_EQ(Messages::recueille().join('|').toStdString(),
              "L'ordinateur n'a plus assez de mémoire pour terminer cette action. Fermez d'autres programmes, puis "
              "recommencez.|" +
                  inattendu + "|" + inattendu + "|" + inattendu);
}
