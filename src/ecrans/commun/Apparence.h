#pragma once
// The look every screen shares: the sea colours, the two type faces, the speech-bubble styles.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

namespace Apparence {
inline const QColor Mer(153, 255, 255);           // background of the exercise and summary screens
inline const QColor ChampReponse(200, 255, 255);  // answer fields
inline const QColor Marine(0x12, 0x35, 0x5b);     // outlines and dark text
inline const QColor Orange(255, 87, 0);
inline const QColor Vert(0, 160, 0);
inline const QColor Or(255, 216, 0);
// The teacher's progress view: a fact's state, with a symbol beside the colour for print and
// colour-blind eyes (light enough for a dark symbol to stay readable).
inline const QColor EtatAutomatique(0x8f, 0xd9, 0x8f);
inline const QColor EtatLent(0xff, 0xe0, 0x7a);
inline const QColor EtatARevoir(0xff, 0x9e, 0x8a);
inline const QColor EtatJamaisVu(0xf2, 0xf2, 0xf2);

// "Comic Sans MS" for the texts children read, "Arial" for numbers (sizes in pixels).
QFont comic(int pixels, bool gras = false);
QFont arial(int pixels, bool gras = false);

// What a fish or a shark says stands out in a speech bubble.
QString styleBulleParole();
// The same with room on the left for the fish whose speech starts 30 pixels inside it.
QString styleBulleParoleDecalee();
// A small word said gently on a picture (exercise 4's solution): a light tag with a soft rim.
QString styleMarqueDouce();

void colore(QWidget* w, QPalette::ColorRole role, const QColor& couleur);
}  // namespace Apparence
