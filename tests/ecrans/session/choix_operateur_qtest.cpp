#include "Pilote.h"
#include "TestEcran.h"
#include "ecrans/session/TChoixOperateur.h"
#include "ecrans/commun/Affichage.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <QLabel>
#include <memory>

class ChoixOperateurTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<TChoixOperateur> choix;
    QWidget identification, exercices[4];

    QWidget* enfant(const char* nom) { return choix->findChild<QWidget*>(QString::fromLatin1(nom)); }
    void clique(const char* nom) {
        QWidget* w = enfant(nom);
        QVERIFY2(w && w->isVisible(), nom);
        QTest::mouseClick(w, Qt::LeftButton);
    }
    QString parole() {
        auto* p = qobject_cast<QLabel*>(enfant("Parole"));
        return p->isVisible() ? p->text() : QString();
    }
    bool surligne(const char* nom) {
        return enfant((QByteArray(nom) + "Selectionne").constData())->isVisible() && !enfant(nom)->isVisible();
    }

protected:
    void avantChaqueTest() override {
        Affichage::fixeTaille(QSize(1024, 768));
        // The working folder of the test has no background picture: its absence is only reported.
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        if (!choix) {
            Polices::installe();
            choix = std::make_unique<TChoixOperateur>();
        }
        Ecrans::enregistre(Ecrans::Role::SaisieIdentifiant, &identification);
        const Ecrans::Role roles[4] = {Ecrans::Role::Exo1, Ecrans::Role::Exo2, Ecrans::Role::Exo3, Ecrans::Role::Exo4};
        for (int i = 0; i < 4; ++i) Ecrans::enregistre(roles[i], &exercices[i], i + 1);
        Ecrans::enregistre(Ecrans::Role::ChoixOperateur, choix.get());
        choix->hide();
        InitialiseParametres(Etat());
        identification.hide();
        choix->show();
    }

private slots:
    // Shown with nothing chosen; the fish asks for what is missing.
    void theFishAsksForWhatIsMissing() {
        QVERIFY(Etat().TypeExercice == -1 && Etat().TempsDeReponse == -1 && !enfant("RequinGrise")->isVisible());
        clique("PoissonJouer");
        QCOMPARE(parole(), QString::fromUtf8("Tu n'as pas précisé un exercice !"));
        clique("ImageExo2");
        clique("PoissonJouer");
        QCOMPARE(parole(), QString::fromUtf8("Tu n'as pas précisé un signe !"));
        clique("SigneBulleAddition");
        clique("PoissonJouer");
        QCOMPARE(parole(), QString::fromUtf8("Tu n'as pas précisé si tu voulais un temps ou pas !"));
        QVERIFY(choix->isVisible());
    }

    void creaturesSetTheTimingAndOnlyOneIsHighlighted() {
        clique("Baleine");
        QCOMPARE(Etat().TempsDeReponse, 0);
        QCOMPARE(Etat().AvecPirate, false);
        QVERIFY(surligne("Baleine"));
        clique("Requin");
        QCOMPARE(Etat().TempsDeReponse, 10);
        QCOMPARE(Etat().AvecPirate, false);
        QVERIFY(surligne("Requin") && !surligne("Baleine"));
        clique("RequinSelectionne");  // the twin acts like the picture
        QVERIFY(surligne("Requin"));
        clique("Pirate");
        QCOMPARE(Etat().TempsDeReponse, 10);
        QCOMPARE(Etat().AvecPirate, true);
        QVERIFY(surligne("Pirate") && !surligne("Requin"));
        QVERIFY(choix->tempsChoisi());
    }

    void exercisesThreeAndFourGreyTheShark() {
        clique("Requin");
        clique("ImageExo3");
        QCOMPARE(Etat().TypeExercice, 3);
        QVERIFY(surligne("ImageExo3"));
        QWidget* grise = enfant("RequinGrise");
        QVERIFY(grise->isVisible());
        // It lies over the shark, so a click there no longer reaches the shark.
        QCOMPARE(choix->childAt(enfant("RequinSelectionne")->geometry().center()), grise);
        QCOMPARE(Etat().TempsDeReponse, 10);
        clique("ImageExo1");
        QVERIFY(!grise->isVisible());
        QVERIFY(surligne("ImageExo1") && !surligne("ImageExo3"));
        QCOMPARE(Etat().TypeExercice, 1);
    }

    void signsChangeEveryEntryOrGiveTheTenTables() {
        // A sequence ended with free practice on the complements to 20 and the table of 6: the
        // sign changes their operation only.
        const auto tables = [](int debut, int fin) {
            return QList<int>(Etat().Tables.begin() + debut, Etat().Tables.begin() + fin);
        };
        Etat().ajouteEntree(SharedState::Complement, 20, SharedState::Complement, 0);
        Etat().ajouteEntree(6, 1, 10, 2);
        clique("SigneBulleSoustraction");
        QCOMPARE(Etat().DernierIndiceTables, 9);
        QCOMPARE(tables(2, 14), (QList<int>{-9999, 20, -9999, 1, 6, 1, 10, 1, -1, -1, -1, -1}));
        QVERIFY(surligne("SigneBulleSoustraction"));

        // A pupil without any table entry: the tables 1 to 10 on [1..10], with the sign's operation.
        InitialiseParametres(Etat());
        clique("SigneBulleMultiplication");
        QCOMPARE(Etat().DernierIndiceTables, 41);
        for (int j = 0; j < 10; ++j) QCOMPARE(tables(2 + 4 * j, 6 + 4 * j), (QList<int>{j + 1, 1, 10, 2}));
        QVERIFY(surligne("SigneBulleMultiplication") && !surligne("SigneBulleSoustraction"));
        QVERIFY(choix->signeChoisi());
    }

    void playingPreparesAFreeExercise() {
        SharedState& e = Etat();
        e.TypeAide = 2;
        e.BandeNumerique = 3;
        e.CasDoublesCarres = e.CasSuccesseurs = e.OptionTableDansOrdre = true;
        e.OptionGrandeOperandeAGauche = e.OptionNombresRelatifs = true;
        clique("PoissonJouer");
        clique("ImageExo4");
        clique("SigneBulleDivision");
        clique("Baleine");
        Horloge::fixe(QDateTime(QDate(2026, 12, 7), QTime(16, 30)));
        clique("PoissonJouer");
        QVERIFY(!choix->isVisible());
        QVERIFY(!enfant("Parole")->isVisible());
        QVERIFY(exercices[3].isVisible());
        exercices[3].hide();
        QCOMPARE(e.DateHeureDebut, QStringLiteral("07/12/2026 16:30:00"));
        QCOMPARE(e.TypeExercice, 4);
        QCOMPARE(e.TypeAide, 0);
        QCOMPARE(e.BandeNumerique, 10);
        QVERIFY(!e.CasDoublesCarres && !e.CasSuccesseurs && !e.OptionTableDansOrdre);
        QVERIFY(!e.OptionGrandeOperandeAGauche && !e.OptionNombresRelatifs);

        QCOMPARE(e.TempsDeReponse, 0);
        QCOMPARE(e.Tables[5], 3);

        // A new showing starts from nothing chosen.
        choix->show();
        QCOMPARE(e.TypeExercice, -1);
        QVERIFY(!choix->signeChoisi() && !choix->tempsChoisi());
        QVERIFY(!enfant("Parole")->isVisible());
        QVERIFY(enfant("ImageExo4")->isVisible() && !enfant("ImageExo4Selectionne")->isVisible());
    }

    // Quitting stamps the disconnection (its line is profil_test.cpp's, written on the journeys),
    // which forgets the pupil's folder.
    void quittingStampsTheDisconnectionAndGoesBackToIdentification() {
        Etat().RepertoireClasse = QStringLiteral("classe de M. Roux/");
        clique("QuitterChoixOperateur");
        QVERIFY(Etat().RepertoireClasse.isEmpty());
        QVERIFY(!choix->isVisible() && identification.isVisible());
    }

    void aClickQueuedBehindTheFishNeverLeavesTheStartedExercise() {
        clique("ImageExo1");
        clique("SigneBulleAddition");
        clique("Pirate");
        // Both clicks wait in the queue before the first is handled, as on a busy machine.
        Pilote::posteClic(enfant("PoissonJouer"));
        Pilote::posteClic(enfant("QuitterChoixOperateur"));
        QCoreApplication::processEvents();
        QVERIFY(exercices[0].isVisible());
        QVERIFY(!identification.isVisible());
        QVERIFY(!choix->isVisible());
        // The chooser's picture covered the passage, and goes once the exercise is shown.
        auto couverture = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("Passage") && w->isVisible()) return true;
            return false;
        };
        QVERIFY(couverture());
        QTRY_VERIFY(!couverture());
        exercices[0].hide();
    }
};

MARIVELLE_QTEST_MAIN(ChoixOperateurTest)
#include "choix_operateur_qtest.moc"
