#pragma once
// The cells of a CSV file as a teacher's spreadsheet or school software writes it: UTF-8 (with
// or without its byte-order mark) or Windows-1252, ";", tab or "," between cells, quoted cells
// that may hold separators, doubled quotes and line ends.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace TableauCsv {
// The text of the bytes: UTF-8 when they are valid UTF-8, Windows-1252 otherwise.
QString decode(const QByteArray& octets);
// The separator the first non-empty line uses outside quotes: ";" before tab before ",";
// ";" when it has none (one cell a line).
QChar separateur(const QString& texte);
// One list of cells per record, empty records included, so that record n is at index n − 1.
QList<QStringList> lit(const QByteArray& octets);
}
