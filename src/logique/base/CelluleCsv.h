#pragma once
// The cells of every CSV file the program writes for a spreadsheet (";" between cells). A text
// cell that a spreadsheet would read as a formula or a number (it starts with "=", "+", "-", "@",
// a tab or a carriage return) is written after an apostrophe, which LibreOffice and Excel both
// keep as text; a cell holding a ";", a '"', a line break or a leading blank is quoted.
#include <QString>

namespace CelluleCsv {
// A text cell: a name, a fact, what a pupil typed, any text not made of the program's own figures.
QString texte(const QString& texte);
// A cell the program writes as a number, a date or a time, for the spreadsheet to read as such.
QString valeur(const QString& valeur);
}
