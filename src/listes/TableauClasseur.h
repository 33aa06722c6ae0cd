#pragma once
// The cells of the first sheet of a workbook: Office Open XML (.xlsx) or OpenDocument (.ods).
// Both are zip archives, read with the results' ArchiveZip and pugixml. Throws ErreurFichier
// with a French reason when the file is not such a workbook.
#include <QList>
#include <QString>
#include <QStringList>

namespace TableauClasseur {
// One list of cells per row from the first, empty rows included, so that row n is at index n − 1.
QList<QStringList> xlsx(const QString& chemin);
QList<QStringList> ods(const QString& chemin);
}
