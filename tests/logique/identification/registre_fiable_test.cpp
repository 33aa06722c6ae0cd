// The registry shared by two programs, on a full disk, and after killed programs.
#include "DossierTemporaire.h"
#include "Enfant.h"
#include "MessageDe.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"

#include <gtest/gtest.h>

using Registre::Issue;

namespace {
class RegistreFiableTest : public ::testing::Test {
protected:
    void SetUp() override {
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun"});
        Registre::EnregistreEnseignant(etat, "Martin", {0});
    }

    DossierTemporaire dossier;
    SharedState etat;
};
}  // namespace

TEST_F(RegistreFiableTest, TwoProgramsRegisteringAtOnceKeepEveryPupil) {
    const int parProgramme = fois(200, 1000);
    QList<pid_t> enfants;
    for (const char* prefixe : {"A", "B"})
        enfants << lanceEnfant([&] {
            int echecs = 0;
            for (int i = 0; i < parProgramme; ++i)
                echecs += Registre::EnregistreEleve(etat, prefixe + QString::number(i), "Martin", "cp") != Issue::Enregistre;
            return echecs;
        });
    int echecs = 0;
    for (pid_t enfant : enfants) echecs += attendEnfant(enfant);
    const QStringList liste = FichierTexte::litLignes(Registre::FichierListeEleves("Martin"));
    EXPECT_EQ(echecs, 0);
    EXPECT_EQ(liste.size(), 2 * parProgramme + 1);
    EXPECT_EQ(QDir("classe de Martin").entryList(QDir::Files | QDir::Hidden), QStringList({"classe_Martin.txt"}));
}

TEST_F(RegistreFiableTest, AFullDiskRegistersNothingAndSaysSo) {
    for (int i = 0; i < 20; ++i) Registre::EnregistreEleve(etat, "Eleve" + QString::number(i), "Martin", "cp");
    const QString liste = Registre::FichierListeEleves("Martin");
    const QByteArray avantListe = octetsDe(liste), avantEnseignants = octetsDe("enseignant.txt");
    // Each list may not grow: the registration fails with the reason and the list stays.
    const QList<std::pair<qsizetype, std::function<void()>>> cas = {
        {avantListe.size(), [&] { Registre::EnregistreEleve(etat, "Nouveau", "Martin", "cp"); }},
        {avantEnseignants.size(),
         [&] {
             Registre::EnregistreEnseignant(etat, "Dupont", {1, 2, 3});
         }},
    };
    for (const auto& unCas : cas) {
        const int code = dansUnEnfant([&] {
            limiteTailleFichiers(unCas.first);
            return messageDe<ErreurFichier>(unCas.second).contains(QString::fromUtf8("dépasserait la taille permise")) ? 0 : 1;
        });
        EXPECT_EQ(code, 0);
    }
    EXPECT_EQ(octetsDe(liste), avantListe);
    EXPECT_EQ(octetsDe("enseignant.txt"), avantEnseignants);
}
