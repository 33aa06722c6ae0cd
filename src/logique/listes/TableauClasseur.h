#pragma once
// The cells of the first sheet of a workbook: Office Open XML (.xlsx) or OpenDocument (.ods).
// Both are zip archives (the results' ArchiveZip), their parts read as they unpack, in one pass
// (LecteurXml into GrilleLue), within the bounds of a class list (BornesClasseur). Throws
// ErreurFichier with a French reason when the file is not such a workbook or holds far more than
// a list, and TravailAnnule when `avancement` is asked to stop.
#include <QList>
#include <QString>
#include <QStringList>

class Avancement;

namespace TableauClasseur {
// One list of cells per row from the first, empty rows included, so that row n is at index n − 1;
// a row's empty cells at its end, and the empty rows at the sheet's end, are left out.
// `avancement` is told of the bytes read, and asked whether to stop, at every window of a part.
QList<QStringList> xlsx(const QString& chemin, Avancement* avancement = nullptr);
QList<QStringList> ods(const QString& chemin, Avancement* avancement = nullptr);
}  // namespace TableauClasseur
