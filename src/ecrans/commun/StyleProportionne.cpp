#include "ecrans/commun/StyleProportionne.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionComplex>

namespace {
// The style's own arrows keep a fixed size of a few pixels: a triangle in proportion to its
// button is drawn over them (it covers them whole, pointing the same way).
void fleche(QPainter* p, const QRect& bouton, Qt::ArrowType sens, const QStyleOption& option) {
    if (bouton.isEmpty()) return;
    const qreal cote = std::min(bouton.width(), bouton.height()) * 0.55;
    const QPointF c = QRectF(bouton).center();
    const qreal h = cote / 2, l = cote * 0.3;
    QPolygonF t;
    switch (sens) {
        case Qt::UpArrow: t << QPointF(c.x() - h, c.y() + l) << QPointF(c.x() + h, c.y() + l) << QPointF(c.x(), c.y() - l); break;
        case Qt::DownArrow:
            t << QPointF(c.x() - h, c.y() - l) << QPointF(c.x() + h, c.y() - l) << QPointF(c.x(), c.y() + l);
            break;
        case Qt::LeftArrow:
            t << QPointF(c.x() + l, c.y() - h) << QPointF(c.x() + l, c.y() + h) << QPointF(c.x() - l, c.y());
            break;
        default: t << QPointF(c.x() - l, c.y() - h) << QPointF(c.x() - l, c.y() + h) << QPointF(c.x() + l, c.y()); break;
    }
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const bool actif = option.state & QStyle::State_Enabled;
    p->setPen(Qt::NoPen);
    p->setBrush(actif ? QColor(0x12, 0x35, 0x5b) : QColor(0x9a, 0x9a, 0x9a));
    p->drawPolygon(t);
    p->restore();
}

StyleProportionne* style() {
    static StyleProportionne* s = [] {
        auto* nouveau = new StyleProportionne;
        nouveau->setParent(qApp);
        return nouveau;
    }();
    return s;
}
}  // namespace

int StyleProportionne::pixelMetric(PixelMetric metrique, const QStyleOption* option, const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metrique, option, widget);
    // A text field asks for its caret's width with its options only.
    if (metrique == PM_TextCursorWidth && option) return std::max(base, option->fontMetrics.height() / 28);
    if (!widget) return base;
    const int texte = widget->fontMetrics().height();
    switch (metrique) {
        case PM_ScrollBarExtent: return std::max(base, texte * 4 / 5);
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return std::max(base, texte * 7 / 10);
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing: return std::max(base, texte / 4);
        default: return base;
    }
}

QRect StyleProportionne::subControlRect(ComplexControl controle, const QStyleOptionComplex* option, SubControl partie,
                                        const QWidget* widget) const {
    QRect r = QProxyStyle::subControlRect(controle, option, partie, widget);
    if (controle != CC_ComboBox || !widget) return r;
    // The arrow's button is as wide as the text is high; the text field gives it the room.
    const QRect fleche = QProxyStyle::subControlRect(controle, option, SC_ComboBoxArrow, widget);
    const int largeur = std::max(fleche.width(), widget->fontMetrics().height());
    if (partie == SC_ComboBoxArrow) r.setLeft(r.right() - largeur + 1);
    if (partie == SC_ComboBoxEditField) r.setRight(std::min(r.right(), option->rect.right() - largeur));
    return r;
}

void StyleProportionne::drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option, QPainter* p,
                                           const QWidget* widget) const {
    QProxyStyle::drawComplexControl(controle, option, p, widget);
    if (controle == CC_ComboBox) {
        fleche(p, subControlRect(controle, option, SC_ComboBoxArrow, widget), Qt::DownArrow, *option);
    } else if (controle == CC_ScrollBar) {
        const auto* barre = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (!barre) return;
        const bool horizontale = barre->orientation == Qt::Horizontal;
        fleche(p, subControlRect(controle, option, SC_ScrollBarSubLine, widget), horizontale ? Qt::LeftArrow : Qt::UpArrow,
               *option);
        fleche(p, subControlRect(controle, option, SC_ScrollBarAddLine, widget), horizontale ? Qt::RightArrow : Qt::DownArrow,
               *option);
    }
}

void StyleProportionne::applique(QWidget* w) { w->setStyle(style()); }

void StyleProportionne::elargitBarres(QAbstractScrollArea* zone) {
    zone->verticalScrollBar()->setStyle(style());
    zone->horizontalScrollBar()->setStyle(style());
}

void StyleProportionne::elargitDeroulante(QComboBox* liste) {
    liste->setStyle(style());
    elargitBarres(liste->view());
}
