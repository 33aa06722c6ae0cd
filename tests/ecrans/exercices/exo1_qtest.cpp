// Exercise 1 played as a pupil would: typing answers, Enter, clicks, and the countdowns run fast;
// what the pupil hears, a recorder standing for the loudspeaker.
#include "EnregistreurSons.h"
#include "TestExercice.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TRevision.h"
#include "logique/sons/ReglagesClasse.h"

#include <QRegularExpression>
#include <QScopeGuard>

class Exo1Test : public TestExercice<TExo1, Ecrans::Role::Exo1, 1> {
    Q_OBJECT

    QLineEdit* resultat() const { return w<QLineEdit>("Resultat"); }

    // Starts the exercise on one question, "3 × 4" unless told otherwise, in the given mode.
    void lance(int tempsDeReponse = 0, bool pirate = false, int questions = 10, std::array<int, 4> table = {3, 4, 4, 2}) {
        exo_->hide();
        regle({1, table, questions, tempsDeReponse, pirate});
        exo_->show();
    }
    void repond(QLineEdit* champ, const QString& texte) {
        if (!texte.isEmpty()) QTest::keyClicks(champ, texte);
        QTest::keyClick(champ, Qt::Key_Return);
    }
    void repond(const QString& texte) { repond(resultat(), texte); }
    int minuteries() const { return int(exo_->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly).size()); }
    // The class's sound and voice switches, then "3 × 4" in three questions, and what is heard
    // from then on: each effect with the coin's state as it starts (the coin is the scene's clock).
    QStringList entendu_;
    void ecoute(Sons::Reglages reglages, int tempsDeReponse = 0, bool pirate = false) {
        Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu_, [this] {
            return w("piece")->isVisible() ? QStringLiteral("(pièce là)") : QStringLiteral("(pièce partie)");
        }));
        exo_->hide();
        regle({1, {3, 4, 4, 2}, 3, tempsDeReponse, pirate});
        ReglagesClasse::ecrit(Etat().RepertoireClasse, reglages);
        entendu_.clear();
        exo_->show();
    }
    void apresChaqueTest() override {
        QFile::remove(ReglagesClasse::chemin(Etat().RepertoireClasse));  // quiet again for the next test
        TestExercice::apresChaqueTest();
    }

private slots:
    // The strip's colours: rows of even tens on light yellow, the others and 100 on green; even
    // numbers in orange, odd ones in green.
    void numberStripColours() {
        const auto fond = [this](const char* nom) { return w(nom)->palette().color(QPalette::Window); };
        const auto encre = [this](const char* nom) { return w(nom)->palette().color(QPalette::WindowText); };
        QCOMPARE(fond("Num0"), QColor(255, 255, 200));
        QCOMPARE(fond("Num17"), QColor(215, 255, 215));
        QCOMPARE(fond("Num100"), QColor(215, 255, 215));
        QCOMPARE(encre("Num42"), QColor(0xd2, 0x46, 0x00));
        QCOMPARE(encre("Num43"), QColor(0x00, 0x8a, 0x00));
    }

    void rightAtTheFirstTryRunsTheCoinPickup() {
        lance();
        QCOMPARE(texte("OpGauche") + texte("Signe") + texte("OpDroite"), QString::fromUtf8("3×4"));
        const int crabe = w("Crabe")->x();
        repond(QStringLiteral("12"));
        QVERIFY(exo_->partie().RamassageEnCours && w("ramasse_piece1")->isVisible() && w("Bravo")->isVisible());
        QVERIFY(resultat()->isReadOnly());
        // Answers are ignored while the seahorse takes the coin.
        repond(QString());
        QTest::mouseClick(w("PoissonRes"), Qt::LeftButton);
        QCOMPARE(numero(), 1);
        QTRY_COMPARE(numero(), 2);
        QCOMPARE(w("Crabe")->x(), crabe + 102);
        QVERIFY(!exo_->partie().RamassageEnCours && w("piece")->isVisible() && !w("Bravo")->isVisible());
        QVERIFY(resultat()->text().isEmpty() && !resultat()->isReadOnly());
        QCOMPARE(Etat().NombreErreurs, 0);
    }

    void wrongThenRightCountsOneError() {
        lance();
        repond(QStringLiteral("11"));
        QCOMPARE(Etat().NombreErreurs, 1);
        QVERIFY(resultat()->text().isEmpty() && w("Perdu")->isVisible());
        QVERIFY(
            QStringList({QStringLiteral("Essaie encore, tu vas y arriver\u00A0!"), QString::fromUtf8("Presque, réfléchis bien.")})
                .contains(texte("Perdu")));
        QVERIFY(w("SolutionImage")->isVisible());
        QTest::mouseClick(w("SolutionImage"), Qt::LeftButton);
        QVERIFY(!w("SolutionImage")->isVisible() && w("SolutionImage2")->isVisible());
        QCOMPARE(texte("SolutionLabel"), QStringLiteral("12"));
        // The yellow fish validates like Enter; a right answer after an error earns no coin.
        QTest::keyClicks(resultat(), QStringLiteral("12"));
        QTest::mouseClick(w("PoissonRes"), Qt::LeftButton);
        QCOMPARE(numero(), 2);
        QVERIFY(!exo_->partie().RamassageEnCours);
        QCOMPARE(Etat().NombreErreurs, 1);
        QCOMPARE(exo_->partie().ListeErreurs, QString::fromUtf8("\r\n3×4 1 erreurs"));
        QVERIFY(!w("SolutionImage2")->isVisible() && !w("Perdu")->isVisible());
    }

    void notANumberCountsNothing() {
        lance();
        for (const QString& saisie : {QStringLiteral("abc"), QString()}) {
            repond(saisie);
            QCOMPARE(texte("Perdu"), QStringLiteral("Tu n'as pas rentré un nombre\u00A0!"));
            QVERIFY(w("Perdu")->isVisible() && resultat()->text().isEmpty());
        }
        QCOMPARE(Etat().NombreErreurs + exo_->partie().ErreursQuestion, 0);
        QCOMPARE(numero(), 1);
    }

    // The rows shown from the chosen last row, the strip's top and height (rows 30 apart, a short
    // strip lower), a click on a number.
    void numberStripRowsAndClicks() {
        lance();
        QVERIFY(!w("SoutientBandeNum")->isVisible());
        QVERIFY(!texte("Enonce2Exo1").contains(QStringLiteral("au fond de l'eau")));
        struct Cas {
            int bande;
            const char* derniere;
            const char* cachee;
            int y, hauteur;
            const char *clic, *texte;
        };
        for (const Cas& c : {Cas{0, "BandeNum0", "BandeNum10", 356 + 5 * 30, 32, "Num7", "7"},
                             Cas{5, "BandeNum50", "BandeNum60", 356 + 2 * 30, 5 * 30 + 32, nullptr, nullptr},
                             Cas{9, "BandeNum90", nullptr, 356, 9 * 30 + 32, "Num100", "100"}}) {
            Etat().BandeNumerique = c.bande;  // read again when the screen is shown
            exo_->hide();
            exo_->show();
            QVERIFY(w("SoutientBandeNum")->isVisible() && w(c.derniere)->isVisible());
            QVERIFY(!c.cachee || !w(c.cachee)->isVisible());
            QCOMPARE(QPair(w("SoutientBandeNum")->y(), w("SoutientBandeNum")->height()), QPair(c.y, c.hauteur));
            QVERIFY(w("SoutientBandeNum")->geometry().bottom() < w("Crabe")->y());
            QVERIFY(texte("Enonce2Exo1").contains(QStringLiteral("au fond de l'eau")));
            if (!c.clic) continue;
            QTest::mouseClick(w(c.clic), Qt::LeftButton);
            QCOMPARE(resultat()->text(), QString::fromLatin1(c.texte));
        }
    }

    void countingHelp() {
        lance();
        Etat().TypeAide = 0;
        QVERIFY(w("Aide")->isVisible() && !w("AideGrisee")->isVisible());
        QTest::mouseClick(w("Aide"), Qt::LeftButton);
        QVERIFY(w("ConteneurAideGaucheDessin")->isVisible() && w("ConteneurAideDroiteDessin")->isVisible());
        QVERIFY(!w("ConteneurAideGaucheConstellation")->isVisible() && w("EnleverAide")->isVisible() && !w("Aide")->isVisible());
        QTest::mouseClick(w("EnleverAide"), Qt::LeftButton);
        QVERIFY(!w("ConteneurAideGaucheDessin")->isVisible() && w("Aide")->isVisible());

        Etat().TypeAide = 1;
        QTest::mouseClick(w("Aide"), Qt::LeftButton);
        QVERIFY(w("ConteneurAideGaucheConstellation")->isVisible() && w("ConteneurAideDroiteConstellation")->isVisible());

        // Operands beyond 10, or no help chosen: the greyed octopus.
        lance(0, false, 10, {11, 2, 2, 0});
        QCOMPARE(texte("OpGauche"), QStringLiteral("11"));
        QVERIFY(!w("Aide")->isVisible() && w("AideGrisee")->isVisible());
        lance();
        Etat().TypeAide = 2;
        exo_->hide();
        exo_->show();
        QVERIFY(!w("Aide")->isVisible() && w("AideGrisee")->isVisible());
    }

    void pirateTakesTheCoin() {
        Minuterie::accelere(10);
        lance(1, true);
        QVERIFY(w("pirate_descend")->isVisible() && w("PoissonRes")->isVisible() && !w("Bulle1")->isVisible());
        // A wrong answer does not stop the pirate.
        repond(QStringLiteral("5"));
        QCOMPARE(Etat().NombreErreurs, 1);
        QTRY_VERIFY(w("pirate_monte")->isVisible());
        QVERIFY(!w("piece")->isVisible() && resultat()->isReadOnly());
        QCOMPARE(resultat()->text(), QStringLiteral("12"));
        QTRY_COMPARE(numero(), 2);
        QCOMPARE(Etat().NombreErreurs, 1);
        QCOMPARE(exo_->partie().ListeErreurs, QString::fromUtf8("\r\n3×4 2 erreurs"));
        QVERIFY(w("piece")->isVisible() && w("pirate_descend")->isVisible());

        // Enter while he climbs cuts the animation short: the question is lost at once.
        QTRY_VERIFY(w("pirate_monte")->isVisible());
        repond(QString());
        QCOMPARE(numero(), 3);
        QCOMPARE(Etat().NombreErreurs, 2);
        QVERIFY(!resultat()->isReadOnly());
    }

    // Every animation at its designed pace and step, ticked by hand (at 1024 × 768); every gap
    // is listed, so that one run names them all.
    void everyPieceKeepsItsDesignedPace() {
        Minuterie::accelere(1);
        QStringList ecarts;
        const auto attend = [&](const char* quoi, const auto& lu, const auto& voulu) {
            if (lu != voulu) ecarts << QString::fromLatin1(quoi);
        };
        // The pirate comes down 18 ms a second of answer time, round(729 / 50) = 15 pixels a tick
        // (the coin's bottom at 729), and climbs back at 100 ms.
        lance(3, true);
        attend("descent interval", intervalles(), QList<int>{54});
        const int y = w("pirate_descend")->y();
        tic();
        attend("descent step", w("pirate_descend")->y(), y + 15);
        ticsJusqua("pirate_monte");
        attend("climb interval", intervalles(), QList<int>{100});
        const int haut = w("pirate_monte")->y();
        tic();
        attend("climb step", w("pirate_monte")->y(), haut - 15);
        // The shark's bubble rises 50 ms a second of answer time; the answer bubble then drifts
        // 30 pixels every 500 ms.
        lance(3, false);
        attend("bubble interval", intervalles(), QList<int>{150});
        ticsJusqua("BulleExplose");
        attend("drift interval", intervalles(), QList<int>{500});
        const int x = w("Bulle2")->x();
        tic();
        attend("drift step", w("Bulle2")->x(), x + 30);
        // The seahorse comes 25 pixels right and down every 80 ms, then leaves 20 pixels left.
        lance();
        repond(QStringLiteral("12"));
        attend("arrival interval", intervalles(), QList<int>{80});
        const QPoint p = w("ramasse_piece1")->pos();
        tic();
        attend("arrival step", w("ramasse_piece1")->pos(), p + QPoint(25, 25));
        ticsJusqua("ramasse_piece2");
        attend("departure interval", intervalles(), QList<int>{80});
        const int depart = w("ramasse_piece2")->x();
        tic();
        attend("departure step", w("ramasse_piece2")->x(), depart - 20);
        QVERIFY2(ecarts.isEmpty(), qPrintable(ecarts.join(QStringLiteral(", "))));
    }

    void pirateStoppedByARightAnswer() {
        Minuterie::accelere(2);
        lance(5, true);
        repond(QStringLiteral("12"));
        QVERIFY(exo_->partie().RamassageEnCours);
        // Only the seahorse's timer runs: a tick of it leaves the pirate where he stopped.
        QCOMPARE(intervalles(), QList<int>{80});
        const int y = w("pirate_descend")->y();
        tic();
        QCOMPARE(w("pirate_descend")->y(), y);
        QTRY_COMPARE(numero(), 2);
        QCOMPARE(Etat().NombreErreurs, 0);
    }

    void sharkBubbleBursts() {
        Minuterie::accelere(10);
        lance(1, false);
        QVERIFY(w("Bulle1")->isVisible() && w("Bulle2")->isVisible() && w("RequinPanel")->isVisible());
        QVERIFY(!w("Signe")->isVisible() && !w("PoissonRes")->isVisible() && !w("SoutientBandeNum")->isVisible());
        QVERIFY(!w("Aide")->isVisible() && !w("AideGrisee")->isVisible() && !w("EnleverAide")->isVisible());
        QCOMPARE(texte("OpBulle1"), QString::fromUtf8("3 × 4"));
        auto* champ = w<QLineEdit>("ResultatBulle2");
        repond(champ, QStringLiteral("5"));
        QCOMPARE(Etat().NombreErreurs, 1);
        QVERIFY(w("Perdu")->isVisible());

        QTRY_VERIFY(w("BulleExplose")->isVisible());
        QVERIFY(!w("Bulle1")->isVisible() && champ->isReadOnly());
        QCOMPARE(texte("LabelRequin") + champ->text(), QString::fromUtf8("3 × 412"));
        QTRY_COMPARE(numero(), 2);
        QCOMPARE(Etat().NombreErreurs, 1);
        QCOMPARE(exo_->partie().ListeErreurs, QString::fromUtf8("\r\n3 × 4 2 erreurs"));
        QVERIFY(!w("BulleExplose")->isVisible() && w("Bulle1")->isVisible());

        // Enter while the answer bubble drifts away: lost at once.
        QTRY_VERIFY(w("BulleExplose")->isVisible());
        repond(champ, QString());
        QCOMPARE(numero(), 3);
        QCOMPARE(Etat().NombreErreurs, 2);
        QVERIFY(!w("BulleExplose")->isVisible());

        // A right first answer: "Bravo !" said by the fish, then the next question.
        repond(champ, QStringLiteral("12"));
        QCOMPARE(texte("Perdu"), QStringLiteral("Bravo\u00A0!"));
        QTRY_COMPARE(numero(), 4);
        QCOMPARE(Etat().NombreErreurs, 2);
    }

    void endOfTheExercise() {
        lance(0, false, 2);
        repond(QStringLiteral("1"));
        repond(QStringLiteral("12"));
        QCOMPARE(numero(), 2);
        QVERIFY(minuteries() > 0);
        const int numeroExercice = Etat().NumeroExercice;
        repond(QStringLiteral("12"));
        QTRY_VERIFY(!exo_->partie().RamassageEnCours);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(minuteries(), 0);
        // The sequence driver stamps the end and moves on; the anonymous pupil goes back to the chooser.
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$"))
                    .match(Etat().DateHeureFin)
                    .hasMatch());
        QCOMPARE(Etat().NumeroExercice, numeroExercice + 1);
        QVERIFY(!exo_->isVisible() && choix_.isVisible());
        // Nothing more happens on this screen.
        repond(QStringLiteral("12"));
        QCOMPARE(numero(), 2);
        QCOMPARE(Etat().NombreErreurs, 1);
    }

    void noQuestionsDoesNotDivideByZero() {
        lance(0, false, 0);
        repond(QStringLiteral("12"));
        QTRY_VERIFY(!exo_->partie().RamassageEnCours);
        QCOMPARE(numero(), 1);
    }

    // On any display the coin and the crab lie on the sand, bubbles stay round with their fields
    // inside, the shark stays under the statements, the burst bubble with the answer stays whole
    // on the screen for 2 s at least (four drifts of 500 ms), and the pirate is drawn only under the
    // statements.
    void everyDisplayKeepsTheDesign() {
        for (const QSize& ecran : {QSize(1920, 1080), QSize(1366, 768), QSize(1280, 1024), QSize(1024, 768)}) {
            Affichage::fixeTaille(ecran);
            TExo1 autre;
            TExo1* normal = exo_;
            exo_ = &autre;
            lance(1, false);
            if (ecran == QSize(1920, 1080)) {
                QCOMPARE(w("piece")->pos(), QPoint(180, 990));
                QCOMPARE(w("Crabe")->pos(), QPoint(30, 1029));
            }
            for (const char* nom : {"BulleResultatExo1", "Bulle1", "Bulle2"}) QCOMPARE(w(nom)->width(), w(nom)->height());
            QCOMPARE(w("RequinPanel")->width() * 172 / 255, w("RequinPanel")->height());
            QVERIFY(QRect(QPoint(), w("Bulle2")->size()).contains(w("ResultatBulle2")->geometry()));
            QVERIFY(w("RequinPanel")->y() >= w("Enonce2Exo1")->geometry().bottom());
            ticsJusqua("BulleExplose");
            const auto entiere = [&] { return w("Bulle2")->geometry().right() < ecran.width(); };
            QVERIFY(entiere());
            int derives = 0;
            do {
                tic();
                ++derives;
            } while (entiere() && derives < 100);
            QVERIFY2(derives >= 4, qPrintable(QStringLiteral("%1 à %2 px").arg(derives).arg(ecran.width())));

            lance(1, true);
            const int bas = w("Enonce2Exo1")->geometry().bottom();
            for (int i = 0; i < 100 && w("pirate_descend")->y() < bas; ++i) {
                const QWidget* pirate = w("pirate_descend");
                const QRegion dessine = (pirate->mask().isEmpty() ? QRegion(pirate->rect()) : pirate->mask())
                                            .intersected(pirate->rect())
                                            .translated(pirate->pos());
                QVERIFY(dessine.isEmpty() || dessine.boundingRect().top() > bas);
                tic();
            }
            exo_->hide();
            exo_ = normal;
        }
    }

    // The review plays on this screen: its instruction line names it, with the whale and the shark.
    void theReviewSaysItIsTheReview() {
        TRevision revision;
        const auto retour = qScopeGuard([this, normal = exo_] {
            exo_->hide();
            exo_ = normal;
            Messages::recueille();  // nothing due for the anonymous pupil: a kind word, then exercise 1
        });
        exo_ = &revision;
        for (int temps : {0, 6}) {
            lance(temps);
            const QString enonce = w<QLabel>("EnonceExo1")->text();
            QVERIFY2(enonce.startsWith(u("Révision\u00A0: ")), qPrintable(enonce));
        }
    }

    void theStatementThenEachQuestionAreReadAndEachAnswerIsHeard() {
        ecoute({true, true});
        QCOMPARE(entendu_, QStringList({QStringLiteral("dit Trouve le résultat. Tape ta réponse, puis entrée."),
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
        ecoute({true, false}, 3, true);
        ticsJusqua("pirate_monte");
        QCOMPARE(entendu_, QStringList{QStringLiteral("pirate (pièce partie)")});
        ecoute({true, false}, 3, false);
        ticsJusqua("BulleExplose");
        QCOMPARE(entendu_, QStringList{QStringLiteral("bulle (pièce là)")});
    }

    // The program's first start has no class file: quiet. Each switch works alone.
    void quietByDefaultAndEachSwitchAlone() {
        for (const Sons::Reglages r : {Sons::Reglages{false, false}, Sons::Reglages{true, false}, Sons::Reglages{false, true}}) {
            ecoute(r);
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

    void quitGoesBackToTheChooser() {
        Minuterie::accelere(10);
        lance(2, true);
        const int numeroExercice = Etat().NumeroExercice;
        QTest::mouseClick(w("QuitterExo1"), Qt::LeftButton);
        QVERIFY(!exo_->isVisible() && choix_.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(minuteries(), 0);
        QCOMPARE(Etat().NumeroExercice, numeroExercice);
        // Shown again later, the exercise starts afresh.
        lance();
        QCOMPARE(numero(), 1);
        QCOMPARE(minuteries(), 2);
    }
};

MARIVELLE_QTEST_MAIN(Exo1Test)
#include "exo1_qtest.moc"
