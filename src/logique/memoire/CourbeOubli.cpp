#include "logique/memoire/CourbeOubli.h"

#include <cmath>

namespace CourbeOubli {
double retenue(double jours, double stabilite) {
    constexpr double Facteur = 19.0 / 81.0;  // 0.9^(1/-0.5) - 1
    return 1.0 / std::sqrt(1.0 + Facteur * jours / stabilite);
}
}  // namespace CourbeOubli
