#pragma once
// The style's fixed pixels made proportional to the fitted text, for the widgets that ask for it:
// scroll bars as wide as a line of text, so a child can catch them with the mouse, and arrows
// (of scroll bars and drop-down lists) drawn in proportion to them; radio and check box
// indicators (and those of checkable list rows) in proportion to their text, with the gap before
// it, instead of the style's fixed 13 pixels; a text field's caret as thick as its text needs
// to be seen. One style object, owned by the application.
#include <QProxyStyle>

class QAbstractScrollArea;
class QComboBox;

class StyleProportionne final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metrique, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option, SubControl partie,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option, QPainter* p,
                            const QWidget* widget = nullptr) const override;

    // Radio and check boxes, checkable lists, text fields.
    static void applique(QWidget* w);
    // The area's scroll bars.
    static void elargitBarres(QAbstractScrollArea* zone);
    // A drop-down list: its arrow, and the scroll bars of the list it opens.
    static void elargitDeroulante(QComboBox* liste);
};
