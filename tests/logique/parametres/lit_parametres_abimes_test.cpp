// Damaged or hand-edited parameter files: the reader always ends, with the defaults, the loaded
// part or a French message naming the file, and never writes anything.
#include "FichiersDeTest.h"
#include "MessageDe.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
QByteArray fichierEleve(const QByteArray& position, const QByteArray& suite = {}) {
    return cp1252("---\r\nFichier de paramétrage fait par Mme Durand pour Léa\r\n---\r\n\r\n") + position + "\r\n" + suite;
}

const QByteArray UnExercice = cp1252(
    "\r\n_____\r\n\r\nExercice 1\r\n_____\r\n\r\n"
    "[Exercice]\r\n2 - exercice à trou\r\n\r\n[Tables]\r\n5 sur l'intervalle de 1 à 10 avec addition -\r\n\r\n"
    "[Cas particuliers]\r\n2 - aucun\r\n\r\n[Options particulières]\r\n3 - aucune\r\n\r\n"
    "[Temps de réponse (en secondes)] \r\nquelques - secondes\r\n\r\n"
    "[Nombre de questions posées par exercice] \r\nQUESTIONS - questions\r\n");

QString echecDe(DossierDeClasse& classe) {
    return messageDe([&] { classe.charge(); });
}
// A class folder with the teacher's file.
struct LitParametresAbimes : ::testing::Test {
    void SetUp() override { classe.enseignantSans(); }
    DossierDeClasse classe;
};
}  // namespace

TEST_F(LitParametresAbimes, FilesWithoutAUsablePositionAreRefusedByName) {
    const QByteArray positions[] = {"", "(0)", "(-2)", "(abc)", "(3", "()", "(99999999999)"};
    for (const QByteArray& position : positions) {
        classe.eleve(fichierEleve(position, UnExercice));
        classe.etat.NumeroExercice = 1;
        const QString message = messageDe<ErreurFichier>([&] { classe.charge(); });
        EXPECT_TRUE(message.startsWith(QString::fromUtf8("Le fichier de paramétrage « ") + cheminEleve() +
                                       QString::fromUtf8(" » est illisible : ")))
            << position.constData() << " : " << message.toStdString();
        EXPECT_EQ(classe.etat.NumeroExercice, 1);
        EXPECT_EQ(exerciceCharge(classe.etat), parDefaut());
    }
    classe.eleve(fichierEleve("", UnExercice));
    EXPECT_TRUE(echecDe(classe).endsWith(QString::fromUtf8("il n'a pas de ligne de position.")));
}

TEST_F(LitParametresAbimes, BadNumbersStopTheLoadNamingFileAndLine) {
    classe.eleve(fichierEleve("(1)", UnExercice));
    // The time line "quelques" is not a number and is passed over; the questions line stops the load.
    const QString message = echecDe(classe);
    EXPECT_TRUE(message.contains(cheminEleve() + QString::fromUtf8(" », ligne 28 : « QUESTIONS »"))) << message.toStdString();
    EXPECT_EQ(classe.etat.TypeExercice, 2);
    EXPECT_EQ(classe.etat.DernierIndiceTables, 5);
    EXPECT_EQ(classe.etat.TempsDeReponse, 0);

    const QByteArray fautifs[] = {"[Exercice]\r\n99999999999 - exercice\r\n",
                                  "[Exercice]\r\n1  - deux blancs\r\n",
                                  "[Exercice]\r\n1\xE9 - accent\r\n",
                                  "[Exercice]\r\n- sans valeur\r\n",
                                  "[Exercice]\r\n[Tables]\r\n5 sans les mots avec addition -\r\n",
                                  "[Exercice]\r\n[Tables]\r\n5 sur l'intervalle de 1 \xE0 3000000000 avec addition -\r\n"};
    for (const QByteArray& bloc : fautifs) {
        classe.eleve(fichierEleve("(1)", "_\r\n\r\n\r\n\r\n\r\n" + bloc));
        EXPECT_THROW(classe.charge(), ErreurConversion) << bloc.constData();
    }
}

TEST_F(LitParametresAbimes, MoreThan250TableLinesKeepTheFirst250) {
    ExerciseSettings x = troisExercices()[1];
    x.tables.clear();
    for (int i = 0; i < 300; ++i) x.tables << EntreeTable::table(i, -i, i, i % 4);
    classe.eleve(TexteParameterFile(Enseignant, Eleve, {.exercices = {x}}));
    classe.charge();
    EXPECT_EQ(classe.etat.Tables[1002], -1);  // nothing written past the table
    x.tables = x.tables.mid(0, 250);
    EXPECT_EQ(exerciceCharge(classe.etat), x);  // the sections after the tables are read too
}

TEST_F(LitParametresAbimes, TruncatedFilesLoadWhatIsThere) {
    const QByteArray complet = Cp1252::encode(TexteParameterFile(Enseignant, Eleve, {.exercices = troisExercices()})).value();
    // Cut inside exercise 2's tables: its kind and first entry are there, the rest defaults.
    const qsizetype coupe = complet.indexOf("compl\xE9ments \xE0 -20");
    classe.eleve(complet.left(coupe).replace("(1)", "(2)"));
    classe.charge();
    EXPECT_FALSE(classe.etat.SequenceFinie);
    EXPECT_EQ(classe.etat.TypeExercice, 2);
    EXPECT_EQ(classe.etat.nombreEntrees(), 1);
    EXPECT_EQ(classe.etat.NombreDeQuestions, 10);
    // Cut just after the separator of exercise 3: an empty block, defaults.
    classe.eleve(complet.left(complet.indexOf("Exercice 3")).replace("(1)", "(3)"));
    classe.charge();
    EXPECT_FALSE(classe.etat.SequenceFinie);
    EXPECT_EQ(exerciceCharge(classe.etat), parDefaut());
}
