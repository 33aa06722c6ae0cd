#pragma once
// The one look of "the keyboard is here" on the children's screens: a navy line on a white halo,
// rounded, at the display's scale. A control given the ring shows it while it holds the keyboard
// and the keyboard is what the child last used: a click of the mouse takes it away, the next key
// brings it back, so a child who uses the mouse sees the screens as they always were.
class QPainter;
class QRectF;
class QWidget;

namespace AnneauClavier {
// The ring's thickness in pixels at this scale of the design (at least 2).
int epaisseur(double echelle);
// The ring inside `place`, whose corners are rounded by `rayon` (a fifth of its smaller side when
// negative).
void dessine(QPainter& p, const QRectF& place, double epaisseur, double rayon = -1);
// True when the last key or mouse button pressed in the program was a key.
bool clavierUtilise();
// As at start-up: no key pressed yet (each test starts from there).
void oublieLeClavier();
// Draws the ring over the control, after its own drawing, while it has the keyboard.
// `rondeur`: the share of its smaller side its corners are rounded by (0.5 for a pill).
void pose(QWidget* controle, double rondeur = 0.2);
// True when the ring shows on this control now.
bool visibleSur(const QWidget* controle);
}  // namespace AnneauClavier
