// Nothing covers what a child needs, in every state of the exercise screens, of the review, the
// starting test and the summary, at the four display sizes: the statements, the operation, the
// answer, the creatures, the coin and the seahorse taking it (Recouvrements.h), all whole on the
// screen, no text cut short; in the program's look and with each font at +50 % with more spacing.
// The number strip floats above the sand, apart from the counting turtles; the octopus
// keeps off the coral and the rock of the built-in sea.
#include "AmenagementsEssayes.h"
#include "Recouvrements.h"
#include "TestExercice.h"
#include "logique/base/Aleatoire.h"
#include "ecrans/exercices/Geometrie.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/exercices/TRevision.h"
#include "ecrans/exercices/TTestDepart.h"
#include "ecrans/commun/Apparence.h"
#include "logique/amenagements/AmenagementsEnCours.h"

#include <QMouseEvent>

class RienNeCouvreTest : public TestExercice<TExo1, Ecrans::Role::Exo1, 1> {
    Q_OBJECT

    using Etape = std::pair<const char*, std::function<void(QWidget*)>>;
    // What only passes by (a burst, the trail, the drifting signs, the creatures coming in) or
    // lies behind (the sea, the card's own, the strip's rows behind its numbers).
    inline static const QRegularExpression Necessaires{QStringLiteral(
        "^(?!ImageFond|Image1$|Image2$|coffre_devant|BandeNum\\d|Bulle\\d\\d$|bulle41|BulleExplose|PetiteBulle|paf|ramasse_piece1|"
        "pirate_descend)")};

    static QWidget* x(QWidget* ecran, const QString& nom) { return Pilote::controle<QWidget>(ecran, nom); }
    static void clic(QWidget* ecran, const QString& nom) { QTest::mouseClick(x(ecran, nom), Qt::LeftButton); }
    static void repond(QWidget* ecran, const QString& champ, int nombre) {
        QTest::keyClicks(x(ecran, champ), QString::number(nombre));
        QTest::keyClick(x(ecran, champ), Qt::Key_Return);
    }
    // The screen's timers ticked by hand until the control shows, or until none runs.
    static void tics(QWidget* ecran, const QString& nom = {}) {
        for (int i = 0; i < 500 && (nom.isEmpty() || !x(ecran, nom)->isVisible()); ++i) {
            const auto minuteries = ecran->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
            if (std::none_of(minuteries.begin(), minuteries.end(), [](QTimer* t) { return t->isActive(); })) break;
            for (QTimer* t : minuteries)
                if (t->isActive()) QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
        }
        QVERIFY2(nom.isEmpty() || x(ecran, nom)->isVisible(), qPrintable(nom));
    }
    static void montre(QWidget* ecran, const Reglage& r, int bande = 10, const std::function<void()>& plus = {}) {
        ecran->hide();
        regle(r);
        Etat().BandeNumerique = bande;
        Etat().TypeAide = 0;
        if (plus) plus();
        ecran->show();
    }

    // The built-in sea's drawing (1024 × 665) covering the screen, its sand along the bottom.
    static QRect surLeFond(const QSize& ecran, const QRect& dansLeDessin) {
        const double k = std::max(ecran.width() / 1024.0, ecran.height() / 665.0);
        const QPointF origine((ecran.width() - 1024 * k) / 2, ecran.height() - 665 * k);
        return QRectF(origine + QPointF(dansLeDessin.topLeft()) * k, QSizeF(dansLeDessin.size()) * k).toRect();
    }
    static void verifie(QWidget* ecran, const QString& etat, const QStringList& permis) {
        const QSize t = ecran->size();
        const QString ou = QStringLiteral("%1 à %2x%3 : ").arg(etat).arg(t.width()).arg(t.height());
        const QStringList couverts = couvertures(ecran, Necessaires, permis) + textesTronques(ecran);
        QVERIFY2(couverts.isEmpty(), qPrintable(ou + couverts.join(QStringLiteral(", "))));
        for (const char* nom : {"Aide", "EnleverAide", "AideGrisee", "aide_barrer"})
            if (auto* poulpe = ecran->findChild<QWidget*>(QLatin1String(nom)); poulpe && poulpe->isVisible())
                for (const QRect& fond : {QRect(168, 554, 63, 68), QRect(80, 568, 96, 50)})  // coral tubes, rock
                    QVERIFY2(!poulpe->geometry().intersects(surLeFond(t, fond)), qPrintable(ou + QLatin1String(nom)));
        // The seahorse takes the coin where it lies.
        if (auto* hippocampe = ecran->findChild<QWidget*>(QStringLiteral("ramasse_piece2"));
            hippocampe && hippocampe->isVisible()) {
            const QRect piece = x(ecran, u("piece"))->geometry();
            QVERIFY2(qAbs(hippocampe->geometry().center().x() - piece.center().x()) <= piece.width(), qPrintable(ou));
        }
        QWidget* bande = ecran->findChild<QWidget*>(QStringLiteral("SoutientBandeNum"));
        if (!bande || !bande->isVisible()) return;
        QVERIFY2(bande->geometry().bottom() < surLeFond(t, QRect(0, 590, 1, 1)).top(), qPrintable(ou + u("bande sur le sable")));
        for (QWidget* tortues : ecran->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^ConteneurAide.*Dessin$"))))
            if (tortues->isVisible())
                QVERIFY2(bande->y() - basDe(tortues) >= 12 * t.height() / 768, qPrintable(ou + tortues->objectName()));
    }
    // The steps played one after the other on a screen made for each display size and pupil's
    // look, each state checked.
    template <typename Ecran>
    void parcours(const QList<Etape>& etapes, const QStringList& permis = {}) {
        for (const auto& [look, amenagements, taille] : essaisAuxQuatreTailles()) {
            AmenagementsEnCours::installe(amenagements);
            Affichage::fixeTaille(taille);
            Ecran ecran;
            for (const auto& [etat, action] : etapes) {
                action(&ecran);
                verifie(&ecran, look + QString::fromUtf8(etat), permis);
                if (QTest::currentTestFailed()) return;
            }
            // The sea to the corners: no flat band of the screen's own colour.
            const QImage vue = ecran.grab().toImage();
            for (const QPoint& coin : {QPoint(1, 1), QPoint(vue.width() - 2, 1), QPoint(1, vue.height() - 2)})
                QVERIFY2(vue.pixelColor(coin) != Apparence::Mer,
                         qPrintable(QStringLiteral("%1x%2").arg(taille.width()).arg(taille.height())));
            ecran.hide();
        }
    }
    void avantChaqueTest() override {
        TestExercice::avantChaqueTest();
        QFile::remove(QStringLiteral("Images/FondMarin.jpg"));  // the built-in sea, as children see it
    }

private slots:
    void exercise1() {
        parcours<TExo1>({{"question, aide et bande",
                          [](QWidget* e) {
                              montre(e, {1, {3, 4, 4, 0}}, 9);
                              clic(e, u("Aide"));
                          }},
                         {"réponse fausse", [](QWidget* e) { repond(e, u("Resultat"), 5); }},
                         {"solution", [](QWidget* e) { clic(e, u("SolutionImage")); }},
                         {"bravo",
                          [](QWidget* e) {
                              repond(e, u("Resultat"), 7);
                              repond(e, u("Resultat"), 7);
                          }},
                         {"ramassage", [](QWidget* e) { tics(e, u("ramasse_piece2")); }},
                         {"pirate",
                          [](QWidget* e) {
                              montre(e, {1, {3, 4, 4, 0}, 10, 1, true}, 9);
                              tics(e, u("pirate_monte"));
                          }},
                         {"requin",
                          [](QWidget* e) {
                              montre(e, {1, {7, 8, 8, 2}, 10, 1, false});
                          }},
                         {"bulle éclatée", [](QWidget* e) { tics(e, u("BulleExplose")); }}},
                        {u("Perdu/Poisson")});
    }

    void exercise2() {
        const auto trou = [](QWidget* e) {
            return static_cast<TExo2*>(e)->trouAGauche() ? u("OpGaucheEdit") : u("OpDroiteEdit");
        };
        parcours<TExo2>({{"question, aide et bande",
                          [](QWidget* e) {
                              montre(e, {2, {3, 6, 6, 0}}, 9);
                              clic(e, u("Aide"));
                          }},
                         {"réponse fausse", [&](QWidget* e) { repond(e, trou(e), 1); }},
                         {"solution", [](QWidget* e) { clic(e, u("SolutionImage")); }},
                         {"requins",
                          [](QWidget* e) {
                              montre(e, {2, {7, 8, 8, 2}, 10, 1, false});
                          }},
                         {"bulles éclatées", [](QWidget* e) { tics(e, u("PanelSoutientBulle2")); }}},
                        {u("Perdu/Poisson")});
    }

    void exercise3() {
        const auto regle3 = [](QWidget* e, int temps, std::array<int, 4> table) {
            montre(e, {3, table, 10, temps, temps > 0}, 10, [] {
                Etat().ajouteEntree(4, 1, 10, 2);
                Etat().ajouteEntree(8, 1, 10, 2);
                Aleatoire::graine(7);
            });
        };
        const auto bulle = [](QWidget* e, bool intrus) {
            const int i = static_cast<TExo3*>(e)->question().PositionIntrus;
            return intrus ? i : i % 3 + 1;
        };
        parcours<TExo3>({{"question",
                          [&](QWidget* e) {
                              regle3(e, 0, {2, 1, 10, 2});
                          }},
                         {"bébé poisson",
                          [&](QWidget* e) {
                              const int k = bulle(e, true);
                              clic(e, QStringLiteral("BulleBleu%1").arg(k));
                              tics(e, QStringLiteral("bebepoisson%1").arg(k));
                          }},
                         {"ramassage", [](QWidget* e) { tics(e, u("ramasse_piece2")); }},
                         {"requin",
                          [&](QWidget* e) {
                              tics(e);
                              const int k = bulle(e, false);
                              clic(e, QStringLiteral("BulleBleu%1").arg(k));
                              tics(e, QStringLiteral("Requin%1").arg(k));
                          }},
                         {"pirate",
                          [&](QWidget* e) {
                              regle3(e, 10, {2, 1, 10, 2});
                              tics(e, u("pirate_monte"));
                          }},
                         {"impossible", [&](QWidget* e) {
                              regle3(e, 0, {2, 3, 3, 2});
                          }}});
    }

    void exercise4() {
        const auto regle4 = [](QWidget* e, int temps) {
            montre(e, {4, {3, 1, 10, 2}, 10, temps}, 10, [] {
                for (int n = 4; n <= 9; ++n) Etat().ajouteEntree(n, 1, 10, 2);
                Etat().OptionTableDansOrdre = false;
                Aleatoire::graine(7);
            });
        };
        // Two of the fish's bubbles and another one, or (juste) exactly the fish's.
        const auto choisit = [](QWidget* e, bool juste) {
            const auto& bonnes = static_cast<TExo4*>(e)->question().BonnesBulles;
            int prises = 0, autres = 0;
            for (int i = 1; i <= BullesExo4; ++i)
                if (bonnes[std::size_t(i - 1)] ? juste || prises++ < 2 : !juste && autres++ == 0)
                    clic(e, QStringLiteral("BulleBleu%1").arg(i));
        };
        parcours<TExo4>({{"bulles", [&](QWidget* e) { regle4(e, 0); }},
                         {"sélection et aide",
                          [&](QWidget* e) {
                              choisit(e, false);
                              clic(e, u("Aide"));
                          }},
                         {"perdu", [](QWidget* e) { clic(e, u("PoissonVal")); }},
                         {"solution", [](QWidget* e) { clic(e, u("voir_solution")); }},
                         {"bravo",
                          [&](QWidget* e) {
                              regle4(e, 0);
                              choisit(e, true);
                              clic(e, u("PoissonVal"));
                          }},
                         {"ramassage", [](QWidget* e) { tics(e, u("ramasse_piece2")); }},
                         {"pirate",
                          [&](QWidget* e) {
                              regle4(e, 10);
                              tics(e, u("pirate_monte"));
                          }},
                         {"impossible",
                          [](QWidget* e) {
                              montre(e, {4, {1, 0, 0, 0}});
                          }}},
                        // The blue bubble over the yellow one, the solution's pictures and marks over both.
                        {u("Applause/PanneauPoisson"), u("Bulle[A-Za-z]+\\d+/(Bulle[A-Za-z]+|PoissonBulle|MotSolution)\\d+")});
    }

    void startingTestAndReview() {
        parcours<TTestDepart>({{"question",
                                [](QWidget* e) {
                                    montre(e, {6, {1, 1, 10, 2}});
                                }},
                               {"réponse fausse", [](QWidget* e) {
                                    repond(e, u("Resultat"), static_cast<TTestDepart*>(e)->question().resultat + 1);
                                }}});
        parcours<TRevision>({{"question", [](QWidget* e) {
                                  montre(e, {5, {3, 4, 4, 2}});
                                  Messages::recueille();  // nothing due for the anonymous pupil: a kind word, then exercise 1
                              }}});
    }

    // The summary in its three feedback modes, as it opens and once the last coin has fallen.
    void summary() {
        for (int retroaction : {0, 1, 2})
            parcours<TForm1>({{"message",
                               [&](QWidget* e) {
                                   Etat().NombreDeQuestions = 10;
                                   Etat().NombreErreurs = 3;
                                   Etat().Retroaction = retroaction;
                                   e->show();
                               }},
                              {"pièces tombées",
                               [](QWidget* e) {
                                   QWidget* fond = x(e, u("Image1"));
                                   QMouseEvent bouge(QEvent::MouseMove, QPointF(10, 10), fond->mapToGlobal(QPointF(10, 10)),
                                                     Qt::NoButton, Qt::NoButton, {});
                                   QApplication::sendEvent(fond, &bouge);
                                   tics(e);
                                   QVERIFY(static_cast<TForm1*>(e)->animationFinie() && x(e, u("Kling"))->isVisible());
                               }}},
                             // The chest's front over the chest, the coins falling in.
                             {u("coffre/coffre_devant"), u("piece/coffre(_devant)?")});
    }
};

MARIVELLE_QTEST_MAIN(RienNeCouvreTest)
#include "rien_ne_couvre_qtest.moc"
