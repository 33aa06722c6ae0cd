// The writers produce the parameter files byte for byte.
#include "FichiersDeTest.h"

#include <gtest/gtest.h>

namespace {
const QByteArray D69 = QByteArray(69, '-') + "\r\n";
const QByteArray U39 = QByteArray(39, '_') + "\r\n";

const QByteArray BlocA = cp1252("[Exercice]\r\n"
                                "1 - exercice où il faut donner le résultat\r\n"
                                "\r\n"
                                "[Tables]\r\n"
                                "5 sur l'intervalle de 1 à 10 avec multiplication -\r\n"
                                "compléments à 10 avec addition -\r\n"
                                "\r\n"
                                "[Cas particuliers]\r\n"
                                "0 - travail sur les doubles et carrés\r\n"
                                "1 - travail sur les successeurs\r\n"
                                "\r\n"
                                "[Options particulières]\r\n"
                                "3 - aucune\r\n"
                                "\r\n"
                                "[Temps de réponse (en secondes)] \r\n"
                                "oui - on met le temps avec le pirate\r\n"
                                "12 - secondes pour que le pirate descende\r\n"
                                "\r\n"
                                "[Nombre de questions posées par exercice] \r\n"
                                "15 - questions\r\n"
                                "\r\n"
                                "[Aide]\r\n"
                                "0 - oui avec les dessins\r\n"
                                "\r\n"
                                "[Bande numérique] \r\n"
                                "2 - de 0 à 29");

const QByteArray BlocB = cp1252("[Exercice]\r\n"
                                "2 - exercice à trou\r\n"
                                "\r\n"
                                "[Tables]\r\n"
                                "-3 sur l'intervalle de -5 à 5 avec soustraction -\r\n"
                                "compléments à -20 avec division -\r\n"
                                "7 sur l'intervalle de 0 à 9 avec division -\r\n"
                                "\r\n"
                                "[Cas particuliers]\r\n"
                                "2 - aucun\r\n"
                                "\r\n"
                                "[Options particulières]\r\n"
                                "0 - table dans l'ordre\r\n"
                                "1 - plus grande opérande à gauche\r\n"
                                "2 - travail avec les nombres relatifs\r\n"
                                "\r\n"
                                "[Temps de réponse (en secondes)] \r\n"
                                "non - on ne verra pas apparaitre le pirate\r\n"
                                "8 - secondes pour que les bulles montent\r\n"
                                "\r\n"
                                "[Nombre de questions posées par exercice] \r\n"
                                "20 - questions\r\n"
                                "\r\n"
                                "[Aide]\r\n"
                                "2 - non\r\n"
                                "\r\n"
                                "[Bande numérique] \r\n"
                                "9 - de 0 à 100");

const QByteArray FinDeBloc = cp1252("\r\n"
                                    "\r\n"
                                    "[Une fois la séquence finie]\r\n"
                                    "1 - laisser la liberté à l'élève de faire ce qu'il souhaite\r\n"
                                    "\r\n"
                                    "[Rétroaction]\r\n"
                                    "2 - mettre en évidence les points négatifs\r\n");

SequenceSettings deuxExercices() {
    return {.exercices = essai::troisExercices().mid(0, 2), .UneFoisSequenceFinie = 1, .Retroaction = 2};
}

QByteArray bloc(const ExerciseSettings& x) { return Cp1252::encode(BlocExercice(x)).value(); }
}  // namespace

TEST(ParameterFiles, PupilAndDefaultFilesFollowTheLayoutByteForByte) {
    DossierTemporaire dossier;
    EcritFichier("eleve.txt", TexteParameterFile("Mme Durand", QString::fromUtf8("Léa"), deuxExercices()));
    const QByteArray exercices = "\r\n" + U39 + "\r\nExercice 1\r\n" + U39 + "\r\n" + BlocA + FinDeBloc +  //
                                 U39 + "\r\nExercice 2\r\n" + U39 + "\r\n" + BlocB + FinDeBloc;
    EXPECT_EQ(octetsDe("eleve.txt"),
              D69 + cp1252("Fichier de paramétrage fait par Mme Durand pour Léa\r\n") + D69 + "\r\n(1)\r\n" + exercices);

    EcritFichier("defaut.txt", TexteParametrageParDefaut("Mme Durand", deuxExercices()));
    EXPECT_EQ(octetsDe("defaut.txt"),
              D69 + cp1252("Fichier de paramétrage fait par Mme Durand pour le fichier de paramétrage par défaut\r\n") + D69 +
                  "\r\n(1)\r\n" + exercices);

    EcritFichier("vide.txt", TexteParameterFile("X", "Y", {}));
    EXPECT_EQ(octetsDe("vide.txt"), D69 + cp1252("Fichier de paramétrage fait par X pour Y\r\n") + D69 + "\r\n(1)\r\n");
}

TEST(ParameterFiles, TeacherFileHasCountSavingLinesAndLabelledBlocks) {
    DossierTemporaire dossier;
    const auto x = essai::troisExercices();
    const QString etiquette1 = EtiquetteExercice(1, {"(x) table de 5 sur [1..10]", QString::fromUtf8("(+) compléments à 10")});
    EXPECT_EQ(etiquette1, QString::fromUtf8("Exercice 1=>(x) table de 5 sur [1..10], (+) compléments à 10, "));
    EcritFichier("ens.txt",
                 TexteTeacherParameterFile("Mme Durand", {etiquette1, "Exercice 3=>"}, x.mid(0, 2), true, false, true));
    EXPECT_EQ(octetsDe("ens.txt"),
              D69 + cp1252("Fichier de paramétrage pour Mme Durand\r\n") + D69 + "\r\n(2)\r\n\r\n" +
                  cp1252("***Sauvegarde du profil***\r\n"
                         "* 1 - oui dans une base de données\r\n"
                         "* 3 - oui dans un fichier texte\r\n"
                         "\r\n") +
                  U39 + "\r\n" + cp1252("Exercice 1=>(x) table de 5 sur [1..10], (+) compléments à 10, \r\n") + U39 + "\r\n" +
                  BlocA + "\r\n\r\n\r\n" + U39 + "\r\nExercice 3=>\r\n" + U39 + "\r\n" + BlocB + "\r\n");

    EcritFichier("aucun.txt", TexteTeacherParameterFile("A", {}, {}, false, false, false));
    EXPECT_EQ(octetsDe("aucun.txt"), D69 + "Fichier de param\xE9trage pour A\r\n" + D69 +
                                         "\r\n(0)\r\n\r\n***Sauvegarde du profil***\r\n* 0 - non pas de sauvegarde\r\n");
    EcritFichier("tous.txt", TexteTeacherParameterFile("A", {}, {}, true, true, true));
    EXPECT_TRUE(octetsDe("tous.txt")
                    .endsWith(cp1252("* 1 - oui dans une base de données\r\n"
                                     "* 2 - oui dans un fichier tableur\r\n"
                                     "* 3 - oui dans un fichier texte\r\n")));
}

TEST(ParameterFiles, BlockLinesForEveryCodeAndTheOpenCases) {
    ExerciseSettings x;
    x.TypeExercice = 4;
    x.AvecPirate = true;  // pirate chosen but no time: the "0" line
    x.BandeNumerique = 0;
    EXPECT_TRUE(bloc(x).startsWith(cp1252("[Exercice]\r\n4 - exercice autre intrus\r\n\r\n[Tables]\r\n\r\n[Cas")));
    EXPECT_TRUE(bloc(x).contains(cp1252("oui - on met le temps avec le pirate\r\n0 - aucun temps fixé\r\n")));
    EXPECT_TRUE(bloc(x).contains("[Aide]\r\n1 - oui avec les constellations\r\n"));
    EXPECT_TRUE(bloc(x).endsWith(cp1252("[Bande numérique] \r\n0 - de 0 à 9")));
    x.BandeNumerique = 8;
    EXPECT_TRUE(bloc(x).endsWith(cp1252("8 - de 0 à 89")));
    x.BandeNumerique = 10;
    EXPECT_TRUE(bloc(x).endsWith("10 - aucune"));
    // Codes outside the lists give no line: the reader then keeps its defaults.
    x.BandeNumerique = 11;
    x.TypeExercice = 7;
    x.TypeAide = 3;
    x.TempsDeReponse = -1;
    x.tables = {EntreeTable::table(2, 1, 10, 4)};
    EXPECT_TRUE(bloc(x).endsWith(cp1252("[Bande numérique] ")));
    EXPECT_TRUE(bloc(x).startsWith("[Exercice]\r\n\r\n[Tables]\r\n\r\n[Cas"));
    EXPECT_TRUE(bloc(x).contains(cp1252("0 - aucun temps fixé\r\n")));
    EXPECT_TRUE(bloc(x).contains("[Aide]\r\n\r\n"));
}
