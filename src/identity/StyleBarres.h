#pragma once
// Scroll bars as wide as a line of text, so a child can catch them with the mouse; they follow
// the fitted font.
#include <QProxyStyle>

class StyleBarres : public QProxyStyle {
    Q_OBJECT
public:
    int pixelMetric(PixelMetric metrique, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

class QAbstractScrollArea;
// Gives the area's scroll bars the wide style (one shared style object, owned by the application).
void elargitBarres(QAbstractScrollArea* zone);
