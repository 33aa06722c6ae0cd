#pragma once
// The look every screen shares: the sea colours, the two type faces, the speech-bubble styles.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QLabel;
class QWidget;

namespace Apparence {
inline const QColor Mer(153, 255, 255);        // background of the exercise and summary screens
inline const QColor Marine(0x12, 0x35, 0x5b);  // outlines and dark text
// Every text a child reads stands out from what is behind it by 4.5:1 at least (3:1 from 24
// pixels), the accessibility guidelines' bounds: the colours of texts are the theme's, deepened.
inline const QColor Orange(0xd2, 0x46, 0x00);  // "Bravo !", even numbers of the strip (pale grounds)
inline const QColor Vert(0x00, 0x8a, 0x00);    // odd numbers of the strip
inline const QColor Or(255, 216, 0);
inline const QColor OrFonce(0x8f, 0x6a, 0x00);  // the coin's word, gold on a speech bubble
// Buttons with white text: seaweed green to go on, deep coral to leave or give up (also when
// hovered, a little lighter).
inline const QColor Algue(0x1b, 0x7f, 0x45);
inline const QColor Corail(0xb8, 0x41, 0x2f);
// The teacher's progress view tells good, middling and to work by colour, always with a symbol
// beside it for print: Okabe and Ito's palette, which colour-blind eyes tell apart, each light
// enough for a black symbol to stay readable; light grey for nothing yet, blue for the charts.
inline const QColor SuiviBien(0x00, 0x9e, 0x73);    // bluish green
inline const QColor SuiviMoyen(0xf0, 0xe4, 0x42);   // yellow
inline const QColor SuiviMal(0xd5, 0x5e, 0x00);     // vermillion
inline const QColor SuiviRien(0xf2, 0xf2, 0xf2);    // light grey
inline const QColor SuiviCourbe(0x00, 0x72, 0xb2);  // blue
// A symbol outside the pupil's tables: grey, still 4.9:1 on white.
inline const QColor SuiviHorsTables(0x70, 0x70, 0x70);

// "Comic Sans MS" for the texts children read, "Arial" for numbers (sizes in pixels).
QFont comic(int pixels, bool gras = false);
QFont arial(int pixels, bool gras = false);
// The numbers of an operation and their signs, in one bold face: in a bubble of 136 pixels the
// digits stand 56 pixels tall, over 40 % of the bubble, so that a child reads them at a glance.
constexpr int PoliceNombres = 80;
QFont nombres(int pixels);

// What a fish or a shark says stands out in a speech bubble.
QString styleBulleParole();
// The same with room on the left for the fish whose speech starts 30 pixels inside it.
QString styleBulleParoleDecalee();
// A small word said gently on a picture (exercise 4's solution): a light tag with a soft rim.
QString styleMarqueDouce();
// A message in the place of a question, in a speech bubble with room between its text and its rim.
QString styleBulleMessage();

void colore(QWidget* w, QPalette::ColorRole role, const QColor& couleur);

// The pupil's look on a child's screen (the chooser, the exercises, the summary, the boxes a child
// meets; never a teacher's): each time the screen is shown, and as long as it is, its texts take
// the font, size and spacing of the pupil at the screen (Polices::pourLEleve) and, in high
// contrast, its texts and speech bubbles the colours below; the next pupil gets their own, or the
// program's. What the screen set stays known, so nothing is adjusted twice.
void pourLEnfant(QWidget* ecran);
// A text of a child's screen whose room is short: `part` of the size its look gives it (1: all).
void reduit(QWidget* texte, double part);
// The same, as little as lets the label's text hold within `place` (its contents' room).
void reduitPourTenir(QLabel* texte, const QSize& place);
// Whether the pupil at the screen has the high-contrast theme: the screens' own drawings ask it.
bool contrasteFort();
// A text's colour in the pupil's theme: in high contrast, a dark one deepened in its own hue until
// it stands 7:1 from white, so that it does on the white of the bubbles and bands.
QColor encre(const QColor& programme);
// A style of the speech bubbles above in the pupil's theme: in high contrast, white and opaque,
// with a black rim; any other style as it is.
QString style(const QString& programme);
}  // namespace Apparence
