#pragma once
// A fact is one operation with its expected result, as the pupil met it: "7×8=56". "7×8" and
// "8×7" are two facts of one family (the views may fold them). See docs/journal.md.
#include "logique/base/Operation.h"

#include <QString>

struct Fait {
    int gauche = 0;
    Operation operation = Operation::Addition;
    int droite = 0;
    int resultat = 0;

    // "7×8=56".
    QString cle() const;
    // "7×8" and "8×7" give "7×8"; "9-4" stays "9-4" (only + and × commute).
    QString famille() const;
    // "7 × 8 = 56", as a page for the family writes it.
    QString texteLisible() const;
    // The operation of its operands gives its result ("56 ÷ 0 = 0" or "7 × 8 = 55" cannot be
    // asked: a damaged record, never shown as a fact to learn).
    bool estPossible() const;
    bool operator==(const Fait&) const = default;
};
