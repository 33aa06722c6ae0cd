#include "logique/exercices/TirageCommun.h"

#include "logique/base/Aleatoire.h"

#include <algorithm>
#include <limits>

#include <random>

namespace TirageCommun {
i64 tireDans(i64 a, i64 b) {
    const i64 etendue = b - a + 1;
    if (etendue <= 1) return a;
    if (etendue <= Max32) return a + Aleatoire::random(static_cast<int>(etendue));
    return a + std::uniform_int_distribution<i64>(0, etendue - 1)(Aleatoire::generateur());
}

std::vector<i64> diviseurs(i64 m) {
    std::vector<i64> d;
    for (i64 k = 1; k * k <= m; ++k)
        if (m % k == 0) {
            d.push_back(k);
            if (k != m / k && m / k != m) d.push_back(m / k);
        }
    return d;
}

void compose(Operation operation, i64 c, const std::vector<i64>& diviseurs, QuestionOperation& q) {
    const i64 absolu = c < 0 ? -c : c;
    i64 gauche = 0, droite = 0;
    switch (operation) {
        case Operation::Addition:
            gauche = c >= 1 ? Aleatoire::random(static_cast<int>(c)) : 0;
            droite = c - gauche;
            break;
        case Operation::Soustraction:
            droite = c >= 1 ? Aleatoire::random(static_cast<int>(std::min(c, Max32 - c + 1))) : 0;
            gauche = c + droite;
            break;
        case Operation::Multiplication:
            // The left factor is a divisor of c below c; 0 and ±1 have none: 0 × n and 1 × c.
            if (c == 0) {
                droite = 1 + Aleatoire::random(10);
            } else if (absolu == 1) {
                gauche = 1;
                droite = c;
            } else {
                gauche = diviseurs[static_cast<std::size_t>(Aleatoire::random(static_cast<int>(diviseurs.size())))];
                droite = c / gauche;
            }
            break;
        case Operation::Division:
            // c × r ÷ r with r from 1 to c − 1 (small enough for c × r to fit); 0 and ±1 ÷ 1.
            if (absolu >= 2) {
                droite = 1 + Aleatoire::random(static_cast<int>(std::min(absolu - 1, Max32 / absolu)));
                gauche = c * droite;
            } else {
                gauche = c;
                droite = 1;
            }
            break;
    }
    q.gauche = static_cast<int>(gauche);
    q.droite = static_cast<int>(droite);
    q.resultat = static_cast<int>(c);
}
}  // namespace TirageCommun
