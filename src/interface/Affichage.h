#pragma once
// The display the screens are fitted to.
#include <QSize>

namespace Affichage {
// The primary screen's size in pixels, unless a test fixed it.
QSize taille();
// Tests: pretend the display has this size (an invalid size gives the real one back).
void fixeTaille(const QSize& taille);
}
