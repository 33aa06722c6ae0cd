#include "logique/memoire/TempsDeFrappe.h"

#include <algorithm>
#include <cmath>

namespace {
// Times from 100 ms to 100 s on a log scale: one case is 2.7 % wide.
const double LnMin = std::log(100.0);
const double LnMax = std::log(100000.0);
constexpr int AuMoins = 10;  // answers before a length's time is trusted
constexpr double Quantile = 0.2;

int longueur(int chiffres) { return std::clamp(chiffres, 1, 4) - 1; }
}  // namespace

void TempsDeFrappe::ajoute(int chiffres, int ms) {
    if (ms <= 0) return;
    const int l = longueur(chiffres);
    const double x = (std::log(double(ms)) - LnMin) / (LnMax - LnMin) * Cases;
    ++cases_[l][std::clamp(int(x), 0, Cases - 1)];
    ++nombres_[l];
}

double TempsDeFrappe::base(int l) const {
    if (nombres_[l] < AuMoins) return 0;
    const double rang = Quantile * nombres_[l];
    double cumul = 0;
    for (int c = 0; c < Cases; ++c) {
        if (cumul + cases_[l][c] >= rang) {
            // Linear within the case, so that the estimate moves smoothly with the times.
            const double x = c + (rang - cumul) / cases_[l][c];
            return std::exp(LnMin + x / Cases * (LnMax - LnMin));
        }
        cumul += cases_[l][c];
    }
    return std::exp(LnMax);
}

double TempsDeFrappe::reflexion(int chiffres, int ms) const {
    const int l = longueur(chiffres);
    double b = base(l);
    if (b <= 0) {
        // A length seldom typed: from the nearest known one, in proportion to the keys pressed
        // (and the key that validates).
        for (int d = 1; d < Longueurs && b <= 0; ++d)
            for (const int autre : {l - d, l + d})
                if (b <= 0 && autre >= 0 && autre < Longueurs && base(autre) > 0) b = base(autre) * (l + 2.0) / (autre + 2.0);
    }
    if (b <= 0) return -1;
    return std::max(0.0, ms - b) / 1000.0;
}
