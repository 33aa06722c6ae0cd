#include "EnregistreurSons.h"
#include "TestEcran.h"
#include "logique/base/Minuterie.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Polices.h"
#include "logique/etat/SharedState.h"
#include "logique/exercices/Bilan.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/commun/LignesEquilibrees.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>

class BilanTest : public TestEcran {
    Q_OBJECT

    static QWidget* enfant(TForm1& f, const char* nom) { return f.findChild<QWidget*>(QString::fromLatin1(nom)); }
    static void bouge(TForm1& f) {
        QWidget* fond = enfant(f, "Image1");
        const QPointF ici(300, 200);
        QMouseEvent e(QEvent::MouseMove, ici, fond->mapToGlobal(ici), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(fond, &e);
    }
    static void score(int questions, int erreurs, int retroaction) {
        Etat().NombreDeQuestions = questions;
        Etat().NombreErreurs = erreurs;
        Etat().Retroaction = retroaction;
    }
    // The coins' timer runs.
    static bool tombe(TForm1& f) {
        const auto minuteries = f.findChildren<QTimer*>();
        return std::any_of(minuteries.begin(), minuteries.end(), [](const QTimer* t) { return t->isActive(); });
    }

protected:
    void avantChaqueTest() override {
        Minuterie::accelere(40);
        Affichage::fixeTaille(QSize(1024, 768));
    }

private slots:
    void initTestCase() { Polices::installe(); }

    // Each coin rings as it lands in the chest.
    void middlingScoreThenSevenCoinsThenAMoveCloses() {
        QStringList entendu;
        Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu));
        Sons::regle({true, false});
        score(10, 3, 1);
        TForm1 f;
        f.show();
        // The card at its design size, centred on the display it covers.
        QCOMPARE(f.geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(enfant(f, "Carte")->geometry(), QRect(126, 106, 771, 555));
        // The message of the feedback mode, with the pupil's score (its texts are bilan_test.cpp's),
        // each "!" held to its word.
        QCOMPARE(qobject_cast<QLabel*>(enfant(f, "Label1"))->text(),
                 Bilan::message(1, 7, 10, 3).value().replace(" !", QStringLiteral("\u00A0!")));
        QVERIFY(enfant(f, "poissonbof")->isVisible() && !enfant(f, "poissonbien")->isVisible() &&
                !enfant(f, "poissonnul")->isVisible());

        // Without a mouse move nothing falls, and Escape does not close the screen.
        QVERIFY(!tombe(f) && f.piecesLancees() == 0 && !enfant(f, "piece")->isVisible());
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(f.isVisible());

        bouge(f);
        QVERIFY(enfant(f, "piece")->isVisible());
        QTRY_VERIFY(enfant(f, "Kling")->isVisible());
        QTRY_VERIFY(f.animationFinie());
        QCOMPARE(f.piecesLancees(), 7);
        QCOMPARE(entendu.filter(QStringLiteral("cling")).size(), 7);
        QVERIFY(!enfant(f, "piece")->isVisible() && f.isVisible());

        bouge(f);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Accepted));
    }

    // At every display size the card keeps its proportions on the display, and in every feedback
    // mode each line of the message holds more than a lone word and stays above the score fish.
    void theCardFitsEveryDisplayWithNoLoneWord() {
        for (const QSize& ecran : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            Affichage::fixeTaille(ecran);
            for (int retroaction : {0, 1, 2}) {
                score(10, 3, retroaction);
                TForm1 f;
                f.show();
                const QRect carte = enfant(f, "Carte")->geometry();
                QVERIFY(QRect(QPoint(), ecran).contains(carte));
                QCOMPARE(carte.width(), qRound(771 * f.echelle()));
                const auto* message = qobject_cast<QLabel*>(enfant(f, "Label1"));
                const QStringList lignes = LignesEquilibrees::lignes(message->font(), message->text(), message->width());
                for (const QString& ligne : lignes) {
                    // "!" alone is no word: "questions !" is a lone word.
                    const QStringList mots =
                        ligne.split(QLatin1Char(' '), Qt::SkipEmptyParts).filter(QRegularExpression(QStringLiteral("\\w")));
                    QVERIFY2(mots.size() >= 2, qPrintable(ligne));
                }
                QVERIFY(message->y() + lignes.size() * message->fontMetrics().lineSpacing() <= enfant(f, "poissonbof")->y());
                QVERIFY(QRect(QPoint(), carte.size()).contains(enfant(f, "Kling")->geometry()));
            }
        }
    }

    void enterEndsTheModalShowAtOnceDuringTheDrop() {
        score(10, 0, 2);
        TForm1 f;
        int piecesALaFermeture = -1;
        QTimer::singleShot(0, &f, [&] {
            QCOMPARE(qobject_cast<QLabel*>(enfant(f, "Label1"))->text(),
                     Bilan::message(2, 10, 10, 0).value().replace(" !", QStringLiteral("\u00A0!")));
            QVERIFY(enfant(f, "poissonbien")->isVisible());
            bouge(f);
            // Enter once the first coin has landed, the others still to fall.
            (void)attendsQue([&] { return f.piecesLancees() >= 2; });
            piecesALaFermeture = f.piecesLancees();
            QTest::keyClick(&f, Qt::Key_Return);
        });
        QCOMPARE(f.exec(), int(QDialog::Accepted));
        // The coin timer is gone: nothing moves once the screen is closed.
        QVERIFY(piecesALaFermeture >= 2 && !f.animationFinie() && !tombe(f));
        QCOMPARE(f.piecesLancees(), piecesALaFermeture);
    }

    void allWrongDropsOneUnseenCoinThenAMoveCloses() {
        score(10, 10, 0);
        TForm1 f;
        f.show();
        QVERIFY(enfant(f, "poissonnul")->isVisible());
        Guet vue([&] { return enfant(f, "piece")->isVisible() || enfant(f, "Kling")->isVisible(); });
        bouge(f);
        QTRY_VERIFY(f.animationFinie());
        QVERIFY(!vue.vu() && !enfant(f, "Kling")->isVisible() && f.isVisible());
        QCOMPARE(f.piecesLancees(), 1);
        bouge(f);
        QVERIFY(!f.isVisible());
    }
};

MARIVELLE_QTEST_MAIN(BilanTest)
#include "bilan_qtest.moc"
