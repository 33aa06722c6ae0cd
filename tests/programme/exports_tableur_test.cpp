// Every CSV file the program writes, opened by a real spreadsheet (LibreOffice, kept as .xlsx and
// read back with openpyxl): a name, a fact or an answer that looks like a formula stays the text
// written, and the program's figures stay numbers.
#include "DossierTemporaire.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"
#include "logique/identification/ImportEleves.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/journal/ExportCsv.h"
#include "logique/suivi/SuiviClasse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
// What LibreOffice made of each cell of the first sheet, "<type> <value>" by row: "s" text, "n"
// number, "f" formula.
QJsonArray luParLibreOffice(const QString& soffice, const QString& csv, const QString& filtre) {
    QProcess p;
    p.start(soffice, {"-env:UserInstallation=file://" + QDir::currentPath() + "/profil", "--headless", "--infilter=" + filtre,
                      "--convert-to", "xlsx", csv});
    EXPECT_TRUE(p.waitForFinished(120000) && p.exitCode() == 0) << p.readAllStandardError().toStdString();
    p.start("/usr/bin/python3", {"-c",
                                 "import json,sys,openpyxl\n"
                                 "f=openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                                 "print(json.dumps([[c.data_type+' '+str(c.value) for c in r] for r in f.iter_rows()]))",
                                 QFileInfo(csv).completeBaseName() + ".xlsx"});
    EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}
}  // namespace

TEST(ExportsTableur, NoCellIsReadAsAFormulaAndFiguresStayNumbers) {
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice absent : les exports ne sont pas ouverts dans un tableur";
    DossierTemporaire dossier;
    const QStringList hostiles = {"=1+2",
                                  "+33 6 12 34 56 78",
                                  "-Paul",
                                  "@SOMME(1;2)",
                                  "\tTab",
                                  "=HYPERLINK(\"http://exemple.invalid\";\"clic\")",
                                  "=WEBSERVICE(\"http://exemple.invalid\")",
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
    QDir().mkpath(NomsDossier::dossierClasse("Martin"));
    FichierTexte::ecritLignes(Registre::FichierListeEleves("Martin"), liste);
    ecritOctets("liste.csv", ImportEleves::exporte("Martin"));
    ecritOctets("classe.csv", Suivi::csvClasse(lignes));
    ecritOctets("journal.csv", ExportCsv::journal(entrees));

    const struct {
        const char* fichier;
        const char* filtre;  // ";", '"', the encoding (1: Windows-1252, 76: UTF-8), from line 1
        QStringList noms;
        QList<int> colonnesNoms;
        QMap<int, QString> autres;  // exercise 4's target and a figure
    } exports[] = {{"liste.csv", "CSV:59,34,1,1", inscrits, {0}, {}},
                   {"classe.csv", "CSV:59,34,76,1", hostiles, {0}, {{2, "n 3"}}},
                   {"journal.csv", "CSV:59,34,76,1", hostiles, {0, 1, 13}, {{11, "s '= 7"}, {15, "n 2"}}}};
    for (const auto& x : exports) {
        SCOPED_TRACE(x.fichier);
        const QJsonArray feuille = luParLibreOffice(soffice, x.fichier, x.filtre);
        ASSERT_EQ(feuille.size(), x.noms.size() + 1);
        for (int r = 1; r < feuille.size(); ++r) {
            const QStringList ligne = feuille[r].toVariant().toStringList();
            EXPECT_TRUE(ligne.filter(QRegularExpression("^f ")).isEmpty()) << ligne.join('|').toStdString();
            // A carriage return in a cell is kept as a line break.
            const QString nom = "s '" + QString(x.noms[r - 1]).replace('\r', '\n');
            for (int colonne : x.colonnesNoms) EXPECT_EQ(ligne[colonne].toStdString(), nom.toStdString());
            for (auto [colonne, attendu] : x.autres.asKeyValueRange())
                EXPECT_EQ(ligne[colonne].toStdString(), attendu.toStdString());
        }
    }
}
