#include "DossierTemporaire.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "logique/journal/Journal.h"
#include "logique/identification/VerifieNom.h"

#include <gtest/gtest.h>

using Registre::Issue;

namespace {
const QString NomIncorrect = "Le nom que vous venez d'entrer n'est pas correct";
const QString Existe = QString::fromUtf8("Ce nom existe déjà! Veuillez en saisir un autre");
const QByteArray Entete = "-------------Fichier contenant le nom des enseignants----------\r\n";

// A working folder as start-up leaves it, every box answered OK.
class RegistreTest : public ::testing::Test {
protected:
    void SetUp() override {
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun"});
    }

    DossierTemporaire dossier;
    SharedState etat;
};

TEST_F(RegistreTest, TeacherRegistrationWritesTheListAndAnEmptyClassList) {
    EXPECT_EQ(Registre::EnregistreEnseignant(etat, "Martin", {1, 2}), Issue::Enregistre);
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\nMartin\r\n>1 - enseigne la classe de ce1\r\n"
                                                   ">2 - enseigne la classe de ce2\r\n");
    EXPECT_EQ(octetsDe("classe de Martin/classe_Martin.txt"),
              QByteArray("--------------Fichier de la classe de Martin--------------\r\n"));
    EXPECT_FALSE(QFileInfo::exists("classe sans enseignant"));
    EXPECT_TRUE(Messages::recueille().isEmpty());

    // Levels are written in list order whatever order they were ticked in.
    EXPECT_EQ(Registre::EnregistreEnseignant(etat, u("Zoé"), {5, 0}), Issue::Enregistre);
    EXPECT_TRUE(octetsDe("enseignant.txt")
                    .endsWith(cp1252("Zoé\r\n>0 - enseigne la classe de cp\r\n"
                                     ">5 - enseigne la classe de college\r\n")));
}

// Whatever their case; another level is another line, another pupil.
TEST_F(RegistreTest, ExistingNamesAreRefusedAndNothingChanges) {
    Registre::EnregistreEnseignant(etat, "Martin", {1});
    EXPECT_EQ(Registre::EnregistreEleve(etat, "Lea", "Martin", "cp"), Issue::Enregistre);
    const QByteArray avant = octetsDe("enseignant.txt"), eleves = octetsDe("classe de Martin/classe_Martin.txt");
    for (const char* nom : {"aucun", "Martin", "martin", "MARTIN"})
        EXPECT_EQ(Registre::EnregistreEnseignant(etat, nom, {3}), Issue::Existant) << nom;
    for (const char* nom : {"Lea", "lea", "LEA"})
        EXPECT_EQ(Registre::EnregistreEleve(etat, nom, "Martin", "cp"), Issue::Existant) << nom;
    EXPECT_EQ(Messages::recueille(), QStringList(7, Existe));
    EXPECT_EQ(octetsDe("enseignant.txt"), avant);
    EXPECT_EQ(octetsDe("classe de Martin/classe_Martin.txt"), eleves);
    EXPECT_EQ(QDir(".").entryList({"classe *"}, QDir::Dirs), QStringList({"classe de Martin"}));
    EXPECT_EQ(Registre::EnregistreEleve(etat, "lea", "Martin", "ce1"), Issue::Enregistre);
    EXPECT_EQ(Registre::EnregistreEleve(etat, "eleve sans_id", "aucun", ""), Issue::Refuse);

    // "aucun" stays taken in a list that lost its line.
    FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants});
    EXPECT_EQ(Registre::EnregistreEnseignant(etat, "aucun", {}), Issue::Existant);
    EXPECT_EQ(Gestion_meme_nom("x", "absent.txt"), 0);
}

TEST_F(RegistreTest, MissingTeacherListIsCreatedWithTheFolderForPupilsWithoutTeacher) {
    QFile::remove("enseignant.txt");
    EXPECT_EQ(Registre::EnregistreEnseignant(etat, "Martin", {}), Issue::Enregistre);
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\nMartin\r\n");
    EXPECT_TRUE(QFileInfo("classe sans enseignant").isDir());
}

TEST_F(RegistreTest, PupilsAreLinesOfTheirTeachersList) {
    Registre::EnregistreEnseignant(etat, "Martin", {1, 4});
    Registre::EnregistreEnseignant(etat, "Dupont", {});
    EXPECT_EQ(Registre::EnregistreEleve(etat, u("Léa"), "Martin", "ce1"), Issue::Enregistre);
    EXPECT_EQ(Registre::EnregistreEleve(etat, u("Léa"), "Martin", "cm1"), Issue::Enregistre);
    EXPECT_EQ(octetsDe("classe de Martin/classe_Martin.txt"), "--------------Fichier de la classe de Martin--------------\r\n" +
                                                                  cp1252("Léa en classe de ce1\r\nLéa en classe de cm1\r\n"));
    // A teacher who teaches no level gives pupils without level: the bare name.
    EXPECT_EQ(Registre::EnregistreEleve(etat, "Paul", "Dupont", ""), Issue::Enregistre);
    EXPECT_EQ(octetsDe("classe de Dupont/classe_Dupont.txt"),
              QByteArray("--------------Fichier de la classe de Dupont--------------\r\nPaul\r\n"));

    EXPECT_FALSE(QFileInfo::exists("classe sans enseignant"));
    EXPECT_EQ(Registre::EnregistreEleve(etat, "Tom", "aucun", "cp"), Issue::Enregistre);
    EXPECT_EQ(octetsDe("classe sans enseignant/eleve_sans_enseignant.txt"),
              QByteArray("-----------Fichier des eleves sans enseignant---------\r\nTom en classe de cp\r\n"));
}

TEST_F(RegistreTest, PupilWithoutChosenOrRegisteredTeacherIsRefused) {
    const QString pasDEnseignant = u("Vous n'avez pas sélectionner d'enseignant. Si vous ne voulez pas appartenir à "
                                     "une classe selectionné le nom : 'aucun'.");
    EXPECT_EQ(Registre::EnregistreEleve(etat, "Tom", "", "cp"), Issue::Refuse);
    // A teacher removed since the drop-down was filled is no teacher.
    EXPECT_EQ(Registre::EnregistreEleve(etat, "Tom", "Parti", "cp"), Issue::Refuse);
    EXPECT_EQ(Registre::EnregistreEleve(etat, "-Tom", "aucun", "cp"), Issue::Refuse);
    EXPECT_EQ(Messages::recueille(), QStringList({pasDEnseignant, pasDEnseignant, NomIncorrect}));
    EXPECT_FALSE(QFileInfo::exists("classe de Parti"));
    EXPECT_FALSE(QFileInfo::exists("classe sans enseignant"));
}

TEST_F(RegistreTest, LevelsOfATeacherComeFromItsLevelLines) {
    Registre::EnregistreEnseignant(etat, "Martin", {1, 2});
    Registre::EnregistreEnseignant(etat, "Dupont", {});
    Registre::EnregistreEnseignant(etat, "Zoe", {5});
    EXPECT_EQ(*Registre::NiveauxEnseignant(etat, "Martin"), QStringList({"ce1", "ce2"}));
    EXPECT_EQ(*Registre::NiveauxEnseignant(etat, "Dupont"), QStringList());
    EXPECT_EQ(*Registre::NiveauxEnseignant(etat, "aucun"), Registre::Niveaux);
    QFile::remove("enseignant.txt");
    EXPECT_FALSE(Registre::NiveauxEnseignant(etat, "aucun").has_value());
}

TEST_F(RegistreTest, RemovingATeacherKeepsTheOthersLines) {
    Registre::EnregistreEnseignant(etat, "Dupont", {});
    Registre::EnregistreEnseignant(etat, "Martin", {1});
    Registre::EnregistreEleve(etat, "Paul", "Dupont", "");
    FichierTexte::ecritLignes("classe de Dupont/profil_Paul_de_Dupont.txt", {"x"});
    EXPECT_TRUE(Registre::SupprimeEnseignant(etat, "Dupont"));
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\nMartin\r\n>1 - enseigne la classe de ce1\r\n");
    EXPECT_FALSE(QFileInfo::exists("classe de Dupont"));
    EXPECT_TRUE(QFileInfo::exists("classe de Martin/classe_Martin.txt"));
    EXPECT_EQ(Messages::recueille(), QStringList({u("Le dossier de l'enseignant Dupont a bien été supprimer")}));

    // A teacher whose folder has gone: the lines go, no message.
    QDir("classe de Martin").removeRecursively();
    EXPECT_FALSE(Registre::SupprimeEnseignant(etat, "Martin"));
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\n");
    EXPECT_TRUE(Messages::recueille().isEmpty());

    EXPECT_FALSE(Registre::SupprimeEnseignant(etat, "aucun"));
    EXPECT_FALSE(Registre::SupprimeEnseignant(etat, "Enseignant non inscrit"));
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\n");
}

TEST_F(RegistreTest, RemovingAPupilRemovesExactlyEqualLinesAndTheirFiles) {
    Registre::EnregistreEnseignant(etat, "Martin", {1});
    ecritOctets("classe de Martin/classe_Martin.txt",
                "--------------Fichier de la classe de Martin--------------\r\n"
                "Tom en classe de ce1\r\nTom en classe de ce10\r\nTom\r\nTom en classe de ce1\r\n");
    // Their files, the temporary copies of their files and their answers go, nobody else's.
    for (const char* eleve : {"Tom en classe de ce1", "Tom en classe de ce10"})
        Journal::ecrit({.enseignant = u("Martin"),
                        .eleve = u(eleve),
                        .moment = Journal::momentUnique(),
                        .fait = {},
                        .reponse = {},
                        .operations = {}},
                       u("classe de Martin/"));
    Journal::attends();
    for (const char* f :
         {"profil_Tom en classe de ce1_de_Martin.txt", "parametrage_Tom en classe de ce1_de_Martin.txt",
          "amenagement_Tom en classe de ce1_de_Martin.txt", "amenagement_Tom_de_Martin.txt",
          "parametrage_Tom en classe de ce1_de_Martin.txt.~a1b2c", "profil_Tom en classe de ce1_de_Martin.txt.~zz999",
          "profil_Tom_de_Martin.txt", "profil_Tom_de_Martin.txt.~a1b2c"})
        ecritOctets(QString("classe de Martin/") + f, "x");
    Registre::SupprimeEleve("Tom en classe de ce1", "Martin");
    EXPECT_EQ(octetsDe("classe de Martin/classe_Martin.txt"),
              QByteArray("--------------Fichier de la classe de Martin--------------\r\n"
                         "Tom en classe de ce10\r\nTom\r\n"));
    EXPECT_EQ(QDir("classe de Martin").entryList(QDir::Files),
              QStringList({"amenagement_Tom_de_Martin.txt", "classe_Martin.txt", "journal_des_reponses_de_Martin.sqlite",
                           "profil_Tom_de_Martin.txt", "profil_Tom_de_Martin.txt.~a1b2c"}));
    EXPECT_EQ(Journal::ouvre(u("Martin"), u("classe de Martin/"))->eleves(u("Martin")), QStringList{u("Tom en classe de ce10")});

    const QByteArray avant = octetsDe("classe de Martin/classe_Martin.txt");
    Registre::SupprimeEleve(u("Elève non inscrit"), "Martin");
    EXPECT_EQ(octetsDe("classe de Martin/classe_Martin.txt"), avant);
}

TEST(VerifieNom, KeepsTheRegistryReadableAndFileNamesValid) {
    for (const QString& nom : {u("Martin-"), u("Martin_"), u("Léa"), u("Anne-Marie"), u("O'Brien"), u(".Martin"), u("Œdipe €"),
                               u("Aucune"), u("Lea Lou"), u("a&b"), u("a-b_c")})
        EXPECT_FALSE(VerifieNom(nom)) << nom.toStdString();
    for (const QString& nom : {u(""), u(" "), u("   "), u(" Léa"), u("-Léa"), u("_Léa"), u(">Léa"), u("\tLéa"), u("Lé\ta"),
                               u("Léa\r\n"), u("a/b"), u("a\\b"), u("."), u(".."), u("a:b"), u("a*b"), u("a?b"), u("a\"b"),
                               u("a<b"), u("a|b"), u("L\u0081a"), u("L\u007fa"), u("Léa 🐟"), u("Ǆ"), u("\u00a0Léa"),
                               // Windows drops trailing blanks and dots; invisible characters make look-alikes.
                               u("Lea "), u("Lea."), u("Lea\u00a0"), u("Le\u00a0a"), u("Le\u00ada"), u("Le\u200ba"),
                               // The list entries, whatever their case and blanks.
                               u("aucun"), u("Aucun"), u("AUCUN"), u("Enseignant non inscrit"), u("enseignant  non inscrit"),
                               u("Elève non inscrit"), u("ELÈVE NON INSCRIT"), u("eleve sans_id"), u("Eleve Sans_Id")})
        EXPECT_TRUE(VerifieNom(nom)) << nom.toStdString();
}

TEST(VerifieNom, DerivedFileNamesFitIn255BytesWithRoomForWhatIsMadeBesideThem) {
    // The longest name made from a teacher alone is the answer journal set aside when damaged,
    // "journal_des_reponses_de_<T>.abime_<date>_<time>_<n>.sqlite" (59 bytes and T's), with 16 bytes
    // kept free beside it: at 181 bytes it alone is too long.
    EXPECT_FALSE(VerifieNomEnseignant(QString(180, 'a')));
    EXPECT_TRUE(VerifieNomEnseignant(QString(181, 'a')));
    // Bytes are counted in UTF-8: "é" is two.
    EXPECT_FALSE(VerifieNomEnseignant(QString(90, QChar(0xe9))));
    EXPECT_TRUE(VerifieNomEnseignant(QString(91, QChar(0xe9))));
    EXPECT_TRUE(VerifieNomEnseignant(u("Enseignant non inscrit")));
    EXPECT_TRUE(VerifieNomEnseignant(u("Mar/tin")));

    // A pupil: "parametrage_<line>_de_<teacher>.txt", the whole line counted.
    const QString t(100, 'b');
    const QString niveau = u(" en classe de college");
    const QString court(119 - niveau.size(), 'a'), long_(120 - niveau.size(), 'a');
    EXPECT_FALSE(VerifieNomEleve(court, court + niveau, t));
    EXPECT_TRUE(VerifieNomEleve(long_, long_ + niveau, t));
    EXPECT_TRUE(VerifieNomEleve(u("-Tom"), u("-Tom en classe de cp"), t));
    EXPECT_TRUE(VerifieNomEleve(u("Elève non inscrit"), u("Elève non inscrit"), t));
    EXPECT_TRUE(VerifieNomEleve(u("Elève non inscrit"), u("Elève non inscrit en classe de cp"), t));
    EXPECT_TRUE(VerifieNomEleve(EleveSansId, EleveSansId, Registre::Aucun));
}

// One name of each kind of rule (every rule: above).
TEST_F(RegistreTest, RefusedNamesWriteNothing) {
    const QStringList refuses = {
        "", "-Martin", "Mar/tin", "..", u("Martin 🐟"), QString(230, 'a'), "Martin.", "Aucun", u("Elève non inscrit ")};
    for (const QString& nom : refuses) {
        EXPECT_EQ(Registre::EnregistreEnseignant(etat, nom, {0}), Issue::Refuse) << nom.toStdString();
        EXPECT_EQ(Registre::EnregistreEleve(etat, nom, "aucun", ""), Issue::Refuse) << nom.toStdString();
    }
    EXPECT_EQ(Messages::recueille(), QStringList(QList<QString>(refuses.size() * 2, NomIncorrect)));
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\n");
    EXPECT_TRUE(QDir(".").entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(RegistreTest, HandEditedFilesLoseNothing) {
    // LF line ends, a blank line, a line of blanks, a teacher twice, unreadable level lines, a level
    // whose words are not its index's, and no line end after the last line.
    const QByteArray martin =
        ">1 - enseigne la classe de ce1\n>9 - ?\n>x\n>6 - x\n>-1 - x\n> - x\n>\n>5 - enseigne la classe de cp\n";
    ecritOctets("enseignant.txt", "-------------Fichier contenant le nom des enseignants----------\naucun\n\n   \nMartin\n" +
                                      martin + "Dupont\nMartin\n>4");
    EXPECT_EQ(*Registre::NiveauxEnseignant(etat, "Martin"), QStringList({"ce1", "college", "cm2"}));
    EXPECT_EQ(Registre::EnregistreEnseignant(etat, "Zoe", {}), Issue::Enregistre);
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\n\r\n   \r\nMartin\r\n" + QByteArray(martin).replace("\n", "\r\n") +
                                              "Dupont\r\nMartin\r\n>4\r\nZoe\r\n");
    // Both lines of Martin go with their level lines.
    QDir().mkdir("classe de Martin");
    EXPECT_TRUE(Registre::SupprimeEnseignant(etat, "Martin"));
    EXPECT_EQ(octetsDe("enseignant.txt"), Entete + "aucun\r\n\r\n   \r\nDupont\r\nZoe\r\n");

    // A class list lost by hand comes back with its own header.
    QFile::remove("classe de Zoe/classe_Zoe.txt");
    EXPECT_EQ(Registre::EnregistreEleve(etat, "Tom", "Zoe", ""), Issue::Enregistre);
    EXPECT_EQ(octetsDe("classe de Zoe/classe_Zoe.txt"),
              QByteArray("--------------Fichier de la classe de Zoe--------------\r\nTom\r\n"));
    // Even the teacher's folder.
    QDir("classe de Zoe").removeRecursively();
    EXPECT_EQ(Registre::EnregistreEleve(etat, "Tom", "Zoe", ""), Issue::Enregistre);
    EXPECT_TRUE(QFileInfo::exists("classe de Zoe/classe_Zoe.txt"));
    // A pupil list without line end after its last line.
    ecritOctets("classe de Zoe/classe_Zoe.txt", "--------------Fichier de la classe de Zoe--------------\nTom");
    Registre::EnregistreEleve(etat, "Ana", "Zoe", "");
    EXPECT_EQ(octetsDe("classe de Zoe/classe_Zoe.txt"),
              QByteArray("--------------Fichier de la classe de Zoe--------------\r\nTom\r\nAna\r\n"));
    EXPECT_EQ(QDir("classe de Zoe").entryList(QDir::Files), QStringList({"classe_Zoe.txt"}));
}
}  // namespace
