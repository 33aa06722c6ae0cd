#pragma once
// What a class list may hold, and the refusal of a workbook that holds more. Every count a file
// gives (repeated rows and cells, counted spaces, positions, nesting) is checked against these
// before anything is made of it, so that a small file can neither fill the memory nor keep the
// program busy.
#include <QString>
#include <QtGlobal>

namespace BornesClasseur {
constexpr qint64 LignesMax = 100000;
constexpr qint64 ColonnesMax = 200;
constexpr qint64 CaracteresCelluleMax = 5000;
// The whole table, in characters (QChar): each cell counts its text, once for every cell that
// shows it (the list's readers copy it), and CoutCellule more for itself.
constexpr qint64 TexteMax = qint64(64) << 20;
constexpr qint64 CoutCellule = 12;
// Elements open at once: a list's sheet needs a few tens.
constexpr int ProfondeurMax = 1000;
// The workbook's file, and one of its parts once unpacked.
constexpr qint64 FichierMax = qint64(64) << 20;
constexpr qint64 PartieMax = qint64(256) << 20;

enum class Refus { Illisible, TropGrand, TropDeLignes, TropDeColonnes, CelluleTropLongue, TropDeTexte, TropImbrique };
// The French reason, naming the file by its name alone.
QString texte(Refus refus, const QString& chemin);
// Throws ErreurFichier with that reason.
[[noreturn]] void refuse(Refus refus, const QString& chemin);
}  // namespace BornesClasseur
