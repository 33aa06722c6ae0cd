// Reading the first sheet of a class-list workbook (TableauClasseur): 5,000 rows × 25 columns and
// 100,000 rows × 10, as .xlsx (every text a shared string, as spreadsheets write them) and as .ods
// (LibreOffice's attributes, and its empty rows repeated to the end of the grid), made here.
#include "ClasseurEcrit.h"
#include "logique/listes/TableauClasseur.h"
#include "logique/xlsx/ArchiveZip.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {
QByteArray texte(int ligne, int colonne) {
    static const QByteArray niveaux[] = {"CP", "CE1", "CE2", "CM1", "CM2"};
    return colonne == 3 ? niveaux[ligne % 5] : "Élève" + QByteArray::number(ligne) + "-" + QByteArray::number(colonne);
}

QByteArray colonneXlsx(int colonne) {
    QByteArray lettres;
    for (int n = colonne; n > 0; n = (n - 1) / 26) lettres.prepend(char('A' + (n - 1) % 26));
    return lettres;
}

void ecritXlsx(const QString& nom, int lignes, int colonnes) {
    QByteArray feuille, partages;
    int index = 0;
    for (int l = 1; l <= lignes; ++l) {
        const QByteArray numero = QByteArray::number(l);
        feuille += "<row r=\"" + numero + "\" spans=\"1:" + QByteArray::number(colonnes) + "\">";
        for (int c = 1; c <= colonnes; ++c) {
            feuille += "<c r=\"" + colonneXlsx(c) + numero + "\" s=\"1\" t=\"s\"><v>" + QByteArray::number(index++) + "</v></c>";
            partages += "<si><t>" + texte(l, c) + "</t></si>";
        }
        feuille += "</row>";
    }
    ClasseurEcrit::xlsx(nom, feuille, partages);
}

void ecritOds(const QString& nom, int lignes, int colonnes) {
    QByteArray contenu =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\" office:version=\"1.3\">"
        "<office:body><office:spreadsheet><table:table table:name=\"Élèves\" table:style-name=\"ta1\">"
        "<table:table-column table:style-name=\"co1\" table:number-columns-repeated=\"" +
        QByteArray::number(colonnes) + "\" table:default-cell-style-name=\"Default\"/>";
    for (int l = 1; l <= lignes; ++l) {
        contenu += "<table:table-row table:style-name=\"ro1\">";
        for (int c = 1; c <= colonnes; ++c)
            contenu += "<table:table-cell office:value-type=\"string\" calcext:value-type=\"string\"><text:p>" + texte(l, c) +
                       "</text:p></table:table-cell>";
        contenu += "</table:table-row>";
    }
    contenu += "<table:table-row table:style-name=\"ro1\" table:number-rows-repeated=\"" + QByteArray::number(1048576 - lignes) +
               "\"><table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>"
               "</table:table></office:spreadsheet></office:body></office:document-content>";
    ArchiveZipEcriture::remplace(nom, {},
                                 {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", contenu}});
}

// The workbook of the given kind and size, made once in a folder kept for the whole run.
QString classeur(bool ods, int lignes, int colonnes) {
    static QTemporaryDir dossier;
    static std::map<QString, QString> faits;
    const QString nom = QStringLiteral("liste_%1x%2.%3").arg(lignes).arg(colonnes).arg(ods ? "ods" : "xlsx");
    if (!faits.count(nom)) {
        const QString precedent = QDir::currentPath();
        QDir::setCurrent(dossier.path());
        ods ? ecritOds(nom, lignes, colonnes) : ecritXlsx(nom, lignes, colonnes);
        QDir::setCurrent(precedent);
        faits[nom] = dossier.filePath(nom);
    }
    return faits[nom];
}

void BM_LitClasseur(benchmark::State& state, bool ods) {
    const int lignes = static_cast<int>(state.range(0)), colonnes = static_cast<int>(state.range(1));
    const QString chemin = classeur(ods, lignes, colonnes);
    for (auto _ : state) {
        const QList<QStringList> tableau = ods ? TableauClasseur::ods(chemin) : TableauClasseur::xlsx(chemin);
        if (tableau.size() != lignes || tableau.back().size() != colonnes) state.SkipWithError("table mal lue");
    }
    state.counters["Mo_fichier"] = static_cast<double>(QFileInfo(chemin).size()) / (1 << 20);
}

double pire(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

void tailles(benchmark::internal::Benchmark* b) {
    b->Args({5000, 25})
        ->Args({100000, 10})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("max", pire);
}
BENCHMARK_CAPTURE(BM_LitClasseur, xlsx, false)->Apply(tailles);
BENCHMARK_CAPTURE(BM_LitClasseur, ods, true)->Apply(tailles);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
