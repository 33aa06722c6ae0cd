#pragma once
// The journal as CSV for a spreadsheet: UTF-8, ";" between fields (each made by `CelluleCsv`),
// French headers, one line a question.
#include "logique/journal/EntreeJournal.h"

#include <QByteArray>
#include <QList>

namespace ExportCsv {
QByteArray journal(const QList<EntreeJournal>& entrees);
}
