#include "AmenagementsEssayes.h"
#include "Pilote.h"
#include "Recouvrements.h"
#include "TestEcran.h"
#include "ecrans/session/CaseChoix.h"
#include "ecrans/session/EtapeChoix.h"
#include "ecrans/session/TChoixOperateur.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "logique/amenagements/AmenagementsEnCours.h"
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

    using E = ChoixOperateur::EtatEtape;

    std::unique_ptr<TChoixOperateur> choix;
    QWidget identification, exercices[4], revision;

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
    // The fish's line as shown: a no-break space before "!".
    static QString dit(const char* texte) {
        return QString::fromUtf8(texte).replace(QStringLiteral(" !"), QStringLiteral("\u00A0!"));
    }
    QList<E> etapes() {
        QList<E> etats;
        for (const char* nom : {"EtapeSigne", "EtapeExercice", "EtapeTemps"})
            etats << choix->findChild<EtapeChoix*>(QString::fromLatin1(nom))->etat();
        return etats;
    }
    // A key where the keyboard is: on a choice, or on the screen itself.
    void touche(Qt::Key cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
        QTest::keyClick(choix->focusWidget() ? choix->focusWidget() : choix.get(), cle, modificateurs);
    }
    QString clavierSur() { return choix->focusWidget() ? choix->focusWidget()->objectName() : QString(); }
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
        Ecrans::enregistre(Ecrans::Role::Revision, &revision, 5);
        Ecrans::enregistre(Ecrans::Role::ChoixOperateur, choix.get());
        choix->hide();
        InitialiseParametres(Etat());
        identification.hide();
        choix->show();
    }

private slots:
    // Shown with nothing chosen: step 1 lit, the others waiting (their pictures faded); the first
    // step not done is lit whatever the order of the choices, and the fish asks for it.
    void theStepsLightInTurnAndTheFishAsksForTheOneLit() {
        QVERIFY(Etat().TypeExercice == -1 && Etat().TempsDeReponse == -1 && !enfant("RequinGrise")->isVisible());
        QCOMPARE(etapes(), (QList<E>{E::EnCours, E::Attend, E::Attend}));
        const auto estompee = [this](const char* nom) {
            return choix->findChild<CaseChoix*>(QString::fromLatin1(nom))->estEstompee();
        };
        QVERIFY(estompee("ImageExo1Case") && estompee("BaleineCase") && !estompee("SigneBulleAdditionCase"));
        clique("Baleine");
        QCOMPARE(etapes(), (QList<E>{E::EnCours, E::Attend, E::Faite}));
        clique("PoissonJouer");
        QCOMPARE(parole(), dit("Tu n'as pas précisé un signe !"));
        clique("SigneBulleAddition");
        QCOMPARE(etapes(), (QList<E>{E::Faite, E::EnCours, E::Faite}));
        QVERIFY(!estompee("ImageExo1Case") && parole().isEmpty());
        clique("PoissonJouer");
        QCOMPARE(parole(), dit("Tu n'as pas précisé un exercice !"));
        clique("ImageExo2Nom");  // the name chooses like its picture
        QCOMPARE(Etat().TypeExercice, 2);
        QCOMPARE(etapes(), (QList<E>{E::Faite, E::Faite, E::Faite}));
        QCOMPARE(parole(), QString::fromUtf8("C'est parti\u00A0!"));
        QVERIFY(choix->isVisible());
    }

    // The review draws from the sign's tables and plays with the creature chosen, as exercise 1
    // does: its steps are the same three.
    void theReviewTakesASignAndATime() {
        clique("SigneBulleMultiplication");
        clique("ImageRevision");
        QCOMPARE(etapes(), (QList<E>{E::Faite, E::Faite, E::EnCours}));
        clique("PoissonJouer");
        QCOMPARE(parole(), dit("Tu n'as pas précisé si tu voulais un temps ou pas !"));
        clique("Requin");
        clique("PoissonJouer");
        QVERIFY(revision.isVisible() && !choix->isVisible());
        revision.hide();
        QCOMPARE(Etat().TypeExercice, 5);
        QCOMPARE(Etat().TempsDeReponse, 10);
    }

    // Tab from step to step, the arrows within one (round the row, past the greyed shark), Enter
    // or Space to choose, and on to the step lit; then the fish. A ring shows where the keys are.
    void aChildChoosesAndPlaysWithTheKeysAlone() {
        QCOMPARE(clavierSur(), QStringLiteral("ChoixOperateur"));  // no ring for a child using the mouse
        touche(Qt::Key_Tab);
        QCOMPARE(clavierSur(), QStringLiteral("SigneBulleAdditionCase"));
        touche(Qt::Key_Left);
        touche(Qt::Key_Up);
        QCOMPARE(clavierSur(), QStringLiteral("SigneBulleMultiplicationCase"));
        auto* ici = choix->findChild<CaseChoix*>(clavierSur());
        const int t = ici->epaisseurAnneau();
        QCOMPARE(QColor(ici->grab().toImage().pixel(t, ici->height() / 2)), Apparence::Marine);
        touche(Qt::Key_Return);
        QVERIFY(choix->signeChoisi() && Etat().Tables[5] == 2);
        QCOMPARE(clavierSur(), QStringLiteral("ImageExo1Case"));
        touche(Qt::Key_Tab);
        QCOMPARE(clavierSur(), QStringLiteral("RequinCase"));
        touche(Qt::Key_Tab, Qt::ShiftModifier);
        touche(Qt::Key_Down);
        touche(Qt::Key_Right);
        touche(Qt::Key_Space);
        QCOMPARE(Etat().TypeExercice, 3);
        QCOMPARE(clavierSur(), QStringLiteral("PirateCase"));
        touche(Qt::Key_Right);
        touche(Qt::Key_Right);
        QCOMPARE(clavierSur(), QStringLiteral("PirateCase"));
        touche(Qt::Key_Enter);
        QCOMPARE(clavierSur(), QStringLiteral("PoissonJouerCase"));
        touche(Qt::Key_Return);
        QVERIFY(exercices[2].isVisible() && !choix->isVisible());
        exercices[2].hide();
        QVERIFY(Etat().TempsDeReponse == 10 && Etat().AvecPirate);
    }

    // Every choice, step, picture and text that means something has a French name for a screen
    // reader.
    void everyControlAndPictureHasAFrenchName() {
        QStringList sansNom;
        for (QWidget* w : choix->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && w->objectName() != QLatin1String("ImageFond") && w->accessibleName().isEmpty())
                sansNom << w->objectName();
        QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(QStringLiteral(", "))));
        QCOMPARE(enfant("BaleineCase")->accessibleName(), QString::fromUtf8("Baleine\u00A0: pas de temps"));
        QCOMPARE(enfant("EtapeTemps")->accessibleName(), QString::fromUtf8("Étape 3\u00A0: choisis le temps"));
    }

    // At every display size, in every pupil's look: the sea under the whole window, nothing cut by
    // its parent or laid over another, every text whole, the quit picture away from the edges.
    void theSceneFillsEveryDisplayAndNothingIsCutOrCovered() {
        for (const auto& [look, amenagements, taille] : essaisAuxQuatreTailles()) {
            AmenagementsEnCours::installe(amenagements);
            const QString ici = look + QStringLiteral("%1x%2").arg(taille.width()).arg(taille.height());
            Affichage::fixeTaille(taille);
            TChoixOperateur ecran;
            ecran.show();
            // The fish's longest line, with a sign and a game chosen.
            for (const char* nom : {"SigneBulleDivision", "ImageExo4", "PoissonJouer"})
                QTest::mouseClick(ecran.findChild<QWidget*>(QString::fromLatin1(nom)), Qt::LeftButton);
            QVERIFY(ecran.findChild<QWidget*>(QStringLiteral("Parole"))->isVisible());
            QCOMPARE(ecran.size(), taille);
            QStringList defauts = recouvrements(&ecran).filter(QRegularExpression(QStringLiteral("^(?!ImageFond)")));
            for (QWidget* w : ecran.findChildren<QWidget*>())
                if (!w->objectName().isEmpty() && w->isVisibleTo(&ecran) && !w->parentWidget()->rect().contains(w->geometry()))
                    defauts << w->objectName() + QStringLiteral(" coupé");
            defauts << textesTronques(&ecran);
            QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join(QStringLiteral(", ")) + QStringLiteral(" à ") + ici));
            const QWidget* hublot = ecran.findChild<QWidget*>(QStringLiteral("QuitterChoixOperateur"));
            QVERIFY2(ecran.rect().adjusted(8, 8, -8, -8).contains(QRect(hublot->mapTo(&ecran, QPoint()), hublot->size())),
                     qPrintable(ici));
            // No pixel of the window's plain colour along its four edges.
            const QImage vue = ecran.grab().toImage();
            for (int x = 0; x < vue.width(); x += 5)
                for (int y : {0, vue.height() - 1}) QVERIFY2(QColor(vue.pixel(x, y)) != Apparence::Mer, qPrintable(ici));
            for (int y = 0; y < vue.height(); y += 5)
                for (int x : {0, vue.width() - 1}) QVERIFY2(QColor(vue.pixel(x, y)) != Apparence::Mer, qPrintable(ici));
        }
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
        const QWidget* requin = enfant("RequinSelectionne");
        QCOMPARE(choix->childAt(requin->mapTo(choix.get(), requin->rect().center())), grise);
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
