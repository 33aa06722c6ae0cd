#pragma once
// Radio and check box indicators (and those of checkable list rows) in proportion to the fitted
// text, with the gap before their text, instead of the style's fixed 13 pixels.
#include <QProxyStyle>

class StyleCases final : public QProxyStyle {
    Q_OBJECT
public:
    int pixelMetric(PixelMetric metrique, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    // The one style object (owned by the application), for the widgets that want it.
    static void applique(QWidget* w);
};
