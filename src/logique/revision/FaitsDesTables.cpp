#include "logique/revision/FaitsDesTables.h"

#include <algorithm>
#include <unordered_set>

namespace Revision {
namespace {
struct Collecte {
    QList<Fait> faits;
    std::unordered_set<Fait, CleFait> vus;
    void ajoute(long long g, Operation op, long long d, long long r) {
        // Results kept to what a typed answer can hold.
        if (r < -1000000000LL || r > 1000000000LL) return;
        const Fait f{static_cast<int>(g), op, static_cast<int>(d), static_cast<int>(r)};
        if (vus.insert(f).second) faits.append(f);
    }
};

// Complements as the draw makes them: x + (c − x), (c + x) − x, d × (c ÷ d) for the divisors d
// below c, (c × r) ÷ r for r from 1 to c − 1; x from 0 to c − 1.
void complements(long long c, Operation op, Collecte& ajout) {
    if (c < 0) return;
    const long long fin = std::min<long long>(c, OperandesMaxParEntree);
    for (long long x = 0; x < fin; ++x) {
        switch (op) {
            case Operation::Addition: ajout.ajoute(x, op, c - x, c); break;
            case Operation::Soustraction: ajout.ajoute(c + x, op, x, c); break;
            case Operation::Multiplication:
                if (x > 0 && c % x == 0) ajout.ajoute(x, op, c / x, c);
                break;
            case Operation::Division:
                if (x > 0) ajout.ajoute(c * x, op, x, c);
                break;
        }
    }
}

void faitsDeLEntree(const EntreeTable& t, Operation op, Collecte& c) {
    if (t.complement()) return complements(t.second, op, c);
    const long long n = t.premier;
    const long long fin = std::min<long long>(std::max(t.second, t.troisieme),
                                              static_cast<long long>(t.second) + OperandesMaxParEntree - 1);
    for (long long k = t.second; k <= fin; ++k) {
        switch (op) {
            case Operation::Addition:
                c.ajoute(n, op, k, n + k);
                c.ajoute(k, op, n, n + k);
                break;
            case Operation::Multiplication:
                c.ajoute(n, op, k, n * k);
                c.ajoute(k, op, n, n * k);
                break;
            case Operation::Soustraction:
                if (n >= k) c.ajoute(n, op, k, n - k);
                else c.ajoute(k, op, n, k - n);
                break;
            case Operation::Division:
                if (k != 0 && n % k == 0) c.ajoute(n, op, k, n / k);
                if (n != 0 && k % n == 0) c.ajoute(k, op, n, k / n);
                break;
        }
    }
}
}  // namespace

QList<Fait> faitsDesTables(const QList<EntreeTable>& entrees, int operation) {
    const bool filtre = operation >= 0 && operation <= 3;
    const bool aLOperation = std::any_of(entrees.begin(), entrees.end(),
                                         [&](const EntreeTable& t) { return t.operation == operation; });
    Collecte c;
    for (const EntreeTable& t : entrees) {
        if (!t.operationConnue()) continue;
        if (filtre && aLOperation && t.operation != operation) continue;
        faitsDeLEntree(t, static_cast<Operation>(filtre ? operation : t.operation), c);
    }
    return c.faits;
}

QList<EntreeTable> tablesUnADix(int operation) {
    QList<EntreeTable> entrees;
    for (int n = 1; n <= 10; ++n) entrees.append({n, 1, 10, operation});
    return entrees;
}
}  // namespace Revision
