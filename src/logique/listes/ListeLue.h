#pragma once
// A list of pupils read from a file the teacher chose: a CSV file or the first sheet of an
// .xlsx or .ods workbook. The columns are found by their French headers ("Prénom", "Nom",
// "Niveau" or "Classe"…) on the first row that has a name header among the first rows: titles
// and blank rows above it are skipped. Without a header, the columns are first name, name and
// level, or name and level when the second column only holds levels, or the whole name alone.
#include <QList>
#include <QString>
#include <QStringList>

class Avancement;

namespace ListeLue {
struct Eleve {
    int numero = 0;           // the file's line (or the sheet's row), from 1
    QString nom;              // first name and name, as the pupil's registry name
    QString niveau;           // the level as written in the file; empty when none
    bool sansNiveau = false;  // the program's own class list says so: no level, rather than none given
};

// The header of the class list the program takes out ("Nom;Niveau"), where an empty level means
// a pupil registered without level.
inline const QStringList EnteteDeLExport = {QStringLiteral("Nom"), QStringLiteral("Niveau")};
// The rows looked through for the header.
constexpr int LignesDEntete = 20;

// The header form of a cell: lower case, without accents, punctuation and runs of blanks.
QString cle(const QString& cellule);
// The level a text stands for ("CE1", "ce 1", "Collège", "6e"…), as one of `niveaux`; empty when
// none.
QString niveauReconnu(const QString& texte, const QStringList& niveaux);
// True for a header row: one of its cells names a name column ("Nom", "Prénom", "Élève"…). A
// row of one cell must say it plainly ("Nom", not "Nom de l'école : …").
bool estEntete(const QStringList& ligne);
// The pupils of a table of cells; rows without any name are left out.
QList<Eleve> eleves(const QList<QStringList>& tableau, const QStringList& niveaux);
// The pupils of a CSV file's bytes (TableauCsv, the separator of the header). Throws
// TableauCsv::TexteIllisible, or TravailAnnule when `avancement` was asked to stop.
QList<Eleve> depuisCsv(const QByteArray& octets, const QStringList& niveaux, Avancement* avancement = nullptr);
// Reads the file by its extension (.xlsx, .ods, anything else as CSV). Throws ErreurFichier, or
// TravailAnnule when `avancement` was asked to stop.
QList<Eleve> lit(const QString& chemin, const QStringList& niveaux, Avancement* avancement = nullptr);
}
