#pragma once
// Exercise 4 ("même résultat"): ten bubbles, those of the question's pattern hold an operation
// whose result is the fish's target, the others an operation with another result. The question
// draw, the judging of a selection, the help text, the solution colours and the error-list line.
#include "logique/exercices/QuestionOperation.h"

#include <QString>

#include <array>

class TirageOperation;
class RepertoireOperations;

constexpr int BullesExo4 = 10;
using Bulles = std::array<bool, BullesExo4>;  // bubble 1 to 10 at index 0 to 9

struct QuestionExo4 {
    Bulles BonnesBulles{};                               // the pattern: bubble i must give the target
    std::array<QuestionOperation, BullesExo4> bulles{};  // the operation of each bubble
    int cible = 0;                                       // the target the fish holds
    bool impossible = false;                             // no question could be built
    bool avecDoublons = false;                           // built only by allowing repeated captions
    QString texteCible() const;                          // "56", or "OK" when impossible
};

// Draws the pattern once, then up to 20 attempts with distinct captions, then up to 20 allowing
// repeats; each bubble gets up to 2000 draws. An attempt the repertoire shows to be hopeless
// fails without its draws.
QuestionExo4 GenereExo4(const TirageOperation& tireur, RepertoireOperations& repertoire);

// Shown in the first bubble when no question can be built (line breaks as "\n").
QString TexteExo4Impossible();

// Bubbles whose selection agrees with the pattern; 10 is a right answer.
int BullesConformes(const Bulles& bonnes, const Bulles& selection);
inline bool SelectionJuste(const Bulles& bonnes, const Bulles& selection) {
    return BullesConformes(bonnes, selection) == BullesExo4;
}

// The help label: how many right bubbles are left, how many wrong ones are selected.
QString TexteAideExo4(const Bulles& bonnes, const Bulles& selection);

// What the solution shows on a bubble, read at a glance by a child: the fish's bubbles (those that
// give the target) carry the small fish; the pupil's mistakes a gentle word under the bubble; a
// bubble rightly left alone nothing at all.
enum class Solution {
    Trouvee,     // the fish's, chosen
    Oubliee,     // the fish's, missed: "oubliée"
    PasCelleCi,  // chosen, not the fish's: "pas celle-ci"
    Aucune,      // not the fish's, left alone: the bubble as it was
};
Solution SolutionBulle(bool selectionnee, bool bonne);
struct MarqueSolution {
    const char* composant;  // the picture over the bubble: its name prefix, followed by the bubble number
    const char* image;      // its drawing in data/svg
    bool poisson;           // the small fish: the fish's bubble
    const char* mot;        // the word under the bubble (UTF-8), empty for none
};
// In the order of `Solution`; `Aucune` has no picture.
constexpr std::array<MarqueSolution, 4> MarquesSolution{{
    {"BulleTrouvee", "bulle4_trouvee", true, ""},
    {"BulleOubliee", "bulle4_oubliee", true, "oubliée"},
    {"BullePasCelleCi", "bulle4_pas_celle_ci", false, "pas celle-ci"},
    {"", "", false, ""},
}};
constexpr int ImagesSolution = 3;  // the first three marks have a picture
inline const MarqueSolution& marqueSolution(Solution s) { return MarquesSolution[static_cast<std::size_t>(s)]; }

// The ListeErreurs line of a question with errors: "Opérations égalent à 12 => 2 erreurs" + CR LF.
QString LigneErreursExo4(const QString& cible, int erreurs);
