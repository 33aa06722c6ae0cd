#pragma once
// The facts of a starting test (a and b from 1 to 10) as the terms of their log-odds: what makes a
// fact easy or hard for children, and its two tables. Written by hand from what is known of
// children's arithmetic (the problem-size effect, the rules for 1 and 10, doubles, the tables of
// 2 and 5, sums within ten); each weight's prior says how sure that knowledge is.
#include "logique/base/Operation.h"

#include <array>

namespace Depart {
constexpr int Cote = 10;  // a and b from 1 to 10
constexpr int NombreDeFaits = Cote * Cote;
constexpr int TermesAuPlus = 20;

// a×b (or a+b) at (a-1)·10 + (b-1).
constexpr int indexFait(int gauche, int droite) { return (gauche - 1) * Cote + (droite - 1); }

using Estimations = std::array<double, NombreDeFaits>;
using Vecteur = std::array<double, TermesAuPlus>;
using Matrice = std::array<Vecteur, TermesAuPlus>;

struct QuestionDepart {
    int gauche = 0;
    int droite = 0;
    bool operator==(const QuestionDepart&) const = default;
};

struct TraitsDesFaits {
    Operation operation = Operation::Addition;
    int nombre = 0;                          // terms used
    std::array<Vecteur, NombreDeFaits> x{};  // each fact's terms
    Vecteur moyenne{};                       // the prior of each weight
    Vecteur ecart{};
};

// Addition or multiplication (any other operation is taken as addition).
TraitsDesFaits traitsDesFaits(Operation operation);
}  // namespace Depart
