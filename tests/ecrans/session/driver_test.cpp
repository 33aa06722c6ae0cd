#include "BilanCompte.h"
#include "DossierTemporaire.h"
#include "ecrans/commun/Dessins.h"
#include "ecrans/session/SequenceDriver.h"
#include "logique/base/Garde.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "logique/parametres/LitParametres.h"
#include "logique/parametres/ParameterFiles.h"
#include "logique/parametres/PositionParametres.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/resultats/Classeur.h"
#include "logique/resultats/Enregistreurs.h"

#include <gtest/gtest.h>

namespace {
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
    // Léa's sequence at the given position: exercise k of kind types[k-1] (an unknown kind written
    // by hand) on the table of k+1.
    void ecrit(const QList<int>& types, int position, int fin) {
        QStringList blocs;
        for (int k = 1; k <= types.size(); ++k) {
            QString bloc = BlocExercice({.TypeExercice = types[k - 1], .tables = {EntreeTable::table(k + 1, 1, 10, 2)}});
            if (types[k - 1] > 5) bloc.replace("[Exercice]", QString("[Exercice]\r\n%1 - exercice").arg(types[k - 1]));
            blocs << bloc;
        }
        EcritFichier(chemin, TexteParameterFileDeBlocs("Martin", "Léa", blocs, fin, 1));
        ReecritLignePosition(chemin, LigneDePosition(position));
    }
    // Plays the end of the exercise at the current position.
    void termine(QWidget* ecran) {
        MarqueFinExercice(Etat());
        EnregistreResultats(Etat(), 0, "");
        EnchaineApresExercice(Etat(), ecran);
    }
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

// The journeys play whole sequences; here the end in free practice and the cases they do not reach.
TEST_F(Driver, AFreeExerciseFromTheChooserLeavesTheStoredPosition) {
    ecrit({1, 2, 1}, 3, 1);
    LitParametres(Etat(), "Léa", "Martin");
    ExerciceSuivant(Etat());
    termine(&exo1);
    EXPECT_TRUE(choix.isVisible());
    EXPECT_EQ(Etat().Tables[2], 4);  // exercise 3's table stays for free practice
    choix.hide();
    Etat().TypeExercice = 1;
    DemarreExercice(Etat());
    termine(&exo1);
    EXPECT_EQ(FichierTexte::litLignes(chemin).value(4), "(3)");  // the position line
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

// While a pupil plays, a failure's words (a file, a path) are the teacher's: the child reads a
// child's words and the teacher finds the failure at their next visit. An unknown kind or end of
// the sequence also brings the identification screen back.
TEST_F(Driver, APupilReadsAChildsWordsAndTheTeacherTheFailure) {
    struct Cas {
        const char* nom;
        std::function<void()> action;
        QString enfant, detail;
        bool identification;
    };
    const Cas cas[] = {
        {"unknown kind",
         [this] {
             ecrit({7}, 1, 0);
             LitParametres(Etat(), "Léa", "Martin");
             ExerciceSuivant(Etat());
         },
         ExerciceInconnu, "un exercice qui n'existe pas (type 7)", true},
        {"unknown end of the sequence",
         [this] {
             ecrit({1}, 2, 5);
             LitParametres(Etat(), "Léa", "Martin");
             Etat().UneFoisSequenceFinie = 5;
             ExerciceSuivant(Etat());
         },
         SuiteInconnue, "à la fin des exercices (valeur 5)", true},
        {"missing picture", [] { Garde::execute([] { Dessins::charge("Images/Tortues/11.jpg", QSize(40, 40)); }); },
         Messages::TexteEnfant, QString::fromUtf8("L'image « Images/Tortues/11.jpg » est introuvable."), false},
        {"workbook that cannot be read",
         [] {
             Etat().SauvegardeTableur = true;
             Etat().ClasseurSignale.clear();  // told once a connection
             ecritOctets(Classeur::chemin(Etat()), "pas un classeur");
             EnregistreResultats(Etat(), 0, "");
         },
         ResultatsEnPartie, "profil_des_eleves_de_Martin.xlsx", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        identification.hide();
        Messages::recueille();
        AvisEnseignant::pendantLaSeance("classe de Martin/", "Léa");
        c.action();
        EXPECT_EQ(Messages::recueille(), QStringList{c.enfant});
        const QStringList avis = AvisEnseignant::prend("classe de Martin/");
        ASSERT_EQ(avis.size(), 1);
        EXPECT_TRUE(avis[0].contains(QString::fromUtf8("Pendant la séance de Léa\u00A0: ")) && avis[0].contains(c.detail))
            << avis[0].toStdString();
        EXPECT_EQ(identification.isVisible(), c.identification);
        EXPECT_FALSE(fini);
        // Once the pupil has left, whoever is at the screen reads the failure itself.
        AvisEnseignant::finDeSeance();
        c.action();
        EXPECT_TRUE(Messages::recueille().value(0).contains(c.detail));
    }
}
