#pragma once
// The texts of a finished exercise shared by the recorders. The workbook column and the database
// row differ only in their line breaks and a few words, given by `Forme`; the text profile takes
// the same special cases and times, and writes its table lines its own way.
#include "logique/resultats/ResultatExercice.h"
#include "logique/etat/EntreeTable.h"

#include <QList>
#include <QString>

namespace TextesResultat {
struct Forme {
    QString finTable;  // after each table line: CR LF (database) or LF (workbook)
    QString finCas;    // after each special case: CR (database), LF (workbook) or CR LF (profile)
};
inline const Forme FormeBase{QStringLiteral("\r\n"), QStringLiteral("\r")};
inline const Forme FormeClasseur{QStringLiteral("\n"), QStringLiteral("\n")};
inline const Forme FormeProfil{QStringLiteral("\r\n"), QStringLiteral("\r\n")};

QString type(int typeExercice);  // "donner résultat", "à trou", "intrus", "même résultat", "révision",
                                 // "test de départ"
QString aide(int typeAide);      // "dessins", "constellations", "aucune"
// "[7 de 1 à 10]": the table of 7 on 1..10 (a complement entry shows its -9999 marks).
QString intervalle(const EntreeTable& entree);
// One line per table entry (of an operation 0..3): "+ [7 de 1 à 10]" ("- [", "x [", "÷ ["), each followed by finTable.
QString tables(const QList<EntreeTable>& entrees, const Forme& forme);
// "successeur", then "double", or "aucun", each followed by finCas.
QString cas(const ResultatExercice& resultat, const Forme& forme);
// Seconds per question (two decimals) in French shortest form ("8,34").
QString tempsParQuestion(const ResultatExercice& resultat);
}  // namespace TextesResultat
