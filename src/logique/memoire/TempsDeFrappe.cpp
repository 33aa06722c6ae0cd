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
    const int c = std::clamp(int(x), 0, Cases - 1);
    ++cases_[l][c];
    ++nombres_[l];
    // The quantile's case is the first whose answers and those before reach the rank.
    int& q = caseQuantile_[l];
    int& avant = avant_[l];
    if (c < q) ++avant;
    const double rang = Quantile * nombres_[l];
    while (q > 0 && avant >= rang) avant -= cases_[l][--q];
    while (q < Cases - 1 && avant + cases_[l][q] < rang) avant += cases_[l][q++];
}

double TempsDeFrappe::base(int l) const {
    if (nombres_[l] < AuMoins) return 0;
    const double rang = Quantile * nombres_[l];
    const int c = caseQuantile_[l];
    if (avant_[l] + cases_[l][c] < rang) return std::exp(LnMax);
    // Linear within the case, so that the estimate moves smoothly with the times.
    const double x = c + (rang - avant_[l]) / cases_[l][c];
    return std::exp(LnMin + x / Cases * (LnMax - LnMin));
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
