#include "DossierTemporaire.h"
#include "logique/amenagements/AmenagementsEnCours.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/ConnexionEleve.h"
#include "logique/identification/Registre.h"
#include "logique/parametres/ParameterFiles.h"

#include <gtest/gtest.h>

TEST(ConnecteEleve, AMissingPupilOrTeacherStopsAfterTheClassFolder) {
    DossierTemporaire dossier;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    const QString malSaisi = QString::fromUtf8(
        "Vous avez mal saisie vos identifiants, veuillez recommencer ou vous connecter sans identifiant");
    SharedState etat;
    etat.NomEleve = "Avant";
    // A blank line of a hand-edited list is no pupil.
    for (const QString& eleve : {QString(), QString("   ")}) {
        EXPECT_FALSE(ConnecteEleve(etat, eleve, "Martin"));
        EXPECT_EQ(etat.NomEnseignant, "Martin");
        EXPECT_EQ(etat.RepertoireClasse, "classe de Martin/");
    }
    EXPECT_FALSE(ConnecteEleve(etat, "Tom", ""));
    EXPECT_EQ(etat.RepertoireClasse, "classe de /");
    EXPECT_EQ(etat.NomEleve, "Avant");
    EXPECT_EQ(Messages::recueille(), QStringList({malSaisi, malSaisi, malSaisi}));

    // Without a parameter file: the defaults, no result file.
    EXPECT_TRUE(ConnecteEleve(etat, "Tom", "aucun"));
    EXPECT_EQ(etat.NomEleve, "Tom");
    EXPECT_EQ(etat.RepertoireClasse, "classe sans enseignant/");
    EXPECT_FALSE(etat.SauvegardeTexte);
    EXPECT_EQ(QDir(".").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// A registered pupil of "Mme Lebrun" whose teacher keeps every kind of result. (A workbook that
// cannot be read stops nothing: resultats_test.cpp.)
TEST(ConnecteEleve, PreparesTheProfileTheWorkbookAndTheDatabase) {
    DossierTemporaire dossier;
    SharedState etat;
    Registre::EnregistreEnseignant(etat, QStringLiteral("Mme Lebrun"), {1});
    Registre::EnregistreEleve(etat, QStringLiteral("Léa"), QStringLiteral("Mme Lebrun"), QStringLiteral("cp"));
    const QString eleve = QStringLiteral("Léa en classe de cp");
    const SequenceSettings s{.exercices = {ExerciseSettings{}}};
    EcritFichier("classe de Mme Lebrun/" + NomsDossier::parametrage(eleve, "Mme Lebrun"),
                 TexteParameterFile("Mme Lebrun", eleve, s));
    EcritFichier("classe de Mme Lebrun/" + NomsDossier::parametrageEnseignant("Mme Lebrun"),
                 TexteTeacherParameterFile("Mme Lebrun", {}, s.exercices, true, true, true));
    EXPECT_TRUE(ConnecteEleve(etat, eleve, "Mme Lebrun"));
    for (const QString& fichier :
         {"profil_" + eleve + "_de_Mme Lebrun.txt", QStringLiteral("profil_des_eleves_de_Mme Lebrun.xlsx"),
          QStringLiteral("profil_des_eleves_de_Mme Lebrun.sqlite")})
        EXPECT_TRUE(QFile::exists("classe de Mme Lebrun/" + fichier)) << fichier.toStdString();
}

// The pupil's adjustments come from their file; a line not understood is the teacher's to read,
// never the child's.
TEST(ConnecteEleve, InstallsThePupilsAdjustmentsAndTellsTheTeacherALineNotUnderstood) {
    DossierTemporaire dossier;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    const QString classe = QStringLiteral("classe sans enseignant/");
    QDir().mkpath(classe);
    ecritOctets(classe + NomsDossier::amenagements("Tom", "aucun"), "temps=2\r\nvoix=oui\r\ntemps=4\r\n");
    SharedState etat;
    ASSERT_TRUE(ConnecteEleve(etat, "Tom", "aucun"));
    Amenagements voulu;
    voulu.temps = Amenagements::Temps::Double;
    voulu.voix = true;
    EXPECT_EQ(AmenagementsEnCours::courants(), voulu);
    // The child reads only that the sequence's defaults apply (no parameter file).
    EXPECT_EQ(Messages::recueille(), QStringList{QString::fromUtf8("Les valeurs des paramètres seront par defaut")});
    const QStringList avis = AvisEnseignant::prend(classe).filter(QString::fromUtf8("Aménagements de Tom"));
    ASSERT_EQ(avis.size(), 1);
    EXPECT_TRUE(avis[0].contains(QString::fromUtf8("« temps=4 »"))) << avis[0].toStdString();
}
