#pragma once
// The widget-making helpers of every screen: each control at its design place on 1024 × 768,
// named as the screen fitting and the tests know it.
#include <QColor>
#include <QFont>
#include <QString>

class Image;
class Panneau;
class QLabel;
class QLineEdit;
class QWidget;

namespace Fabrique {
// A label of fixed size, or (largeur < 0) one that sizes itself to its text.
QLabel* etiquette(QWidget* parent, const QString& nom, const QFont& police, const QColor& couleur, int x, int y, int largeur = -1,
                  int hauteur = -1, Qt::Alignment alignement = Qt::AlignCenter);
// A picture, built-in drawing `dessin` (none when empty).
Image* image(QWidget* parent, const QString& nom, const QString& dessin, int x, int y, int largeur, int hauteur,
             bool cliquable = false);
// A single-line answer field: the numbers' face, centred, with no frame nor background of its
// own (the bubble behind it is its box), a caret in proportion to its text; a number too wide
// for it is written smaller.
QLineEdit* champ(QWidget* parent, const QString& nom, int x, int y, int largeur, int hauteur);
Panneau* panneau(QWidget* parent, const QString& nom, int x, int y, int largeur, int hauteur);
// A number caption over its bubble. The text sits 32 pixels right of the label's left edge, so
// that the label centred on the bubble and then moved 16 pixels left keeps its number centred.
QLabel* operande(QWidget* parent, const QString& nom, const QWidget* bulle);
// Writes a number into a caption and centres it on its bubble, 16 pixels left (see operande).
void afficheOperande(QLabel* label, const QWidget* bulle, const QString& texte);
// Keeps a number within `largeur` pixels: its control's font at its full size (the one it has on
// its first call, fitted to the display, or the one `pleine` sets), smaller only as much as a
// number too wide needs.
void ajusteNombre(QWidget* w, int largeur);
void pleine(QWidget* w, const QFont& police);
}  // namespace Fabrique
