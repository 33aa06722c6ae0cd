#include "logique/suivi/Courbes.h"

#include "logique/base/FormatFr.h"

#include <array>
#include <cmath>

namespace {
// The share of the range left free beyond the extreme values.
constexpr double Marge = 0.06;
constexpr int IntervallesMax = 5;

QString arrondi(double v) { return FormatFr::nombre(std::round(v * 1000) / 1000); }
}  // namespace

namespace Suivi {
AxeCourbe axeReussite() {
    AxeCourbe a{-100 * Marge, 100 * (1 + Marge), {}};
    for (int v = 0; v <= 100; v += 25) a.graduations.append({double(v), FormatFr::pourcent(v / 100.0)});
    return a;
}

AxeCourbe axeTemps(double plusGrand) {
    if (!(plusGrand > 0)) plusGrand = 1;
    // The smallest of 1, 2, 2,5 and 5 times a power of ten that needs at most five intervals.
    double pas = std::pow(10.0, std::floor(std::log10(plusGrand / IntervallesMax)));
    for (int essai = 0; essai < 8; ++essai) {
        const double p = pas * std::array<double, 4>{1, 2, 2.5, 5}[size_t(essai % 4)] * std::pow(10.0, essai / 4);
        if (std::ceil(plusGrand / p - 1e-9) <= IntervallesMax) {
            pas = p;
            break;
        }
    }
    const int intervalles = int(std::ceil(plusGrand / pas - 1e-9));
    const double haut = intervalles * pas;
    AxeCourbe a{-haut * Marge, haut * (1 + Marge), {}};
    for (int i = 0; i <= intervalles; ++i) a.graduations.append({i * pas, arrondi(i * pas) + QChar(0xa0) + QLatin1Char('s')});
    return a;
}

AxeCourbe axeSemaines(const QList<Semaine>& semaines, int pas) {
    AxeCourbe a{-0.5, std::max<qsizetype>(1, semaines.size()) - 0.5, {}};
    for (qsizetype i = 0; i < semaines.size(); i += std::max(1, pas))
        a.graduations.append({double(i), FormatFr::jourMois(semaines[i].lundi)});
    return a;
}

QList<QList<PointCourbe>> troncons(const QList<Semaine>& semaines, bool reussite) {
    QList<QList<PointCourbe>> liste;
    bool suite = false;
    for (int i = 0; i < semaines.size(); ++i) {
        const double v = reussite ? semaines[i].reussite() * 100 : semaines[i].mediane() / 1000.0;
        if (v < 0) {
            suite = false;
            continue;
        }
        if (!suite) liste.append(QList<PointCourbe>());
        liste.last().append({i, v});
        suite = true;
    }
    return liste;
}
}  // namespace Suivi
