// LitParametres on files made by the writers and on files written by hand in the same layout.
#include "FichiersDeTest.h"
#include "MessageDe.h"
#include "logique/parametres/PositionParametres.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
SequenceSettings sequence(int fin, int retroaction) {
    return {.exercices = troisExercices(), .UneFoisSequenceFinie = fin, .Retroaction = retroaction};
}

// A hand-written exercise in the file layout, with the sharks, negative ranges, a table line without
// operation and no strip line.
QByteArray fichierALaMain() {
    return octetsDe(QDir(QStringLiteral(MARIVELLE_DOSSIER_TESTS)).filePath(QStringLiteral("corpus/eleve_a_la_main.txt")));
}
}  // namespace

TEST(LitParametres, LoadsTheExerciseAtThePositionWithItsSequenceValues) {
    DossierDeClasse classe;
    classe.enseignantSans();
    classe.eleve(TexteParameterFile(Enseignant, Eleve, sequence(1, 2)));
    for (int k = 1; k <= 3; ++k) {
        ReecritLignePosition(cheminEleve(), LigneDePosition(k));
        classe.etat.UneFoisSequenceFinie = 0;
        classe.charge();
        EXPECT_EQ(exerciceCharge(classe.etat), troisExercices()[k - 1]) << "exercice " << k;
        EXPECT_EQ(classe.etat.NumeroExercice, k);
        EXPECT_FALSE(classe.etat.SequenceFinie);
        EXPECT_EQ(classe.etat.UneFoisSequenceFinie, 1);
        EXPECT_EQ(classe.etat.Retroaction, 2);
    }
    EXPECT_TRUE(Messages::recueille().isEmpty());
}

TEST(LitParametres, BeyondTheLastExerciseKeepsDefaultsAndTakesTheLastEndOfSequence) {
    DossierDeClasse classe;
    classe.enseignantSans();
    // Only the copy after the last exercise says "free practice".
    QByteArray fichier = Cp1252::encode(TexteParameterFile(Enseignant, Eleve, sequence(2, 2))).value();
    fichier.replace(fichier.lastIndexOf("2 - quitter"), 1, "1").replace("(1)", "(4)");
    classe.eleve(fichier);
    classe.etat.UneFoisSequenceFinie = 2;  // left by a previous pupil
    classe.charge();
    EXPECT_TRUE(classe.etat.SequenceFinie);
    EXPECT_EQ(classe.etat.NumeroExercice, 4);
    EXPECT_EQ(exerciceCharge(classe.etat), parDefaut());
    EXPECT_EQ(classe.etat.UneFoisSequenceFinie, 1);
    EXPECT_EQ(classe.etat.Retroaction, 0);

    // A file without any exercise says nothing: the start-up behaviour (loop).
    classe.eleve(TexteParameterFile(Enseignant, Eleve, {}));
    classe.etat.UneFoisSequenceFinie = 2;
    classe.charge();
    EXPECT_TRUE(classe.etat.SequenceFinie);
    EXPECT_EQ(classe.etat.UneFoisSequenceFinie, 0);
}

TEST(LitParametres, HandWrittenFileReadsWordsNegativesAndMissingLines) {
    DossierDeClasse classe;
    classe.enseignantSans();
    classe.eleve(fichierALaMain());
    classe.charge();
    // No strip line: 10.
    const ExerciseSettings attendu{.TypeExercice = 4,
                                   .tables = {EntreeTable::table(6, -5, 5, 0), EntreeTable::complement(100, 1),
                                              EntreeTable::table(-2, -10, -1, 2), EntreeTable::table(9, 1, 10, -1)},
                                   .CasDoublesCarres = true,
                                   .CasSuccesseurs = true,
                                   .TempsDeReponse = 7,
                                   .NombreDeQuestions = 25,
                                   .TypeAide = 2,
                                   .BandeNumerique = 10};
    EXPECT_EQ(exerciceCharge(classe.etat), attendu);
    EXPECT_EQ(classe.etat.UneFoisSequenceFinie, 2);
    EXPECT_EQ(classe.etat.Retroaction, 1);

    // The same file with LF line ends and a missing final line break loads the same.
    QByteArray lf = fichierALaMain().replace("\r\n", "\n");
    lf.chop(1);
    classe.eleve(lf);
    classe.charge();
    EXPECT_EQ(exerciceCharge(classe.etat), attendu);
    EXPECT_EQ(classe.etat.Retroaction, 1);
}

TEST(LitParametres, TeacherSavingLines) {
    DossierDeClasse classe;
    classe.eleve(TexteParameterFile(Enseignant, Eleve, sequence(0, 0)));
    const auto sauvegardes = [&] {
        classe.charge();
        return std::array{classe.etat.SauvegardeBase, classe.etat.SauvegardeTableur, classe.etat.SauvegardeTexte};
    };
    EcritFichier(cheminEnseignant(), TexteTeacherParameterFile(Enseignant, {}, troisExercices(), true, false, true));
    EXPECT_EQ(sauvegardes(), (std::array{true, false, true}));
    EcritFichier(cheminEnseignant(), TexteTeacherParameterFile(Enseignant, {}, {}, false, true, false));
    EXPECT_EQ(sauvegardes(), (std::array{false, true, false}));
    classe.enseignantSans();
    EXPECT_EQ(sauvegardes(), (std::array{false, false, false}));
    // No "*" line at all: nothing recorded, no failure.
    classe.enseignant(QByteArray("(1)\r\n\r\nrien\r\n"));
    EXPECT_EQ(sauvegardes(), (std::array{false, false, false}));
    // Codes that are not numbers, and unknown numbers, choose nothing.
    classe.enseignant(QByteArray("***\r\n* a - oui\r\n* 7 - oui\r\n*  2 - oui\r\n"));
    EXPECT_EQ(sauvegardes(), (std::array{false, true, false}));
}

TEST(LitParametres, MissingFiles) {
    DossierDeClasse classe;
    // No pupil's file: defaults and the message; the teacher's file is not even looked for.
    classe.etat.NombreDeQuestions = 3;
    classe.charge();
    EXPECT_EQ(exerciceCharge(classe.etat), parDefaut());
    EXPECT_EQ(Messages::recueille(), QStringList{QString::fromUtf8("Les valeurs des paramètres seront par defaut")});

    // No teacher's file: the exercise is loaded and the text profile records, without a word.
    classe.eleve(TexteParameterFile(Enseignant, Eleve, sequence(0, 0)));
    EXPECT_FALSE(LitParametres(classe.etat, Eleve, Enseignant));
    EXPECT_EQ(exerciceCharge(classe.etat), troisExercices()[0]);
    EXPECT_EQ((std::array{classe.etat.SauvegardeBase, classe.etat.SauvegardeTableur, classe.etat.SauvegardeTexte}),
              (std::array{false, false, true}));
    EXPECT_EQ(Messages::recueille(), QStringList());
}
