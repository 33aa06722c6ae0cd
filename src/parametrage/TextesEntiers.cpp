#include "parametrage/TextesEntiers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>

namespace TextesEntiers {
void ajuste(QWidget* ecran) {
    for (QAbstractButton* b : ecran->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QRadioButton*>(b) && !qobject_cast<QCheckBox*>(b)) continue;
        QWidget* parent = b->parentWidget();
        QFont police = b->font();
        if (police.pixelSize() <= 0) continue;
        for (;;) {
            // A quarter of a line between the text and the frame.
            const int marge = b->fontMetrics().height() / 4;
            const int place = std::min(b->width(), parent->contentsRect().right() - marge - b->x());
            if (b->sizeHint().width() <= place || police.pixelSize() <= 9) {
                b->resize(std::max(1, place), b->height());
                break;
            }
            police.setPixelSize(police.pixelSize() - 1);
            b->setFont(police);
        }
    }
}
}  // namespace TextesEntiers
