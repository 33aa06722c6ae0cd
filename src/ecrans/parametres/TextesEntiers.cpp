#include "ecrans/parametres/TextesEntiers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <algorithm>

namespace {
// The group's children, rows of them (one y, within a few pixels), into the room under the title.
void placeDansLeCadre(QGroupBox* groupe) {
    QList<QWidget*> enfants;
    for (QWidget* w : groupe->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isWindow()) enfants << w;
    if (enfants.isEmpty()) return;
    const int marge = groupe->fontMetrics().height() / 8;
    const QRect place = groupe->contentsRect().adjusted(0, marge, 0, -marge);
    int haut = enfants.front()->y(), bas = 0;
    for (const QWidget* w : enfants) {
        haut = std::min(haut, w->y());
        bas = std::max(bas, w->geometry().bottom());
    }
    if (haut >= place.top() && bas <= place.bottom()) return;
    const double serre = std::min(1.0, double(place.height()) / double(bas - haut + 1));
    // Each edge scaled on its own: rows that touched still touch, and never overlap.
    for (QWidget* w : enfants) {
        const int y = place.top() + qRound((w->y() - haut) * serre);
        const int bas = place.top() + qRound((w->y() + w->height() - haut) * serre);
        w->setGeometry(w->x(), y, w->width(), std::max(1, bas - y));
    }
}

void policeQuiTient(QAbstractButton* b) {
    QWidget* parent = b->parentWidget();
    QFont police = b->font();
    if (police.pixelSize() <= 0) return;
    for (;;) {
        // A quarter of a line between the text and the frame; the line itself within the box's
        // height (the style's focus frame around it may overhang).
        const int marge = b->fontMetrics().height() / 4;
        const int place = std::min(b->width(), parent->contentsRect().right() - marge - b->x());
        if ((b->sizeHint().width() <= place && b->fontMetrics().height() <= b->height()) || police.pixelSize() <= 9) {
            b->resize(std::max(1, place), b->height());
            return;
        }
        police.setPixelSize(police.pixelSize() - 1);
        b->setFont(police);
    }
}
}  // namespace

namespace TextesEntiers {
void ajuste(QWidget* ecran) {
    for (QGroupBox* g : ecran->findChildren<QGroupBox*>()) placeDansLeCadre(g);
    for (QAbstractButton* b : ecran->findChildren<QAbstractButton*>())
        if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b)) policeQuiTient(b);
}
}  // namespace TextesEntiers
