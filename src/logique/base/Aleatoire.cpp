#include "logique/base/Aleatoire.h"

namespace Aleatoire {
std::mt19937& generateur() {
    static std::mt19937 g{std::random_device{}()};
    return g;
}

void graine(std::uint32_t valeur) { generateur().seed(valeur); }

int random(int k) {
    if (k < 1) return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(generateur());
}
}  // namespace Aleatoire
