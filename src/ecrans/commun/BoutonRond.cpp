#include "ecrans/commun/BoutonRond.h"

#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/AnneauClavier.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

BoutonRond::BoutonRond(QWidget* parent, const QString& nomObjet, const QString& texte, const QColor& fond, const QColor& encre)
    : QPushButton(texte, parent), fond_(fond), encre_(encre) {
    setObjectName(nomObjet);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

QFont BoutonRond::policeDessinee() const {
    QFont gras = font();
    gras.setBold(true);
    if (echelleTexte_ != 1.0 && gras.pixelSize() > 0) gras.setPixelSize(static_cast<int>(gras.pixelSize() * echelleTexte_));
    return gras;
}

void BoutonRond::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor marine(0x12, 0x35, 0x5b);
    QColor fond = fond_, trait = marine, encre = encre_;
    if (!isEnabled()) {
        fond = QColor(0xe8, 0xe8, 0xe8);
        trait = encre = QColor(0x9a, 0x9a, 0x9a);
    } else if (isDown()) {
        fond = fond_.darker(120);
    } else if (underMouse()) {
        fond = fond_.lighter(112);
    }
    const qreal epaisseur = std::max(2.0, height() / 16.0);
    const QRectF cadre = QRectF(rect()).adjusted(epaisseur / 2, epaisseur / 2, -epaisseur / 2, -epaisseur / 2);
    const qreal rayon = std::min(cadre.height() / 3.0, cadre.width() / 6.0);
    p.setPen(QPen(trait, epaisseur));
    p.setBrush(fond);
    p.drawRoundedRect(cadre, rayon, rayon);
    if (AnneauClavier::visibleSur(this)) {
        AnneauClavier::dessine(p, QRectF(rect()),
                               AnneauClavier::epaisseur(std::min(Affichage::rapportX(), Affichage::rapportY())), rayon);
    } else if (hasFocus()) {
        p.setPen(QPen(trait, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(cadre.adjusted(epaisseur * 1.5, epaisseur * 1.5, -epaisseur * 1.5, -epaisseur * 1.5), rayon / 2,
                          rayon / 2);
    }
    p.setFont(policeDessinee());
    p.setPen(encre);
    p.drawText(cadre, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void BoutonRond::keyPressEvent(QKeyEvent* e) {
    // Enter presses the button the keyboard is on, as Space does.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        e->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}
