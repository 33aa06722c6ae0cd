// Every CSV file the program writes, opened by a real spreadsheet (LibreOffice, kept as .xlsx and
// read back with openpyxl): a name, a fact or an answer that looks like a formula stays the text
// written, and the program's figures stay numbers.
#include "DossierTemporaire.h"
#include "base/FichierTexte.h"
#include "identity/ImportEleves.h"
#include "identity/NomsRegistre.h"
#include "journal/ExportCsv.h"
#include "suivi/SuiviClasse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
// What LibreOffice made of each cell of the first sheet: [value, openpyxl's type] by row.
QJsonArray luParLibreOffice(const QString& soffice, const QString& csv, const QString& filtre) {
    QProcess p;
    p.start(soffice, {"-env:UserInstallation=file://" + QDir::currentPath() + "/profil", "--headless",
                      "--infilter=" + filtre, "--convert-to", "xlsx", csv});
    EXPECT_TRUE(p.waitForFinished(120000) && p.exitCode() == 0) << p.readAllStandardError().toStdString();
    QProcess py;
    py.start("/usr/bin/python3", {"-c", "import json,sys,openpyxl\n"
                                        "f=openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                                        "print(json.dumps([[[c.value,c.data_type] for c in r] for r in f.iter_rows()],default=str))",
                                  QFileInfo(csv).completeBaseName() + ".xlsx"});
    EXPECT_TRUE(py.waitForFinished(60000) && py.exitCode() == 0) << py.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(py.readAllStandardOutput()).array();
}

// A cell as "<type> <value>": "s" text, "n" number, "f" formula.
std::string cellule(const QJsonValue& c) {
    const QJsonValue v = c[0];
    return (c[1].toString() + " " + (v.isDouble() ? QString::number(v.toDouble()) : v.toString())).toStdString();
}
}  // namespace

TEST(ExportsTableur, NoCellIsReadAsAFormulaAndFiguresStayNumbers) {
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice absent : les exports ne sont pas ouverts dans un tableur";
    DossierTemporaire dossier;
    const QStringList hostiles = {"=1+2", "+33 6 12 34 56 78", "-Paul", "@SOMME(1;2)", "\tTab",
                                  "=HYPERLINK(\"http://exemple.invalid\";\"clic\")", "=WEBSERVICE(\"http://exemple.invalid\")",
                                  "\r=1+2"};
    QStringList liste{Registre::EnteteListeEleves("Martin")}, inscrits;
    QList<LigneClasse> lignes;
    QList<EntreeJournal> entrees;
    for (const QString& h : hostiles) {
        // A class list's line holds no line break, and one starting with "-" is a heading.
        if (!h.startsWith('\r') && !h.startsWith('-')) {
            inscrits << h;
            liste << h + " en classe de ce1";
        }
        LigneClasse l;
        l.eleve = h;
        l.exercicesSemaine = 3;
        lignes << l;
        EntreeJournal e;
        e.enseignant = e.eleve = e.reponse = h;
        e.typeExercice = 4;
        e.fait = Fait{3, Operation::Addition, 4, 7};
        e.essais = 2;
        entrees << e;
    }
    QDir().mkpath(Registre::DossierDeClasse("Martin"));
    FichierTexte::ecritLignes(Registre::FichierListeEleves("Martin"), liste);
    ecritOctets("liste.csv", ImportEleves::exporte("Martin"));
    ecritOctets("classe.csv", Suivi::csvClasse(lignes));
    ecritOctets("journal.csv", ExportCsv::journal(entrees));

    struct Export {
        const char* fichier;
        const char* filtre;  // ";", '"', the encoding (1: Windows-1252, 76: UTF-8), from line 1
        QList<int> colonnesNoms;
        int colonneNombre;
        std::string nombre;
    };
    const Export exports[] = {{"liste.csv", "CSV:59,34,1,1", {0}, -1, ""},
                              {"classe.csv", "CSV:59,34,76,1", {0}, 2, "n 3"},
                              {"journal.csv", "CSV:59,34,76,1", {0, 1, 13}, 15, "n 2"}};
    for (const Export& x : exports) {
        SCOPED_TRACE(x.fichier);
        const QJsonArray feuille = luParLibreOffice(soffice, x.fichier, x.filtre);
        const QStringList attendus = QString(x.fichier) == "liste.csv" ? inscrits : hostiles;
        ASSERT_EQ(feuille.size(), attendus.size() + 1);
        for (int r = 1; r < feuille.size(); ++r) {
            const QJsonArray ligne = feuille[r].toArray();
            for (const QJsonValue& c : ligne) EXPECT_NE(c[1].toString(), "f") << cellule(c);
            // A carriage return in a cell is kept as a line break.
            const std::string nom = "s '" + QString(attendus[r - 1]).replace('\r', '\n').toStdString();
            for (int colonne : x.colonnesNoms) EXPECT_EQ(cellule(ligne[colonne]), nom);
            if (x.colonneNombre >= 0) {
                EXPECT_EQ(cellule(ligne[x.colonneNombre]), x.nombre);
            }
            if (QString(x.fichier) == "journal.csv") {
                EXPECT_EQ(cellule(ligne[11]), "s '= 7");  // exercise 4's target
            }
        }
    }
}
