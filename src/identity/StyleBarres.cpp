#include "identity/StyleBarres.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>

int StyleBarres::pixelMetric(PixelMetric metrique, const QStyleOption* option, const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metrique, option, widget);
    if (metrique == PM_ScrollBarExtent && widget) return std::max(base, widget->fontMetrics().height() * 4 / 5);
    return base;
}

void elargitBarres(QAbstractScrollArea* zone) {
    static StyleBarres* style = [] {
        auto* s = new StyleBarres;
        s->setParent(qApp);
        return s;
    }();
    zone->verticalScrollBar()->setStyle(style);
    zone->horizontalScrollBar()->setStyle(style);
}
