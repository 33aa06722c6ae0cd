#include "BancExercice.h"
#include "session/SequenceDriver.h"
#include "base/FichierTexte.h"
#include "base/Horloge.h"
#include "base/Messages.h"
#include "interface/Ecrans.h"
#include "state/SharedState.h"
#include "state/Utils.h"
#include "settings/LitParametres.h"

#include <QDialog>
#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// A pupil file in the layout the settings screen writes: exercise k has kind kinds[k-1] and the
// table of k+1 on 1..10 with multiplication.
QString fichierEleve(const QList<int>& types, int position, int fin) {
    const QString d69(69, '-'), u39(39, '_');
    QStringList l = {d69, "Fichier de paramétrage fait par Martin pour Léa", d69, "", QString("(%1)").arg(position)};
    for (int k = 1; k <= types.size(); ++k) {
        if (k == 1) l << "";
        l << u39 << "" << QString("Exercice %1").arg(k) << u39 << "";
        l << "[Exercice]" << QString("%1 - exercice").arg(types[k - 1]) << "" << "[Tables]"
          << QString("%1 sur l'intervalle de 1 à 10 avec multiplication -").arg(k + 1) << "" << "[Cas particuliers]"
          << "0 - travail sur les doubles et carrés" << "" << "[Options particulières]" << "3 - aucune" << ""
          << "[Temps de réponse (en secondes)] " << "oui - on met le temps avec le pirate"
          << "12 - secondes pour que le pirate descende" << "" << "[Nombre de questions posées par exercice] "
          << QString("%1 - questions").arg(5 + k) << "" << "[Aide]" << "0 - oui avec les dessins" << ""
          << "[Bande numérique] " << "10 - aucune" << "" << "[Une fois la séquence finie]"
          << QString("%1 - fin").arg(fin) << "" << "[Rétroaction]" << "1 - montrer tous les résultats";
    }
    return l.join("\r\n");
}

struct Driver : ::testing::Test {
    DossierTemporaire dossier;
    QWidget identification, choix, exo1, exo2, exo3, exo4;
    BilanCompte bilan;
    bool fini = false;
    const QString chemin = "classe de Martin/parametrage_Léa_de_Martin.txt";

    void SetUp() override {
        using R = Ecrans::Role;
        Ecrans::enregistre(R::SaisieIdentifiant, &identification);
        Ecrans::enregistre(R::ChoixOperateur, &choix);
        Ecrans::enregistre(R::Exo1, &exo1, 1);
        Ecrans::enregistre(R::Exo2, &exo2, 2);
        Ecrans::enregistre(R::Exo3, &exo3, 3);
        Ecrans::enregistre(R::Exo4, &exo4, 4);
        Ecrans::enregistre(R::Form1, &bilan);
        Ecrans::remplaceFin([this] { fini = true; });
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        Horloge::fixe(QDateTime(QDate(2026, 12, 6), QTime(9, 10, 5)));
        QDir().mkdir("classe de Martin");
        FichierTexte::ecritLignes("classe de Martin/enseignant_parametrage_Martin.txt",
                                  {"x", "***Sauvegarde du profil***", "* 0 - non pas de sauvegarde"});
        auto& e = Etat();
        e.NomEleve = "Léa";
        e.NomEnseignant = "Martin";
        e.RepertoireClasse = "classe de Martin/";
    }
    void ecrit(const QList<int>& types, int position, int fin) {
        FichierTexte::ecritTexte(chemin, fichierEleve(types, position, fin));
    }
    // Plays the end of the exercise at the current position.
    void termine(QWidget* ecran) {
        MarqueFinExercice(Etat());
        EnregistreResultats(Etat(), 0, "");
        EnchaineApresExercice(Etat(), ecran);
    }
    QString position() { return FichierTexte::litLignes(chemin).value(4); }
};
}  // namespace

TEST_F(Driver, StartsTheExerciseAtTheStoredPosition) {
    ecrit({1, 3, 1}, 2, 0);
    LitParametres(Etat(), "Léa", "Martin");
    ExerciceSuivant(Etat());
    EXPECT_TRUE(exo3.isVisible());
    EXPECT_EQ(Etat().DateHeureDebut, "06/12/2026 09:10:05");
    EXPECT_NEAR(Etat().HeureDebut, (9 * 3600 + 10 * 60 + 5) / 86400.0, 1e-9);
}

// The journeys play whole sequences; here the cases they do not reach.
TEST_F(Driver, AFreeExerciseFromTheChooserLeavesTheStoredPosition) {
    ecrit({1, 2, 1}, 3, 1);
    LitParametres(Etat(), "Léa", "Martin");
    ExerciceSuivant(Etat());
    termine(&exo1);
    choix.hide();
    Etat().TypeExercice = 1;
    DemarreExercice(Etat());
    termine(&exo1);
    EXPECT_EQ(position(), "(3)");
    EXPECT_TRUE(choix.isVisible());
}

TEST_F(Driver, APupilPastTheEndOfAQuittingSequenceEndsTheProgramAgain) {
    ecrit({1, 2, 1}, 4, 2);
    LitParametres(Etat(), "Léa", "Martin");
    ExerciceSuivant(Etat());
    EXPECT_TRUE(fini);
}

TEST_F(Driver, WithoutParameterFileTheDefaultsAreAnnouncedOnce) {
    LitParametres(Etat(), "Léa", "Martin");
    EXPECT_EQ(Messages::recueille(), QStringList{"Les valeurs des paramètres seront par defaut"});
    ExerciceSuivant(Etat());
    choix.hide();
    Etat().TypeExercice = 1;
    DemarreExercice(Etat());
    termine(&exo1);
    EXPECT_TRUE(Messages::recueille().isEmpty());
}

TEST_F(Driver, TheAnonymousPupilIsNeitherRecordedNorSummarised) {
    Etat().NomEleve = EleveSansId;
    Etat().TypeExercice = 1;
    DemarreExercice(Etat());
    Etat().SauvegardeTexte = true;
    const QString profil = FichierProfilEleve(Etat());
    ecritOctets(profil, "debut\r\n");
    termine(&exo1);
    EXPECT_EQ(bilan.vus, 0);
    EXPECT_TRUE(choix.isVisible());
    EXPECT_EQ(octetsDe(profil), "debut\r\n");
    // Exercises 3 and 4 ask for every pupil to be recorded: the same recorders then write.
    EnregistreResultats(Etat(), 0, "", true);
    EXPECT_NE(octetsDe(profil), "debut\r\n");
}

TEST_F(Driver, UnknownKindsAndBehavioursBringTheIdentificationScreenBack) {
    ecrit({7}, 1, 0);
    LitParametres(Etat(), "Léa", "Martin");
    ExerciceSuivant(Etat());
    EXPECT_TRUE(identification.isVisible());
    ASSERT_EQ(Messages::recueille().size(), 1);

    identification.hide();
    ecrit({1}, 2, 5);
    LitParametres(Etat(), "Léa", "Martin");
    Etat().UneFoisSequenceFinie = 5;
    ExerciceSuivant(Etat());
    EXPECT_TRUE(identification.isVisible());
    EXPECT_FALSE(fini);
}
