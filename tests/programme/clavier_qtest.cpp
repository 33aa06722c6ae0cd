// A whole session with the keyboard alone, as a child who cannot use a mouse plays it: every key
// goes to the control that has the keyboard (QApplication::focusWidget), never a click. The
// identification screen, the chooser, exercises 1 to 4 with their summaries, back to the start.
#include "DossierTemporaire.h"
#include "EnregistreurSons.h"
#include "TestEcran.h"
#include "programme/Demarrage.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/AnneauClavier.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/Registre.h"

#include <QComboBox>
#include <QListWidget>
#include <QTimer>
#include <memory>

// A step of the helpers below: a failure in it ends the test function.
#define ETAPE(appel)                            \
    do {                                        \
        appel;                                  \
        if (QTest::currentTestFailed()) return; \
    } while (false)

class ClavierTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier;
    QTimer fermeBilan;
    int bilans = 0;
    QStringList entendu;

    static QWidget* ecran(Ecrans::Role r) { return Ecrans::ecran(r); }
    static QString surQui() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    // A key on the control that has the keyboard.
    static void touche(int cle, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QWidget* ici = QApplication::focusWidget();
        QVERIFY2(ici, "personne n'a le clavier");
        QTest::keyClick(ici, Qt::Key(cle), mod);
    }
    static void tape(int nombre) {
        for (const QChar c : QString::number(nombre)) touche(Qt::Key_0 + c.digitValue());
        touche(Qt::Key_Return);
    }
    // The key pressed until the control named `nom` has the keyboard.
    static bool jusqua(int cle, const QString& nom) {
        for (int n = 0; n < 12 && surQui() != nom; ++n) QTest::keyClick(QApplication::focusWidget(), Qt::Key(cle));
        return surQui() == nom;
    }
    // From the bubble with the keyboard to the bubble `numero`, by the arrow pointing to it
    // (either of the two pictures of an exercise 4 bubble).
    static bool versLaBulle(int numero) {
        const QStringList noms{QStringLiteral("BulleBleu%1").arg(numero), QStringLiteral("BulleJaune%1").arg(numero)};
        for (int n = 0; n < 12 && !noms.contains(surQui()); ++n) {
            QWidget* ici = QApplication::focusWidget();
            const auto centre = [](QWidget* w) { return w->mapTo(w->window(), w->rect().center()); };
            const QPoint d = centre(ici->window()->findChild<QWidget*>(noms[0])) - centre(ici);
            QTest::keyClick(ici, std::abs(d.x()) > std::abs(d.y()) ? (d.x() > 0 ? Qt::Key_Right : Qt::Key_Left)
                                                                   : (d.y() > 0 ? Qt::Key_Down : Qt::Key_Up));
        }
        return noms.contains(surQui());
    }
    // The chooser: addition, the exercise of the row at `type`, the whale (no time), the fish.
    void choisit(int type) {
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isActiveWindow());
        touche(Qt::Key_Tab);
        QCOMPARE(surQui(), QStringLiteral("SigneBulleAdditionCase"));
        touche(Qt::Key_Return);
        QVERIFY(jusqua(Qt::Key_Right, QStringLiteral("ImageExo%1Case").arg(type)));
        touche(Qt::Key_Space);
        QVERIFY(jusqua(Qt::Key_Right, QStringLiteral("BaleineCase")));
        touche(Qt::Key_Return);
        QCOMPARE(surQui(), QStringLiteral("PoissonJouerCase"));
        touche(Qt::Key_Return);
    }
    // Plays each question of the screen of `role` right with `repond`, until its summary is closed.
    template <typename Ecran, typename Reponse>
    void joue(Ecrans::Role role, Reponse repond) {
        auto* exo = static_cast<Ecran*>(ecran(role));
        QTRY_VERIFY(exo->isActiveWindow() && QApplication::focusWidget());
        const int avant = bilans;
        for (int q = 1; bilans == avant; ++q) {
            QCOMPARE(exo->partie().NumeroQuestion, q);
            ETAPE(repond(exo));
            QTRY_VERIFY(bilans > avant || exo->partie().NumeroQuestion == q + 1);
        }
    }

public:
    bool estUnParcours() const override { return true; }

protected:
    void avantChaqueTest() override {
        Affichage::fixeTaille(QSize(1024, 768));
        Minuterie::accelere(500);
        Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu));
        // No starting test taken: the exercises chosen are played.
        Messages::installeRepondeur([](Messages::Genre g, const QString&) { return g != Messages::Genre::Confirmation; });
    }

private slots:
    void initTestCase() {
        dossier = std::make_unique<DossierTemporaire>();
        Polices::installe();
        avantChaqueTest();
        // The summary waits for Enter on whatever has its keyboard.
        connect(&fermeBilan, &QTimer::timeout, this, [this] {
            QWidget* bilan = QApplication::activeModalWidget();
            QWidget* ici = QApplication::focusWidget();
            if (bilan && bilan->objectName() == "Form1" && ici && ici->window() == bilan) {
                ++bilans;
                QTest::keyClick(ici, Qt::Key_Return);
            }
        });
        fermeBilan.start(5);
        Demarrage::creeLesEcrans();
        Registre::EnregistreEnseignant(Etat(), QStringLiteral("Martin"), {1});
        Registre::EnregistreEleve(Etat(), QStringLiteral("Léa"), QStringLiteral("Martin"), QStringLiteral("ce1"));
        Demarrage::montreFenetrePrincipale();
        QVERIFY(QTest::qWaitForWindowExposed(ecran(Ecrans::Role::SaisieIdentifiant), BorneAttenteMs));
    }

    // The teacher by the arrows, Tab to the pupils, the arrows to Léa, Tab to "Jouer", Enter.
    void laConnexion() {
        QTRY_COMPARE(surQui(), QStringLiteral("cb_nom_ens"));
        auto* enseignants = static_cast<QComboBox*>(QApplication::focusWidget());
        for (int n = 0; n < 3 && enseignants->currentText() != "Martin"; ++n) touche(Qt::Key_Down);
        touche(Qt::Key_Tab);
        QCOMPARE(surQui(), QStringLiteral("lb_nom_eleve"));
        auto* eleves = static_cast<QListWidget*>(QApplication::focusWidget());
        for (int n = 0; n < 3 && eleves->selectedItems().value(0) == nullptr; ++n) touche(Qt::Key_Down);
        while (!eleves->selectedItems().value(0)->text().startsWith(QStringLiteral("Léa"))) touche(Qt::Key_Down);
        touche(Qt::Key_Tab);
        QCOMPARE(surQui(), QStringLiteral("Jouer"));
        touche(Qt::Key_Return);
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
    }

    void lesExercices1Et2() {
        ETAPE(choisit(1));
        ETAPE(joue<TExo1>(Ecrans::Role::Exo1, [](TExo1* e) { tape(e->question().resultat); }));
        ETAPE(choisit(2));
        ETAPE(joue<TExo2>(Ecrans::Role::Exo2,
                          [](TExo2* e) { tape(e->trouAGauche() ? e->question().gauche : e->question().droite); }));
    }

    // The arrows to the intruder, Space bursts it; the ring where the keys are.
    void lExercice3() {
        ETAPE(choisit(3));
        joue<TExo3>(Ecrans::Role::Exo3, [](TExo3* e) {
            QVERIFY(!e->intrusImpossible());
            QVERIFY(versLaBulle(e->question().PositionIntrus));
            QWidget* bulle = QApplication::focusWidget();
            const int t = AnneauClavier::epaisseur(1.0);
            QCOMPARE(QColor(bulle->grab().toImage().pixel(t, bulle->height() / 2)), Apparence::Marine);
            touche(Qt::Key_Space);
        });
    }

    // The arrows to each bubble of the fish, Space chooses it, Tab to the fish, Enter validates.
    void lExercice4() {
        ETAPE(choisit(4));
        joue<TExo4>(Ecrans::Role::Exo4, [](TExo4* e) {
            // Space chooses the first bubble, leaves it, chooses it again.
            QVERIFY(versLaBulle(1));
            for (int n = 0; n < 3; ++n) touche(Qt::Key_Space);
            QVERIFY(e->selection()[0]);
            if (!e->question().BonnesBulles[0]) touche(Qt::Key_Space);
            for (int i = 1; i < 10; ++i) {
                if (!e->question().BonnesBulles[static_cast<std::size_t>(i)]) continue;
                QVERIFY(versLaBulle(i + 1));
                touche(Qt::Key_Space);
            }
            QCOMPARE(e->selection(), e->question().BonnesBulles);
            QVERIFY(jusqua(Qt::Key_Tab, QStringLiteral("PoissonVal")));
            touche(Qt::Key_Return);
        });
        QCOMPARE(bilans, 4);
    }

    // Back to the start: Shift+Tab from the first step reaches the quit picture, Enter.
    void leRetour() {
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isActiveWindow());
        touche(Qt::Key_Tab);
        touche(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(surQui(), QStringLiteral("QuitterChoixOperateurCase"));
        touche(Qt::Key_Return);
        QTRY_VERIFY(ecran(Ecrans::Role::SaisieIdentifiant)->isVisible());
    }
};

MARIVELLE_QTEST_MAIN(ClavierTest)
#include "clavier_qtest.moc"
