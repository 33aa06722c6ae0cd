#include "logique/memoire/FamilleDeFaits.h"

#include <algorithm>

namespace FamilleDeFaits {
int groupe(const Fait& fait) {
    return fait.operation == Operation::Multiplication || fait.operation == Operation::Division ? 1 : 0;
}

std::pair<int, int> operandes(const Fait& fait) {
    // 10-3=7 and 56÷8=7 are read backwards: their family is that of 3+7 and 7×8.
    const bool inverse = fait.operation == Operation::Soustraction || fait.operation == Operation::Division;
    const int a = inverse ? fait.droite : fait.gauche;
    const int b = inverse ? fait.resultat : fait.droite;
    return {std::min(a, b), std::max(a, b)};
}

qint64 code(const Fait& fait) {
    const auto [a, b] = operandes(fait);
    return (qint64(groupe(fait)) << 60) | (qint64(quint32(a)) << 30) | qint64(quint32(b) & 0x3fffffff);
}

qint64 codeFait(const Fait& fait) {
    return (qint64(fait.operation) << 60) | (qint64(quint32(fait.gauche) & 0xfffff) << 40) |
           (qint64(quint32(fait.droite) & 0xfffff) << 20) | qint64(quint32(fait.resultat) & 0xfffff);
}
}  // namespace FamilleDeFaits
