#pragma once
// The question draw of exercise 1 ("give the result"), also used by exercise 2: one operation
// drawn from the table entries of the current exercise, with its options and special cases.
#include <QString>

struct SharedState;

struct QuestionExo1 {
    int gauche = 0;
    int droite = 0;
    int resultat = 0;
    int operation = 0;        // 0 addition, 1 subtraction, 2 multiplication, 3 division
    bool complement = false;  // drawn from a complement entry: the result is the target
};

// Draws one question from the settings in the shared state, with Aleatoire::random only.
// Always returns a valid question quickly: every redraw loop is bounded, an empty or unusable
// table list falls back to the addition tables 1 to 10, and no result overflows.
QuestionExo1 TireQuestionExo1(const SharedState& etat);

// "+", "-", "×", "÷".
QString SigneOperation(int operation);
// "7 × 8" (the shark's bubble) or "7×8" (avecBlancs false).
QString TexteOperation(const QuestionExo1& question, bool avecBlancs);
