#pragma once
// Exercise 3 ("intrus"): three bubbles, two operations with the same result and different left
// operands, and the intruder with another result. The question draw, the burst animation's steps
// and the error-list line; the screen wires them to its pictures and timers.
#include "logique/exercices/QuestionOperation.h"

#include <QString>

#include <array>

class TirageOperation;
class RepertoireOperations;

struct QuestionExo3 {
    std::array<QuestionOperation, 3> bulles{};  // bubble 1 to 3 at index 0 to 2
    int PositionIntrus = 0;                     // bubble (1 to 3) of the intruder; 0: no question possible
    bool impossible() const { return PositionIntrus == 0; }
    bool estIntrus(int bulle) const { return bulle == PositionIntrus; }
};

// Builds one question: attempts of A, then B (up to 200 draws: A's result, another left operand),
// then C (up to 50 draws: another result), until 5 attempts fail at B or 5 at C. An attempt the
// repertoire shows to be hopeless fails without its draws.
QuestionExo3 GenereExo3(const TirageOperation& tireur, RepertoireOperations& repertoire);

// The clicks on the three bubbles of a question: each bubble once, none during a burst.
struct ClicsExo3 {
    std::array<bool, 3> BulleCliquee{};
    bool ClicPermis = true;         // false while a burst runs
    bool QuestionTerminee = false;  // intruder found, coin stolen, or no question possible
    bool PieceVolee = false;        // the pirate took the coin

    void prepare() { *this = ClicsExo3{}; }
    enum class Clic { Ignore, Intrus, Mauvais };
    // A click on bubble k (1 to 3). Intrus ends the question; Mauvais is an error to count. Any
    // accepted click starts a burst: clicks wait until the screen sets ClicPermis again.
    Clic clique(int k, int positionIntrus);
};

// Shown in the first bubble when no question can be built (line breaks as "\n").
QString TexteIntrusImpossible();

// The ListeErreurs line of a question with errors: "7×8 ; 14×4 ; 6×9 ;  => 2 erreurs" + CR LF.
QString LigneErreursExo3(const QString& operation1, const QString& operation2, const QString& operation3, int erreurs);

// The burst of a clicked bubble: 13 one-shot steps of 150 ms. Steps 1 to 5 show a burst picture
// and hide the trail bubble (or the blue bubble) it replaces; step 6 hides the last burst picture
// and shows the result with the shark (a wrong bubble) or the baby fish (the intruder); steps 7 to
// 13 are a pause, run only when the intruder is found after errors.
namespace Paf {
constexpr int Etapes = 13;
constexpr int IntervalleMs = 150;
constexpr int EtapesVisibles = 6;

struct Etape {
    const char* montre;  // component shown
    const char* cache;   // component hidden
};
// Steps 1 to 5, bubble 1 to 3 (step 1 is the fish's first trail bubble, the same for all).
constexpr std::array<std::array<Etape, 3>, 5> Eclats{{
    {{{"paf11", "Bulle11"}, {"paf11", "Bulle11"}, {"paf11", "Bulle11"}}},
    {{{"paf12", "Bulle21"}, {"paf22", "Bulle22"}, {"paf32", "Bulle23"}}},
    {{{"paf13", "Bulle31"}, {"paf23", "Bulle32"}, {"paf33", "Bulle33"}}},
    {{{"paf14", "bulle41"}, {"paf24", "Bulle42"}, {"paf34", "Bulle43"}}},
    {{{"paf15", "BulleBleu1"}, {"paf25", "BulleBleu2"}, {"paf35", "BulleBleu3"}}},
}};
struct Revelation {
    const char* cache;     // the last burst picture
    const char* resultat;  // the result label
    const char* requin;    // shown behind a wrong bubble
    const char* poisson;   // shown behind the intruder
};
constexpr std::array<Revelation, 3> Revelations{{
    {"paf15", "resultat1", "Requin1", "bebepoisson1"},
    {"paf25", "resultat2", "Requin2", "bebepoisson2"},
    {"paf35", "resultat3", "Requin3", "bebepoisson3"},
}};

// What follows a step once it is shown.
enum class Suite {
    EtapeSuivante,     // start the next step's timer
    QuestionSuivante,  // clicks allowed again, next question (intruder found after errors)
    Ramassage,         // clicks allowed again, the coin pickup (intruder at the first click)
    Attente,           // clicks allowed again, nothing more (a wrong bubble, or the coin stolen)
};
Suite apres(int etape, int erreursQuestion, bool questionTerminee, bool pieceVolee);
}  // namespace Paf
