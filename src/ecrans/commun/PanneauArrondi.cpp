#include "ecrans/commun/PanneauArrondi.h"

#include <QPainter>

PanneauArrondi::PanneauArrondi(QWidget* parent, const QString& nomObjet, const QColor& couleur)
    : Panneau(parent, nomObjet), couleur_(couleur) {}

void PanneauArrondi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Outline and corners follow the panel's fitted size.
    const qreal trait = std::max(2.0, height() / 200.0);
    const qreal rayon = std::min(width(), height()) / 16.0;
    p.setPen(QPen(QColor(0x12, 0x35, 0x5b), trait));
    p.setBrush(couleur_);
    p.drawRoundedRect(QRectF(rect()).adjusted(trait / 2, trait / 2, -trait / 2, -trait / 2), rayon, rayon);
}
