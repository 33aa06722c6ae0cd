// What a pupil hears: each effect at its moment, the statement and the question read aloud, and
// silence when the class has not switched them on. A recorder stands for the loudspeaker.
#include "EnregistreurSons.h"
#include "TestExercice.h"
#include "exercises/TExo1.h"
#include "exercises/TForm1.h"
#include "sons/ReglagesClasse.h"

#include <QMouseEvent>

class SonsTest : public TestExercice<TExo1, Ecrans::Role::Exo1, 1> {
    Q_OBJECT

    QStringList entendu_;

    // The class's switches, then exercise 1 on "3 × 4", three questions.
    void lance(Sons::Reglages reglages, int tempsDeReponse = 0, bool pirate = false) {
        exo_->hide();
        regle({1, {3, 4, 4, 2}, 3, tempsDeReponse, pirate});
        ReglagesClasse::ecrit(Etat().RepertoireClasse, reglages);
        entendu_.clear();
        exo_->show();
    }
    void repond(const QString& texte) {
        auto* champ = w<QLineEdit>(QStringLiteral("Resultat"));
        QTest::keyClicks(champ, texte);
        QTest::keyClick(champ, Qt::Key_Return);
    }

protected:
    void avantChaqueTest() override {
        TestExercice::avantChaqueTest();
        // Each effect with the coin's state as it starts: the coin is the scene's clock.
        Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu_, [this] {
            return w("piece")->isVisible() ? QStringLiteral("(pièce là)") : QStringLiteral("(pièce partie)");
        }));
    }

private slots:
    void theStatementThenEachQuestionAreReadAndEachAnswerIsHeard() {
        lance({true, true});
        QCOMPARE(entendu_, QStringList({QStringLiteral("dit Aide le poisson à trouver le résultat de l'opération. Tape la "
                                                       "réponse au clavier, puis tape sur \"entrée\" ou clique sur le "
                                                       "poisson jaune pour valider"),
                                        QStringLiteral("puis trois fois quatre")}));
        // Right at once: heard at once, then the seahorse takes the coin, heard as it goes.
        entendu_.clear();
        repond(QStringLiteral("12"));
        QTRY_COMPARE(entendu_, QStringList({QStringLiteral("juste (pièce là)"), QStringLiteral("piece (pièce partie)"),
                                            QStringLiteral("puis trois fois quatre")}));
        entendu_.clear();
        repond(QStringLiteral("5"));
        repond(QStringLiteral("12"));
        QCOMPARE(entendu_, QStringList({QStringLiteral("faux (pièce là)"), QStringLiteral("juste (pièce là)"),
                                        QStringLiteral("puis trois fois quatre")}));
    }

    void thePirateAndTheSharkAreHeardWhenTheyStrike() {
        lance({true, false}, 3, true);
        ticsJusqua("pirate_monte");
        QCOMPARE(entendu_, QStringList{QStringLiteral("pirate (pièce partie)")});
        lance({true, false}, 3, false);
        ticsJusqua("BulleExplose");
        QCOMPARE(entendu_, QStringList{QStringLiteral("bulle (pièce là)")});
    }

    // The program's first start has no class file: quiet. Each switch works alone.
    void quietByDefaultAndEachSwitchAlone() {
        QFile::remove(ReglagesClasse::chemin(Etat().RepertoireClasse));
        for (const Sons::Reglages r : {Sons::Reglages{false, false}, Sons::Reglages{true, false}, Sons::Reglages{false, true}}) {
            lance(r);
            if (r == Sons::Reglages{}) QFile::remove(ReglagesClasse::chemin(Etat().RepertoireClasse));
            exo_->hide();
            entendu_.clear();
            exo_->show();
            repond(QStringLiteral("5"));
            repond(QStringLiteral("12"));
            QCOMPARE(entendu_.filter(QRegularExpression(QStringLiteral("^(faux|juste) "))).size(), r.sons ? 2 : 0);
            // The statement, then the two questions.
            QCOMPARE(entendu_.filter(QRegularExpression(QStringLiteral("^(dit|puis) "))).size(), r.voix ? 3 : 0);
        }
    }

    void everyCoinThatLandsInTheChestRingsOnce() {
        Sons::regle({true, false});
        Etat().NombreDeQuestions = 10;
        Etat().NombreErreurs = 3;
        entendu_.clear();
        TForm1 bilan;
        bilan.show();
        QWidget* fond = bilan.findChild<QWidget*>(QStringLiteral("Image1"));
        QMouseEvent bouge(QEvent::MouseMove, QPointF(300, 200), fond->mapToGlobal(QPointF(300, 200)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(fond, &bouge);
        QTRY_VERIFY(bilan.animationFinie());
        QCOMPARE(entendu_.filter(QStringLiteral("cling")).size(), 7);
    }
};

MARIVELLE_QTEST_MAIN(SonsTest)
#include "sons_qtest.moc"
