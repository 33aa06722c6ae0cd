#pragma once
// The display the screens are fitted to.
#include <QSize>

namespace Affichage {
// The primary screen's size in pixels, unless a test fixed it.
QSize taille();
// Tests: pretend the display has this size (an invalid size gives the real one back).
void fixeTaille(const QSize& taille);
// The true ratios of the display to the 1024 × 768 design, and a design place scaled by them
// (rounded to the nearest pixel): pictures placed by hand land where the fitted screen has them.
double rapportX();
double rapportY();
int enX(int xDesign);
int enY(int yDesign);
}
