#include "logique/base/Messages.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/AnneauClavier.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/DialogueMessage.h"
#include "ecrans/commun/MessagesEcran.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
DialogueMessage* dialogueOuvert() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<DialogueMessage*>(w); b && b->isVisible()) return b;
    return nullptr;
}

// Shows a box through the seam and acts on it as soon as it is on screen.
bool repondA(Messages::Genre genre, const QString& texte, const std::function<void(DialogueMessage&)>& geste) {
    QTimer::singleShot(0, [geste] {
        DialogueMessage* b = dialogueOuvert();
        ASSERT_NE(b, nullptr);
        geste(*b);
    });
    if (genre == Messages::Genre::Confirmation) return Messages::confirmation(texte);
    if (genre == Messages::Genre::Erreur) Messages::erreur(texte);
    else Messages::information(texte);
    return true;
}

void touche(DialogueMessage& b, Qt::Key k) { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &b, k); }
}  // namespace

// Enter takes the default answer, which is "Annuler" for a confirmation; Escape never confirms;
// only a click on "OK" does.
TEST(DialogueMessage, EnterAndEscapeAnswerAsExpectedAndOnlyOkConfirms) {
    MessagesEcran::installe();
    const QString question = QStringLiteral("Voulez-vous vraiment supprimer cet eleve?");
    EXPECT_FALSE(repondA(Messages::Genre::Confirmation, question, [](DialogueMessage& b) { touche(b, Qt::Key_Return); }));
    EXPECT_FALSE(repondA(Messages::Genre::Confirmation, question, [](DialogueMessage& b) { touche(b, Qt::Key_Escape); }));
    EXPECT_TRUE(repondA(Messages::Genre::Confirmation, question, [](DialogueMessage& b) {
        // Laid out in French typography: the hyphen glued to "vous" (LignesEquilibrees).
        EXPECT_EQ(b.findChild<QLabel*>(QStringLiteral("Texte"))->text(),
                  QStringLiteral("Voulez-\u2060vous vraiment supprimer cet eleve?"));
        QTest::mouseClick(b.findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
    }));
    // A plain message and a failure close on Enter and on Escape, and have no "Annuler".
    for (Messages::Genre genre : {Messages::Genre::Information, Messages::Genre::Erreur}) {
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Escape}) {
            repondA(genre, QStringLiteral("Tout est ok"), [k](DialogueMessage& b) {
                EXPECT_EQ(b.findChild<QPushButton*>(QStringLiteral("Annuler")), nullptr);
                touche(b, k);
            });
            EXPECT_EQ(dialogueOuvert(), nullptr);
        }
    }
}

// The text is never smaller than the identification screen's labels (22 design pixels, fitted
// like them), the buttons are big, and the box stays on the display, at every size.
TEST(DialogueMessage, GrowsWithTheDisplayAndStaysOnIt) {
    const QString longue = QStringLiteral(
        "La suppression de cet enseignant entrainera la perte des données concernant aussi tous ses élèves! "
        "Voulez-vous vraiment supprimer cet enseignant?");
    int policePrecedente = 0;
    for (const QSize& ecran : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
        Affichage::fixeTaille(ecran);
        const double moyenne = (ecran.width() / 1024.0 + ecran.height() / 768.0) / 2;
        DialogueMessage b(Messages::Genre::Confirmation, longue, QStringLiteral("Confirmation"));
        b.show();
        const int police = b.findChild<QLabel*>(QStringLiteral("Texte"))->font().pixelSize();
        EXPECT_GE(police, int(22 * moyenne)) << ecran.width();
        EXPECT_GT(police, policePrecedente) << ecran.width();
        policePrecedente = police;
        for (const char* nom : {"OK", "Annuler"}) {
            const auto* bouton = b.findChild<QPushButton*>(QString::fromLatin1(nom));
            EXPECT_GE(bouton->height(), int(DialogueMessage::HauteurBouton * moyenne)) << nom;
            EXPECT_GE(bouton->font().pixelSize(), police) << nom;
        }
        EXPECT_TRUE(b.findChild<QPushButton*>(QStringLiteral("Annuler"))->isDefault());
        EXPECT_TRUE(QRect(QPoint(), ecran).contains(b.geometry())) << ecran.width();
        b.close();
    }
}

// Tab moves the keyboard to the other button and Enter presses it; the ring shows on the button
// with the keyboard once a key was pressed, and a mouse press takes it away.
TEST(DialogueMessage, TabAndEnterPressTheButtonThatWearsTheRing) {
    MessagesEcran::installe();
    const auto anneau = [](QWidget* w) {
        const int t = AnneauClavier::epaisseur(std::min(Affichage::rapportX(), Affichage::rapportY()));
        return QColor(w->grab().toImage().pixel(t, w->height() / 2)) == Apparence::Marine;
    };
    EXPECT_TRUE(repondA(Messages::Genre::Confirmation, QStringLiteral("Tout effacer?"), [&anneau](DialogueMessage& b) {
        auto* ok = b.findChild<QPushButton*>(QStringLiteral("OK"));
        ASSERT_NE(b.focusWidget(), nullptr);
        EXPECT_FALSE(anneau(b.focusWidget()));
        QTest::keyClick(b.focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(b.focusWidget(), ok);
        EXPECT_TRUE(anneau(ok));
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(b.width() / 2, 4));
        EXPECT_FALSE(anneau(ok));
        QTest::keyClick(ok, Qt::Key_Return);
    }));
}
