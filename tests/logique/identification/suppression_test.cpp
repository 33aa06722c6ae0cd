#include "DossierTemporaire.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/Registre.h"
#include "logique/identification/SuppressionSure.h"

#include <gtest/gtest.h>

namespace {
// A working folder "travail" inside a parent folder, with a folder "dehors" beside it that no
// deletion may touch.
class SuppressionTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(parent_.path()).mkpath("travail");
        QDir(parent_.path()).mkpath("dehors/sous");
        dehors_ = parent_.path() + "/dehors";
        ecritOctets(dehors_ + "/garde.txt", "x\r\n");
        ecritOctets(dehors_ + "/sous/garde.txt", "x\r\n");
        precedent_ = QDir::currentPath();
        QDir::setCurrent(parent_.path() + "/travail");
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun"});
    }
    void TearDown() override { QDir::setCurrent(precedent_); }
    bool dehorsIntact() const {
        return QFileInfo::exists(dehors_ + "/garde.txt") && QFileInfo::exists(dehors_ + "/sous/garde.txt");
    }

    QTemporaryDir parent_;
    QString dehors_, precedent_;
    SharedState etat;
};

TEST_F(SuppressionTest, LinksInsideATeachersFolderAreRemovedNotFollowed) {
    Registre::EnregistreEnseignant(etat, "Martin", {});
    QDir().mkpath("classe de Martin/profond");
    QFile::link(dehors_, "classe de Martin/lien_dossier");
    QFile::link(dehors_ + "/garde.txt", "classe de Martin/profond/lien_fichier");
    EXPECT_TRUE(Registre::SupprimeEnseignant(etat, "Martin"));
    EXPECT_FALSE(QFileInfo::exists("classe de Martin"));
    EXPECT_TRUE(dehorsIntact());
}

TEST_F(SuppressionTest, ATeachersFolderThatIsALinkLosesOnlyTheLink) {
    Registre::EnregistreEnseignant(etat, "Martin", {});
    FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun", "Martin", "Paul"});
    QDir("classe de Martin").removeRecursively();
    QFile::link(dehors_, "classe de Martin");
    QFile::link(dehors_, "classe de Paul");
    EXPECT_TRUE(Registre::SupprimeEnseignant(etat, "Martin"));
    EXPECT_FALSE(QFileInfo("classe de Martin").isSymLink());
    EXPECT_TRUE(dehorsIntact());
    // Removing a pupil never deletes through a linked folder either.
    ecritOctets(dehors_ + "/profil_Tom_de_Paul.txt", "x");
    EXPECT_THROW(Registre::SupprimeEleve("Tom", "Paul"), ErreurFichier);
    EXPECT_TRUE(QFileInfo::exists(dehors_ + "/profil_Tom_de_Paul.txt"));
}

TEST_F(SuppressionTest, NamesLeadingOutOfTheWorkingFolderDeleteNothing) {
    // A teacher list edited by hand with a name that climbs out of the working folder.
    QDir().mkdir("classe de x");
    const QString grimpeur = "x/../../dehors";
    FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun", grimpeur});
    EXPECT_THROW(Registre::SupprimeEnseignant(etat, grimpeur), ErreurFichier);
    EXPECT_TRUE(dehorsIntact());
    EXPECT_EQ(FichierTexte::litLignes("enseignant.txt"), QStringList({Registre::EnteteEnseignants, "aucun"}));
    EXPECT_THROW(SuppressionSure::supprimeDossier(".."), ErreurFichier);
    EXPECT_THROW(SuppressionSure::supprimeDossier("../dehors"), ErreurFichier);
    EXPECT_TRUE(dehorsIntact());

    // A pupil line that climbs out of its class folder.
    QDir().mkpath("classe de Paul/profil_");
    Registre::SupprimeEleve("../../../dehors/garde", "Paul");
    SuppressionSure::supprimeFichier("classe de Paul", "../../dehors/garde.txt");
    EXPECT_TRUE(dehorsIntact());
}
}  // namespace
