#include "DossierTemporaire.h"
#include "logique/base/Cp1252.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Horloge.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/resultats/TextesResultat.h"

#include <gtest/gtest.h>

namespace {
const char* R53 = "-----------------------------------------------------";
const char* U56 = "________________________________________________________";
const char* S62 = "**************************************************************";
const char* Q36 = "''''''''''''''''''''''''''''''''''''";

// An exercise block laid out by hand from its parts (in UTF-8); without errors, no summary part.
struct Bloc {
    const char *exercice, *type, *tables, *cas, *aide, *taux, *erreurs, *duree, *parQuestion, *listeErreurs = nullptr;
};
QByteArray attendu(const Bloc& b) {
    QString t =
        u("\r\n[exercice]     Exercice %1\r\n[Type exercice]     %2\r\n[Table(s)]     \r\n%3\r\n[Cas particuliers]     %4\r\n"
          "\r\n[Aide]     %5\r\n\r\n%6\r\n[Taux de reusite]     %7%\r\n[Nombre d'erreurs]     %8\r\n"
          "[Durée de l'exercice]     %9 secondes\r\n")
            .arg(u(b.exercice), u(b.type), u(b.tables), u(b.cas), u(b.aide), QString::fromLatin1(Q36), u(b.taux), u(b.erreurs),
                 u(b.duree));
    t += u("[Temps moyen par question]     %1 secondes par question\r\n").arg(u(b.parQuestion));
    t += b.listeErreurs ? u("\r\n[Bilan de l'exercice]     \r\n") + u(b.listeErreurs) + u("\r\n\r\n") : u("\r\n");
    return Cp1252::encode(t + QString::fromLatin1(S62) + u("\r\n")).value();
}

struct Profil : ::testing::Test {
    DossierTemporaire dossier;
    SharedState etat;

    void SetUp() override {
        QDir().mkdir("classe de Mme Lebrun");
        etat.NomEleve = "Zoé Martin";
        etat.NomEnseignant = "Mme Lebrun";
        etat.RepertoireClasse = NomsDossier::repertoireClasse(etat.NomEnseignant);
        Horloge::fixe(QDateTime(QDate(2026, 12, 6), QTime(9, 10, 5)));
    }

    QString chemin() const { return FichierProfilEleve(etat); }
    QByteArray octets() const { return octetsDe(chemin()); }
    QByteArray cree() {
        ecritOctets(chemin(), "debut\r\n");
        return octets();
    }
    // An exercise of 10 questions that lasted the given number of milliseconds.
    void duree(QTime debut, int millisecondes) {
        etat.HeureDebut = Horloge::fractionDuJour(debut);
        etat.HeureFin = Horloge::fractionDuJour(debut.addMSecs(millisecondes));
    }
    // What the exercise block wrote after the prepared start of the file.
    QByteArray bloc(const QByteArray& avant) const { return octets().mid(avant.size()); }
};

TEST_F(Profil, FirstConnectionWritesHeaderAndBlockLaterOnesOnlyTheBlock) {
    etat.SauvegardeTexte = true;
    EcritConnexion(etat, Horloge::maintenant());
    const QByteArray premiere = QByteArray(R53) + "\r\n" + cp1252("Fichier de profils de l'eleve Zoé Martin\r\n") + R53 +
                                "\r\n[enseignant]\r\nMme Lebrun\r\n\r\n" + U56 + "\r\n\r\n" +
                                cp1252("[date connexion : ] dimanche 6 décembre 2026 09:10\r\n\r\n\r\n") + S62 + "\r\n";
    EXPECT_EQ(octets(), premiere);

    EcritConnexion(etat, QDateTime(QDate(2027, 1, 4), QTime(14, 2)));
    EXPECT_EQ(octets(), premiere + U56 + "\r\n\r\n[date connexion : ] lundi 4 janvier 2027 14:02\r\n\r\n\r\n" + S62 + "\r\n");
}

TEST_F(Profil, ConnectionWithoutTextProfileOrForAPupilWithoutTeacher) {
    EcritConnexion(etat, Horloge::maintenant());
    EXPECT_FALSE(FichierTexte::existe(chemin()));

    QDir().mkdir("classe sans enseignant");
    etat.NomEnseignant = "aucun";
    etat.RepertoireClasse = NomsDossier::repertoireClasse("aucun");
    etat.SauvegardeTexte = true;
    EcritConnexion(etat, Horloge::maintenant());
    EXPECT_TRUE(FichierTexte::existe(QString::fromUtf8("classe sans enseignant/profil_Zoé Martin_de_aucun.txt")));
}

TEST_F(Profil, ExerciseBlockOfTheWorkedExample) {
    const QByteArray avant = cree();
    etat.NumeroExercice = 2;
    etat.TypeExercice = 3;
    etat.ajouteEntree(7, 1, 10, 2);
    etat.TypeAide = 0;
    duree(QTime(10, 0), 83400);
    EcritProfilExercice(etat, 1, "7 x 4 = 28 / 4 x 7 = 28 / 7 x 5 = 36\r\n");
    EXPECT_EQ(bloc(avant), attendu({"2", "intrus", "[7 de 1 à 10]  avec multiplication\r\n", "aucun", "dessins", "90",
                                    "1 erreur(s) sur 10", "00:01:23", "8,34", "7 x 4 = 28 / 4 x 7 = 28 / 7 x 5 = 36\r\n"}));
}

TEST_F(Profil, RateCasesTablesAndKindsOfTheBlock) {
    const QByteArray avant = cree();
    etat.TypeExercice = 1;
    etat.NombreDeQuestions = 3;
    etat.CasSuccesseurs = etat.CasDoublesCarres = true;
    etat.TypeAide = 2;
    etat.ajouteEntree(SharedState::Complement, 10, SharedState::Complement, 0);
    etat.ajouteEntree(4, 0, 5, 3);
    etat.ajouteEntree(2, 1, 9, 1);
    etat.ajouteEntree(3, 1, 9, 7);  // no such operation: no line
    duree(QTime(8, 0), 30000);
    EcritProfilExercice(etat, 2, "\r\n2 + 8 = 11");
    EXPECT_EQ(bloc(avant), attendu({"1", "donner résultat",
                                    "[-9999 de 10 à -9999]  avec addition\r\n[4 de 0 à 5]  avec division\r\n"
                                    "[2 de 1 à 9]  avec soustraction\r\n",
                                    "successeur\r\ndouble", "aucune", "33,3333333333333", "2 erreur(s) sur 3", "00:00:30", "10",
                                    "\r\n2 + 8 = 11"}));
}

TEST_F(Profil, BlockWithoutTablesOrErrors) {
    const QByteArray avant = cree();
    etat.TypeExercice = 4;
    etat.TypeAide = 1;
    duree(QTime(8, 0), 61000);
    EcritProfilExercice(etat, 0, QString());
    EXPECT_EQ(bloc(avant),
              attendu({"1", "même résultat", "", "aucun", "constellations", "100", "0 erreur(s) sur 10", "00:01:01", "6,1"}));
}

TEST_F(Profil, NoQuestionStaysMeaningful) {
    const QByteArray avant = cree();
    etat.TypeExercice = 1;
    etat.NombreDeQuestions = 0;
    duree(QTime(8, 0), 5000);
    EcritProfilExercice(etat, 0, QString());
    EXPECT_EQ(bloc(avant),
              attendu({"1", "donner résultat", "", "aucun", "constellations", "0", "0 erreur(s) sur 0", "00:00:05", "0"}));
}

// Durations of an hour or more or over midnight, whole seconds and the time per question rounded
// halves to even, as the profile writes them and as the workbook and the database take them.
TEST_F(Profil, DurationsAndTimesPerQuestionAtTheirEdges) {
    const struct {
        int millisecondes, questions;
        const char *duree, *parQuestion;
        int secondes;
        QTime debut = QTime(8, 0);
    } cas[] = {
        {1250, 10, "00:00:01", "0,12", 1},        {1350, 10, "00:00:01", "0,14", 1},
        {2500, 2, "00:00:02", "1,25", 2},         {3500, 10, "00:00:03", "0,35", 4},
        {3725000, 10, "01:02:05", "372,5", 3725}, {75000, 10, "00:01:15", "7,5", 75, QTime(23, 59, 30)},
    };
    for (const auto& c : cas) {
        const QByteArray avant = cree();
        etat.NombreDeQuestions = c.questions;
        duree(c.debut, c.millisecondes);
        EcritProfilExercice(etat, 0, QString());
        EXPECT_TRUE(bloc(avant).contains(cp1252(QStringLiteral("[Durée de l'exercice]     %1 secondes\r\n"
                                                               "[Temps moyen par question]     %2 secondes par question\r\n")
                                                    .arg(c.duree, c.parQuestion)
                                                    .toUtf8()
                                                    .constData())))
            << c.millisecondes << "\n"
            << bloc(avant).toStdString();
        const ResultatExercice resultat = ResultatExercice::de(etat, 0, QString());
        EXPECT_EQ(TextesResultat::tempsParQuestion(resultat), c.parQuestion) << c.millisecondes;
        EXPECT_EQ(resultat.secondes, c.secondes) << c.millisecondes;
    }
}

TEST_F(Profil, NothingIsWrittenToAMissingFile) {
    etat.SauvegardeTexte = true;
    EcritProfilExercice(etat, 1, "x");
    EcritDateDeconnexion(etat);
    EXPECT_TRUE(QDir("classe de Mme Lebrun").isEmpty());
    EXPECT_TRUE(etat.RepertoireClasse.isEmpty());
}

TEST_F(Profil, DisconnectionLineOnlyInTextProfileModeAndTheFolderIsForgotten) {
    const QByteArray avant = cree();
    const QString fichier = chemin();
    EcritDateDeconnexion(etat);
    EXPECT_EQ(octetsDe(fichier), avant);
    EXPECT_TRUE(etat.RepertoireClasse.isEmpty());

    etat.RepertoireClasse = NomsDossier::repertoireClasse(etat.NomEnseignant);
    etat.SauvegardeTexte = true;
    EcritDateDeconnexion(etat);
    EXPECT_EQ(octetsDe(fichier), avant + cp1252("\r\n[date deconnexion ]     dimanche 6 décembre 2026 09:10:05\r\n"));
    EXPECT_TRUE(etat.RepertoireClasse.isEmpty());
}
}  // namespace
