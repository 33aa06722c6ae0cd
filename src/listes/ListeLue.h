#pragma once
// A list of pupils read from a file the teacher chose: a CSV file or the first sheet of an
// .xlsx or .ods workbook. The columns are found by their French headers ("Prénom", "Nom",
// "Niveau" or "Classe"…); without a header, the columns are first name, name and level, or name
// and level when the second column only holds levels, or the whole name alone.
#include <QList>
#include <QString>
#include <QStringList>

class Avancement;

namespace ListeLue {
struct Eleve {
    int numero = 0;   // the file's line (or the sheet's row), from 1
    QString nom;      // first name and name, as the pupil's registry name
    QString niveau;   // the level as written in the file; empty when none
};

// The header form of a cell: lower case, without accents, punctuation and runs of blanks.
QString cle(const QString& cellule);
// The level a text stands for ("CE1", "ce 1", "Collège", "6e"…), as one of `niveaux`; empty when
// none.
QString niveauReconnu(const QString& texte, const QStringList& niveaux);
// The pupils of a table of cells; rows without any name are left out.
QList<Eleve> eleves(const QList<QStringList>& tableau, const QStringList& niveaux);
// Reads the file by its extension (.xlsx, .ods, anything else as CSV). Throws ErreurFichier, and
// TravailAnnule when `avancement` is asked to stop while a workbook is read.
QList<Eleve> lit(const QString& chemin, const QStringList& niveaux, Avancement* avancement = nullptr);
}
