// Reading pupil lists: CSV syntax and encodings, the columns found by their headers or without
// them, and the first sheet of workbooks written by other programs.
#include "DossierTemporaire.h"
#include "logique/base/Avancement.h"
#include "logique/base/Erreurs.h"
#include "logique/listes/ListeLue.h"
#include "logique/listes/TableauCsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
const QStringList Niveaux = {"cp", "ce1", "ce2", "cm1", "cm2", "college"};

// "numero:nom/niveau" for each pupil read, to compare whole lists at once.
QStringList resume(const QList<ListeLue::Eleve>& eleves) {
    QStringList r;
    for (const auto& e : eleves) r << QString("%1:%2/%3%4").arg(e.numero).arg(e.nom, e.niveau, e.sansNiveau ? "(sans)" : "");
    return r;
}

QList<ListeLue::Eleve> depuisCsv(const QByteArray& octets) { return ListeLue::depuisCsv(octets, Niveaux); }

void ecritClasseur(const char* genre, const QString& chemin, const QList<QStringList>& lignes) {
    QJsonArray tableau;
    for (const QStringList& l : lignes) tableau.append(QJsonArray::fromStringList(l));
    QProcess python;
    python.start("/usr/bin/python3", {MARIVELLE_DOSSIER_TESTS "/ecrit_classeur.py", genre, chemin,
                                      QString::fromUtf8(QJsonDocument(tableau).toJson(QJsonDocument::Compact))});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
}
}  // namespace

TEST(TableauCsv, QuotesSeparatorsAndEncodingsAreRead) {
    // Quoted cells hold separators, doubled quotes and line ends; blanks before a quote are spacing.
    EXPECT_EQ(TableauCsv::lit("a;\"b;c\";\"d \"\"e\"\"\"\r\n\r\n \"f\ng\";h\n"),
              QList<QStringList>({{"a", "b;c", "d \"e\""}, {}, {"f\ng", "h"}}));
    EXPECT_EQ(TableauCsv::lit("a,b\tc"), QList<QStringList>({{"a,b", "c"}}));
    EXPECT_EQ(TableauCsv::lit("a,\"b;c\",d"), QList<QStringList>({{"a", "b;c", "d"}}));
    // Progress reported to the end, and a stop asked for is obeyed.
    Avancement avancement, arret;
    TableauCsv::lit(QByteArray(10000, 'a'), &avancement);
    EXPECT_EQ(avancement.pourMille(), 1000);
    arret.demandeArret();
    EXPECT_THROW(TableauCsv::lit("a;b\n", &arret), TravailAnnule);
    // The separator most lines share, not a title's.
    EXPECT_EQ(TableauCsv::lit("Liste, CE1\nL;M\nZ;R\n"), QList<QStringList>({{"Liste, CE1"}, {"L", "M"}, {"Z", "R"}}));
    EXPECT_EQ(TableauCsv::lit("Léa\r\n"), QList<QStringList>({{"Léa"}}));
    // UTF-8 with or without its mark, else Windows-1252 (œ and ’ included), decided line by line;
    // UTF-16 after its mark.
    const std::pair<QByteArray, const char*> textes[] = {{"\xEF\xBB\xBFZo\xC3\xA9 \xC5\x93 \xE2\x80\x99", "Zoé œ ’"},
                                                         {"Zo\xC3\xA9 \xC5\x93 \xE2\x80\x99", "Zoé œ ’"},
                                                         {"Zo\xE9 \x9C \x92", "Zoé œ ’"},
                                                         {"\xEF\xBB\xBFL\xC3\xA9"
                                                          "a\r\nZo\xE9\r\nMa\xC3\xABl",
                                                          "Léa\r\nZoé\r\nMaël"},
                                                         {QByteArray("\xFF\xFEL\0\xE9\0"
                                                                     "a\0\n\0\x53\x01",
                                                                     12),
                                                          "Léa\nœ"},
                                                         {QByteArray("\xFE\xFF\0L\0\xE9\0"
                                                                     "a\0\n\x01\x53",
                                                                     12),
                                                          "Léa\nœ"}};
    for (const auto& [octets, texte] : textes) EXPECT_EQ(TableauCsv::decode(octets), u(texte)) << octets.toHex().toStdString();
    // No text: a byte Windows-1252 leaves unassigned, a control, UTF-16 without its mark or with a broken pair.
    const std::pair<QByteArray, int> illisibles[] = {{"L\xC3\xA9"
                                                      "a\nZo\xE9\nx\x81y\n",
                                                      3},
                                                     {"Zo\xC3\xA9\r\n\x01\r\n", 2},
                                                     {QByteArray("L\0\xE9\0", 4), 1},
                                                     {QByteArray("\xFF\xFEL\0\n\0\x00\xD8"
                                                                 "a\0",
                                                                 10),
                                                      2}};
    for (const auto& [octets, ligne] : illisibles) {
        try {
            TableauCsv::decode(octets);
            ADD_FAILURE() << octets.toHex().toStdString();
        } catch (const TableauCsv::TexteIllisible& e) {
            EXPECT_EQ(e.ligne, ligne) << octets.toHex().toStdString();
        }
    }
}

TEST(ListeLue, ColumnsAreFoundByTheirHeadersOrByTheirContents) {
    struct Cas {
        const char* fichier;
        QStringList attendu;
    };
    const Cas cas[] = {
        {"Prénom;Nom;Niveau\r\nLéa;Martin;CE1\r\n\r\nZoé;N'Diaye;\r\n", {u("2:Léa Martin/CE1"), u("4:Zoé N'Diaye/")}},
        // Another order, capitals, other words, columns that are not read.
        {"NOM;PRENOM;PRENOM 2;DATE DE NAISSANCE;CLASSE\nMARTIN;Léa;Rose;01/02/2018;cm1\n", {u("2:Léa MARTIN/cm1")}},
        {"N°,Nom de famille,Prénom(s),Niveau de classe\n1,Côté,Noémie,CE 2\n", {u("2:Noémie Côté/CE 2")}},
        // The whole name in one column; of several columns of a kind the first counts ("Nom d'usage" not).
        {"Élève;Classe\n  Léa   Martin ;Collège\n", {u("2:Léa Martin/Collège")}},
        {"Prénom et nom;Nom d'usage\nLéa Martin;Dupont\n", {u("2:Léa Martin/")}},
        // Without a header: first name, name and level; name and level; a name alone.
        {"Léa;Martin;ce1\nZoé;Roux;cp\n", {u("1:Léa Martin/ce1"), u("2:Zoé Roux/cp")}},
        {"Léa;Martin;12/03/2018\n", {u("1:Léa Martin/")}},
        {"Léa Martin;CE1\nZoé Roux;\n", {u("1:Léa Martin/CE1"), u("2:Zoé Roux/")}},
        {"\n\nLéa Martin\n", {u("3:Léa Martin/")}},
        // Titles and blank lines above the header, commas in them; the header's separator counts.
        {"Nom de l'école : Jules Ferry\r\nListe des élèves de CE1, année 2026-2027\r\n\r\nNom;Prénom;Classe\r\n"
         "Martin;Léa;CE1\r\nRoux;Zoé;ce1\r\n",
         {u("5:Léa Martin/CE1"), u("6:Zoé Roux/ce1")}},
        {"École Jules Ferry, Paris\nAnnée 2026-2027, CE1\nEnseignante : Mme Martin, CE1\n\nNom;Prénom\nMartin;Léa\n",
         {u("6:Léa Martin/")}},
        // The program's own class list: an empty level there means none; elsewhere, none given.
        {"Nom;Niveau\r\nLéa Martin;ce1\r\nZoé Roux;\r\n", {u("2:Léa Martin/ce1"), u("3:Zoé Roux/(sans)")}},
        {"Nom;Niveau\r\nLéa Martin;CE1\r\nZoé Roux;\r\n", {u("2:Léa Martin/CE1"), u("3:Zoé Roux/")}},
        {";;\n\n", {}},
    };
    for (const Cas& c : cas) EXPECT_EQ(resume(depuisCsv(QByteArray(c.fichier))), c.attendu) << c.fichier;
}

TEST(ListeLue, LevelsAreRecognisedWhateverTheirSpelling) {
    const std::pair<const char*, const char*> cas[] = {{"CE1", "ce1"},    {"ce 1", "ce1"},
                                                       {" Cm2 ", "cm2"},  {"Collège", "college"},
                                                       {"6e", "college"}, {"CP", "cp"},
                                                       {"ce3", ""},       {"", ""}};
    for (const auto& [texte, niveau] : cas) EXPECT_EQ(ListeLue::niveauReconnu(u(texte), Niveaux), QString(niveau)) << texte;
}

TEST(ListeLue, TheFirstSheetOfAWorkbookIsRead) {
    DossierTemporaire dossier;
    // Gaps and equal neighbours: repeated cells and rows in an .ods (made by hand, a million empty rows at its end).
    const QList<QStringList> lignes = {{u("Prénom"), "Nom", "", "", "Classe"},
                                       {u("Anaïs"), "D'Arc", "", "", "ce2"},
                                       {},
                                       {},
                                       {u("Maël"), u("Le  Guénnec")},
                                       {"Martin", "Martin", "", "", "cm1"},
                                       {"Martin", "Martin", "", "", "cm1"},
                                       {"", "Seul", "", "", "cp"}};
    const QStringList attendu = {u("2:Anaïs D'Arc/ce2"), u("5:Maël Le Guénnec/"), "6:Martin Martin/cm1", "7:Martin Martin/cm1",
                                 "8:Seul/cp"};
    for (const QString fichier : {"liste.xlsx", "liste.ods"}) {
        ecritClasseur(qPrintable(fichier.section('.', 1)), fichier, lignes);
        EXPECT_EQ(resume(ListeLue::lit(fichier, Niveaux)), attendu) << qPrintable(fichier);
    }

    // A file that is no list says so, and why.
    ecritOctets("faux.xlsx", "Prénom;Nom\n");
    ecritOctets("faux.ods", QByteArray("PK\x03\x04", 4));
    ecritOctets("ancien.xls", QByteArray("\xD0\xCF\x11\xE0", 4));
    ecritOctets("photo.csv", QByteArray("\xFF\xD8\xFF\x00JFIF", 8));
    const std::pair<const char*, const char*> faux[] = {
        {"faux.xlsx", "Le fichier « faux.xlsx » n'est pas un classeur lisible : la liste n'a pas été lue."},
        {"faux.ods", "Le fichier « faux.ods » n'est pas un classeur lisible : la liste n'a pas été lue."},
        {"ancien.xls", "Le classeur « ancien.xls » est dans l'ancien format .xls, qui n'est pas lu : enregistrez-le "
                       "en .xlsx, .ods ou .csv depuis votre tableur."},
        {"photo.csv",
         "Le fichier « photo.csv » n'est pas une liste d'élèves en texte (CSV) ni un classeur .xlsx ou "
         ".ods : sa ligne 1 n'est ni du texte UTF-8, ni du Windows-1252, ni de l'UTF-16. La liste n'a pas été lue."}};
    for (const auto& [fichier, raison] : faux) {
        try {
            ListeLue::lit(fichier, Niveaux);
            ADD_FAILURE() << fichier;
        } catch (const ErreurFichier& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), u(raison));
        }
    }
}
