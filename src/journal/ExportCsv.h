#pragma once
// The journal as CSV for a spreadsheet: UTF-8, ";" between fields, French headers, one line a
// question.
#include "journal/EntreeJournal.h"

#include <QByteArray>
#include <QList>

namespace ExportCsv {
QByteArray journal(const QList<EntreeJournal>& entrees);
// A field quoted when it holds ";", '"' or a line break.
QString champ(const QString& texte);
}
