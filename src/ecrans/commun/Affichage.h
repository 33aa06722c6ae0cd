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
// A design size (a font's pixels, a margin) scaled like the fitted screens' fonts: by the mean of
// the two ratios, truncated, never below 1.
int enMoyenne(int design);
}
