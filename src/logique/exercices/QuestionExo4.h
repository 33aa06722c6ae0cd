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

// The picture shown over bubble i with the solution.
enum class Solution {
    Verte,     // selected and right: `Bulleverte`i
    Rouge,     // selected and wrong: `BulleRouge`i
    RougeFin,  // right but not selected: `BulleRougeFin`i
    VerteFin,  // wrong and rightly left out: `BulleVerteFin`i
};
Solution SolutionBulle(bool selectionnee, bool bonne);
struct ImageSolution {
    const char* composant;  // component name prefix, followed by the bubble number
    const char* image;      // picture in data/svg
};
constexpr std::array<ImageSolution, 4> ImagesSolution{{
    {"Bulleverte", "bulle4_verte"},
    {"BulleRouge", "bulle4_rouge"},
    {"BulleRougeFin", "bulle4_rouge_fin"},
    {"BulleVerteFin", "bulle4_verte_fin"},
}};
inline const ImageSolution& imageSolution(Solution s) { return ImagesSolution[static_cast<std::size_t>(s)]; }

// The ListeErreurs line of a question with errors: "Opérations égalent à 12 => 2 erreurs" + CR LF.
QString LigneErreursExo4(const QString& cible, int erreurs);
