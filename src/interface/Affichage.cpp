#include "interface/Affichage.h"

#include <QGuiApplication>
#include <QScreen>

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
}  // namespace Affichage
