#pragma once
// The question draw of exercises 1 ("give the result") and 2 ("missing operand"): one operation
// drawn from the table entries of the current exercise, with its options and special cases.
#include "logique/base/Operation.h"
#include "logique/journal/Fait.h"

#include <QString>

struct SharedState;

struct QuestionOperation {
    int gauche = 0;
    int droite = 0;
    int resultat = 0;
    Operation operation = Operation::Addition;
    bool complement = false;  // drawn from a complement entry: the result is the target
};

// Draws one question from the settings in the shared state, with Aleatoire::random only.
// Always returns a valid question quickly: every redraw loop is bounded, an empty or unusable
// table list falls back to the addition tables 1 to 10, and no result overflows.
QuestionOperation TireQuestionOperation(const SharedState& etat);

// The question as the answer journal keys it.
inline Fait FaitDe(const QuestionOperation& q) { return Fait{q.gauche, q.operation, q.droite, q.resultat}; }

// "7 × 8" (the shark's bubble) or "7×8" (avecBlancs false).
QString TexteOperation(const QuestionOperation& question, bool avecBlancs);
