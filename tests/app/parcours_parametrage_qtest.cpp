// A teacher's whole road through the real program (registering is parcours_qtest.cpp's): two
// exercises defined on the settings screen, assigned to a pupil, saved; then the pupil plays and
// gets the first of those exercises with the teacher's settings.
#include "DossierTemporaire.h"
#include "Pilote.h"
#include "TestEcran.h"
#include "app/Demarrage.h"
#include "interface/Affichage.h"
#include "base/Messages.h"
#include "base/Minuterie.h"
#include "interface/Polices.h"
#include "interface/Ecrans.h"
#include "state/SharedState.h"
#include "identity/Registre.h"

#include <memory>

class ParcoursParametrageTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier;

    QWidget* identification() { return Ecrans::ecran(Ecrans::Role::SaisieIdentifiant); }
    QWidget* parametrage() { return Ecrans::ecran(Ecrans::Role::Parametrage); }
    template <typename T = QWidget>
    T* i(const char* nom) { return Pilote::controle<T>(identification(), QString::fromLatin1(nom)); }
    template <typename T = QWidget>
    T* p(const char* nom) { return Pilote::controle<T>(parametrage(), QString::fromLatin1(nom)); }
    void cliqueP(const char* nom) { Pilote::coche(p<QAbstractButton>(nom)); }

public:
    bool estUnParcours() const override { return true; }

protected:
    void avantChaqueTest() override {
        Affichage::fixeTaille(QSize(1024, 768));
        Minuterie::accelere(500);
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        Ecrans::remplaceFin([] {});
    }

private slots:
    void initTestCase() {
        dossier = std::make_unique<DossierTemporaire>();
        Polices::installe();
        avantChaqueTest();
        Registre::EnregistreEnseignant(Etat(), "Martin", {1});
        Registre::EnregistreEleve(Etat(), u("Léa"), "Martin", "ce1");
        Demarrage::creeLesEcrans();
        Demarrage::montreFenetrePrincipale();
        QVERIFY(QTest::qWaitForWindowExposed(identification(), BorneAttenteMs));
    }

    void unEnseignantParametreEtSonEleveJoue() {
        // "Paramétrer" for Martin.
        QVERIFY(Pilote::clique(i<QListWidget>("lb_nom_ens_param"), "Martin"));
        Pilote::coche(i<QPushButton>("Parametre"));
        QTRY_VERIFY(parametrage()->isVisible());
        QVERIFY(!identification()->isVisible());
        QCOMPARE(Pilote::textes(p<QListWidget>("Eleve")), (QStringList{u("Paramétrage par défaut"), u("Léa en classe de ce1")}));
        Messages::recueille();

        // Exercise 1: the table of 7, the pirate in 12 seconds, 3 questions, help with drawings.
        cliqueP("Type1");
        cliqueP("Operation2");
        cliqueP("TablePrecise");
        QVERIFY(Pilote::clique(p<QListWidget>("ListeTable1"), "7"));
        QTest::keyClick(p<QListWidget>("ListeTable1"), Qt::Key_Space);
        cliqueP("Ajouter_Button1");
        cliqueP("Temps_RadioButton2");
        Pilote::regle(p<QSpinBox>("Temps_SpinEdit1"), 12);
        Pilote::regle(p<QSpinBox>("NbreQuestion"), 3);
        cliqueP("Aide1");
        cliqueP("Enregistrer");
        // Exercise 2: the missing operand on the same table, no time.
        cliqueP("Type2");
        cliqueP("Temps_RadioButton1");
        cliqueP("Enregistrer");
        QCOMPARE(Pilote::textes(p<QListWidget>("ListeSequence")),
                 (QStringList{"Exercice 1=>(x) table de 7 sur [1..10], ", "Exercice 2=>(x) table de 7 sur [1..10], "}));

        cliqueP("Associe");
        QCOMPARE(Messages::recueille(), QStringList{"Tout est ok"});
        cliqueP("EnregistrerQuitter");
        QTRY_VERIFY(identification()->isVisible());
        QVERIFY(!parametrage()->isVisible());

        // The pupil plays: the first exercise with the teacher's settings.
        QVERIFY(Pilote::choisit(i<QComboBox>("cb_nom_ens"), "Martin"));
        QVERIFY(Pilote::clique(i<QListWidget>("lb_nom_eleve"), u("Léa en classe de ce1")));
        Pilote::coche(i<QPushButton>("Jouer"));
        QWidget* exo1 = Ecrans::ecran(Ecrans::Role::Exo1);
        QTRY_VERIFY(exo1->isVisible());
        const SharedState& e = Etat();
        QCOMPARE(e.NumeroExercice, 1);
        QCOMPARE(e.TypeExercice, 1);
        QCOMPARE((QList<int>{e.Tables[2], e.Tables[3], e.Tables[4], e.Tables[5]}), (QList<int>{7, 1, 10, 2}));
        QCOMPARE(e.DernierIndiceTables, 5);
        QVERIFY(e.AvecPirate);
        QCOMPARE(e.TempsDeReponse, 12);
        QCOMPARE(e.NombreDeQuestions, 3);
        QCOMPARE(e.TypeAide, 0);
        QVERIFY(e.SauvegardeTexte && !e.SauvegardeBase && !e.SauvegardeTableur);
        QVERIFY(Messages::recueille().isEmpty());

        // Back to the identification screen through the quit pictures.
        QTest::mouseClick(Pilote::controle(exo1, "QuitterExo1"), Qt::LeftButton);
        QWidget* choix = Ecrans::ecran(Ecrans::Role::ChoixOperateur);
        QTRY_VERIFY(choix->isVisible());
        QTest::mouseClick(Pilote::controle(choix, "QuitterChoixOperateur"), Qt::LeftButton);
        QTRY_VERIFY(identification()->isVisible());
    }
};

MARIVELLE_QTEST_MAIN(ParcoursParametrageTest)
#include "parcours_parametrage_qtest.moc"
