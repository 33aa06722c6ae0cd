#pragma once
// The operation draw of exercises 3 and 4: one operation from the exercise's table entries, in
// the order of the entry (or swapped unless "table dans l'ordre"), without the special cases and
// without "larger operand on the left", which these exercises ignore. Captions "7×8" and "= 56".
#include "logique/exercices/QuestionOperation.h"
#include "logique/etat/EntreeTirage.h"

#include <QString>

#include <array>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct SharedState;

// Prepared once per exercise from the settings (they do not change during an exercise), then
// draws with Aleatoire only. Every redraw loop is bounded and draws only from entries that can
// meet its condition; an entry list with nothing usable falls back to the addition tables 1 to 10.
class TirageOperation final {
public:
    explicit TirageOperation(const SharedState& etat);

    QuestionOperation tire() const;

    // An entry as drawn from, with what it can give, worked out once.
    struct Groupe : EntreeTirage {
        bool soustractionPossible = false;    // can give left >= right without swapping, as a subtraction
        bool divisionPossible = false;        // can give an exact division
        std::vector<std::int64_t> diviseurs;  // complement with ×: the divisors of the target below it
    };

private:
    std::vector<Groupe> groupes_;
    std::vector<int> soustractions_;  // groups a subtraction redraw may land on, of any operation
    std::vector<int> divisions_;      // groups a division redraw may land on
    bool dansOrdre_ = false;
    bool relatifs_ = false;
};

// "= 56", the caption under a bubble.
QString TexteResultat(const QuestionOperation& operation);

// Two operations show the same caption ("7×8"): same operands, same sign.
inline bool MemeTexte(const QuestionOperation& x, const QuestionOperation& y) {
    return x.gauche == y.gauche && x.droite == y.droite && x.operation == y.operation;
}

// The operations an exercise has met, from a sample drawn when it starts and from every draw
// since. A generator asks it whether an attempt can succeed at all before spending its bounded
// redraws on it, so that impossible settings reach their outcome at once.
class RepertoireOperations final {
public:
    // Samples `tirages` draws of the tireur.
    RepertoireOperations(const TirageOperation& tireur, int tirages = 2000);

    void note(const QuestionOperation& operation);
    // Distinct operations known with this result (empty when none).
    const std::vector<QuestionOperation>& deResultat(int resultat) const;
    int nombre() const { return nombre_; }  // distinct operations known
    int nombreDeResultats() const { return static_cast<int>(parResultat_.size()); }
    int plusGrandGroupe() const { return plusGrandGroupe_; }  // most distinct operations of one result
    // Two known operations share a result with different left operands.
    bool aDesJumelles() const { return jumelles_; }

private:
    std::unordered_map<int, std::vector<QuestionOperation>> parResultat_;
    std::array<std::unordered_set<std::uint64_t>, 4> vues_;  // operands seen, per operation
    int nombre_ = 0;
    bool jumelles_ = false;
    int plusGrandGroupe_ = 0;
};
