#pragma once
// Scroll bars as wide as a line of text, so a child can catch them with the mouse, and arrows
// (of scroll bars and drop-down lists) drawn in proportion to them; they follow the fitted font.
#include <QProxyStyle>

class StyleBarres final : public QProxyStyle {
    Q_OBJECT
public:
    int pixelMetric(PixelMetric metrique, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option, SubControl partie,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option, QPainter* p,
                            const QWidget* widget = nullptr) const override;
};

class QAbstractScrollArea;
class QComboBox;
// Gives the area's scroll bars the wide style (one shared style object, owned by the application).
void elargitBarres(QAbstractScrollArea* zone);
// The same for a drop-down list: its arrow, and the scroll bars of the list it opens.
void elargitDeroulante(QComboBox* liste);
