#include "parametrage/StyleCases.h"

#include <QApplication>
#include <QWidget>

int StyleCases::pixelMetric(PixelMetric metrique, const QStyleOption* option, const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metrique, option, widget);
    if (!widget) return base;
    const int texte = widget->fontMetrics().height();
    switch (metrique) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return std::max(base, texte * 7 / 10);
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return std::max(base, texte / 4);
    default:
        return base;
    }
}

void StyleCases::applique(QWidget* w) {
    static StyleCases* style = [] {
        auto* s = new StyleCases;
        s->setParent(qApp);
        return s;
    }();
    w->setStyle(style);
}
