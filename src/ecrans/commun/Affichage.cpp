#include "ecrans/commun/Affichage.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {
QSize& tailleFixee() {
    static QSize t;
    return t;
}
}  // namespace

namespace Affichage {
QSize taille() {
    if (tailleFixee().isValid()) return tailleFixee();
    if (auto* ecran = QGuiApplication::primaryScreen()) return ecran->geometry().size();
    return {1024, 768};
}
void fixeTaille(const QSize& t) { tailleFixee() = t; }
double rapportX() { return taille().width() / 1024.0; }
double rapportY() { return taille().height() / 768.0; }
int enX(int x) { return static_cast<int>(std::lround(x * rapportX())); }
int enY(int y) { return static_cast<int>(std::lround(y * rapportY())); }
int enMoyenne(int design) { return std::max(1, static_cast<int>(std::trunc(design * (rapportX() + rapportY()) / 2.0))); }
}  // namespace Affichage
