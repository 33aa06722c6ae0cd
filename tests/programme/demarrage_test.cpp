#include "DossierTemporaire.h"
#include "programme/Demarrage.h"
#include "programme/TAccueil.h"
#include "logique/base/Messages.h"
#include "logique/journal/Journal.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

TEST(Demarrage, FirstStartWritesTheTeacherListAndLaterStartsKeepIt) {
    DossierTemporaire dossier;
    { TAccueil accueil; }
    EXPECT_EQ(octetsDe("enseignant.txt"),
              QByteArray("-------------Fichier contenant le nom des enseignants----------\r\naucun\r\n"));
    EXPECT_EQ(Etat().DernierIndiceTables, 1);
    EXPECT_EQ(Etat().TypeExercice, 0);
    EXPECT_TRUE(Etat().RepertoireProgramme.endsWith('/'));

    ecritOctets("enseignant.txt", "n'importe quoi\n\xFF");
    { TAccueil accueil; }
    EXPECT_EQ(octetsDe("enseignant.txt"), QByteArray("n'importe quoi\n\xFF"));
}

// The main window and the start-up screen are created at once, the others when asked for, always
// in their order; then one borderless, hidden screen of the right name for each role.
TEST(Demarrage, EveryRoleHasItsBorderlessScreenCreatedInOrder) {
    DossierTemporaire dossier;
    const auto crees = [] {
        QStringList noms;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (!w->objectName().isEmpty()) noms << w->objectName();
        noms.sort();
        return noms;
    };
    Demarrage::creeLesEcrans();
    EXPECT_EQ(crees(), QStringList({"Accueil", "SaisieIdentifiant"}));
    using R = Ecrans::Role;
    ASSERT_NE(Ecrans::exercice(3), nullptr);
    EXPECT_EQ(crees(), QStringList({"Accueil", "ChoixOperateur", "Exo1", "Exo3", "Parametrage", "SaisieIdentifiant"}));
    const std::pair<R, const char*> attendus[] = {{R::SaisieIdentifiant, "SaisieIdentifiant"},
                                                  {R::Accueil, "Accueil"},
                                                  {R::ChoixOperateur, "ChoixOperateur"},
                                                  {R::Exo1, "Exo1"},
                                                  {R::Parametrage, "Parametrage"},
                                                  {R::Exo3, "Exo3"},
                                                  {R::Exo2, "Exo2"},
                                                  {R::Exo4, "Exo4"},
                                                  {R::Form1, "Form1"},
                                                  {R::Revision, "Revision"},
                                                  {R::TestDepart, "TestDepart"}};
    for (const auto& [role, nom] : attendus) {
        QWidget* e = Ecrans::ecran(role);
        ASSERT_NE(e, nullptr) << nom;
        EXPECT_EQ(e->objectName(), nom);
        EXPECT_TRUE((e->windowFlags() & Qt::FramelessWindowHint) && !e->isVisible()) << nom;
    }
    EXPECT_EQ(Ecrans::ecran(R::SaisieIdentifiant)->windowTitle(), "Marivelle");
    EXPECT_EQ(Ecrans::ecran(R::ChoixOperateur)->windowTitle(), QString::fromUtf8("Choix de l'opérateur"));
    // The program's screens live until it ends: this test's go with it.
    QList<QPointer<QWidget>> ecrans;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->objectName().isEmpty()) ecrans << w;
    for (const QPointer<QWidget>& w : ecrans) delete w.data();
}

// "marivelle.ini" at start-up: a key that cannot be used is told and everything stays local; a
// usable [serveur] section sends the results and the journal to the server.
TEST(Demarrage, TheServerOfMarivelleIniIsUsedOnlyWhenItsSettingsAreSound) {
    DossierTemporaire dossier;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    Demarrage::connecteServeur();
    EXPECT_FALSE(Journal::surServeur());
    ecritOctets("marivelle.ini", "[serveur]\nhote = ecole.lan\nbase = marivelle\nutilisateur = marivelle\ntls = oui\n");
    Demarrage::connecteServeur();
    EXPECT_FALSE(Journal::surServeur());
    const QStringList vus = Messages::recueille();
    ASSERT_EQ(vus.size(), 1);
    EXPECT_TRUE(vus[0].contains(QString::fromUtf8("la clé « tls » vaut « oui »"))) << vus[0].toStdString();
    ecritOctets("marivelle.ini", "[serveur]\nhote = ecole.lan\nbase = marivelle\nutilisateur = marivelle\n");
    Demarrage::connecteServeur();
    EXPECT_TRUE(Journal::surServeur());
    EXPECT_TRUE(Messages::recueille().isEmpty());
}
