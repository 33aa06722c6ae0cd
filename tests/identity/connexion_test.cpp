#include "DossierTemporaire.h"
#include "base/Messages.h"
#include "state/SharedState.h"
#include "identity/ConnexionEleve.h"

#include <gtest/gtest.h>

TEST(ConnecteEleve, AMissingPupilOrTeacherStopsAfterTheClassFolder) {
    DossierTemporaire dossier;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    Messages::recueille();
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
    Messages::installeRepondeur(nullptr);
    Messages::recueille();
}
