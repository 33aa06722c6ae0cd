#pragma once
// Screen fitting: every screen is designed for a 1024 × 768 client area and stretched to the
// display. The factors are shared by all screens; each CalculeEchelle overwrites them.
#include "logique/base/Nombres.h"

class QWidget;

namespace Ajustement {
struct Facteurs {
    double vertical = 1.0;
    double horizontal = 1.0;
    bool actif = false;
};
const Facteurs& facteurs();
using Nombres::arrondi;
// Tests: forget the factors.
void reinitialise();
}

void CalculeEchelle(QWidget* fenetre);
void AdapteFenetre(QWidget* fenetre);
void AdapteControles(QWidget* conteneur);
// Nothing to restore on this platform: the display mode is never changed.
void RestaureResolution();
