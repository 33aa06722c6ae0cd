#pragma once
// What the operation draws of exercises 1 and 2 and of exercises 3 and 4 share: numbers that fit
// an int, a number drawn in a range, and a complement entry's question (its target is the result,
// the operands drawn so that gauche op droite = target).
#include "logique/exercices/QuestionOperation.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace TirageCommun {
using i64 = std::int64_t;
constexpr i64 Min32 = std::numeric_limits<int>::min();
constexpr i64 Max32 = std::numeric_limits<int>::max();
// Redraws a loop makes before it stops relying on chance and builds a question that meets its
// condition: ordinary tables meet it within a few draws.
constexpr int EssaisMax = 1000;

inline bool tient(i64 v) { return v >= Min32 && v <= Max32; }
// Uniform in a..b (b >= a), through Aleatoire; a range wider than its argument draws on the same
// generator.
i64 tireDans(i64 a, i64 b);

// The divisors of m (m >= 2) below m, in the order the draw picks from.
std::vector<std::int64_t> diviseurs(std::int64_t m);
// Sets the operands and the result of `q` for `cible`; with ×, `diviseurs` are those of the
// target's absolute value (unused for the other operations and for 0 and ±1).
void compose(Operation operation, std::int64_t cible, const std::vector<std::int64_t>& diviseurs, QuestionOperation& q);
}  // namespace TirageCommun
