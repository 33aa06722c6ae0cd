#include "logique/etat/EntreeTirage.h"

#include <algorithm>
#include <limits>

namespace {
using i64 = std::int64_t;
constexpr i64 Min32 = std::numeric_limits<int>::min();
constexpr i64 Max32 = std::numeric_limits<int>::max();

bool tient(i64 v) { return v >= Min32 && v <= Max32; }

// Without the smallest integer among the operands no quotient or sign change can overflow either.
bool sansDebordement(const EntreeTirage& t) {
    if (t.complement) return true;
    if (t.n == Min32 || t.a == Min32) return false;
    switch (t.op) {
        case Operation::Addition: return tient(t.n + t.a) && tient(t.n + t.b);
        case Operation::Soustraction: return tient(t.n - t.a) && tient(t.n - t.b) && tient(t.a - t.n) && tient(t.b - t.n);
        case Operation::Multiplication: return tient(t.n * t.a) && tient(t.n * t.b);
        default: return true;
    }
}
}  // namespace

std::optional<EntreeTirage> entreeDuTirage(const EntreeTable& e) {
    if (!e.operationConnue()) return std::nullopt;
    EntreeTirage t;
    t.n = e.premier;
    t.a = e.second;
    t.b = std::max<i64>(t.a, e.troisieme);
    t.op = static_cast<Operation>(e.operation);
    t.complement = e.complement();
    if (!sansDebordement(t)) return std::nullopt;
    return t;
}

std::vector<EntreeTirage> entreesDuTirage(const QList<EntreeTable>& entrees) {
    std::vector<EntreeTirage> tirage;
    tirage.reserve(static_cast<std::size_t>(entrees.size()));
    for (const EntreeTable& e : entrees)
        if (const auto t = entreeDuTirage(e)) tirage.push_back(*t);
    if (tirage.empty())
        for (int n = 1; n <= 10; ++n) tirage.push_back(EntreeTirage{n, 1, 10, Operation::Addition, false});
    return tirage;
}
