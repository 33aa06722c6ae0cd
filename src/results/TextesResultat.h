#pragma once
// The texts of a finished exercise shared by the workbook column and the database row. The two
// stores differ only in their line breaks and a few words, given by `Forme`.
#include "state/EntreeTable.h"

#include <QString>

struct SharedState;

namespace TextesResultat {
struct Forme {
    QString finTable;  // after each table line: CR LF (database) or LF (workbook)
    QString finCas;    // after each special case: CR (database) or LF (workbook)
};
inline const Forme FormeBase{QStringLiteral("\r\n"), QStringLiteral("\r")};
inline const Forme FormeClasseur{QStringLiteral("\n"), QStringLiteral("\n")};

QString type(int typeExercice);  // "donner résultat", "à trou", "intrus", "même résultat", "révision"
QString aide(int typeAide);      // "dessins", "constellations", "aucune"
// "[7 de 1 à 10]": the table of 7 on 1..10 (a complement entry shows its -9999 marks).
QString intervalle(const EntreeTable& entree);
// One line per table entry (of an operation 0..3): "+ [7 de 1 à 10]" ("- [", "x [", "÷ ["), each followed by finTable.
QString tables(const SharedState& etat, const Forme& forme);
// "successeur", then "double", or "aucun", each followed by finCas.
QString cas(const SharedState& etat, const Forme& forme);
// Length of the exercise in whole seconds (milliseconds kept, halves to even).
int secondes(const SharedState& etat);
// Share of right answers rounded to a whole percent, halves to even (87.5 gives 88, 62.5 gives 62).
int tauxArrondi(int questions, int erreurs);
// Seconds per question rounded to two decimals, in French shortest form ("8,34").
QString tempsParQuestion(const SharedState& etat);
}  // namespace TextesResultat
