#include "ecrans/commun/Controles.h"

#include "ecrans/commun/Apparence.h"

#include <QPainter>

#include <algorithm>

Panneau::Panneau(QWidget* parent, const QString& nomObjet, const QColor& fond) : QFrame(parent) {
    setObjectName(nomObjet);
    setFrameShape(QFrame::NoFrame);
    if (fond.isValid()) setFond(fond);
}

void Panneau::setFond(const QColor& fond) {
    setAutoFillBackground(true);
    Apparence::colore(this, QPalette::Window, fond);
}

Forme::Forme(QWidget* parent, const QString& nomObjet, Genre genre, const QColor& remplissage, const QColor& trait, int epaisseur)
    : QWidget(parent), genre_(genre), remplissage_(remplissage), trait_(trait), epaisseur_(epaisseur) {
    setObjectName(nomObjet);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Forme::setEpaisseur(int e) {
    epaisseur_ = e;
    update();
}

void Forme::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(remplissage_);
    if (epaisseur_ > 0) p.setPen(QPen(trait_, epaisseur_));
    else p.setPen(Qt::NoPen);
    const qreal m = epaisseur_ / 2.0;
    QRectF r = QRectF(rect()).adjusted(m, m, -m, -m);
    if (genre_ == Genre::Cercle) {
        // Round in any fitted place.
        const qreal d = std::min(r.width(), r.height());
        r = QRectF(r.center() - QPointF(d / 2, d / 2), QSizeF(d, d));
        p.drawEllipse(r);
    } else p.drawRoundedRect(r, 12, 12);
}

namespace Marques {
void tailleAuTexte(QWidget* label) { label->setProperty("tailleAuTexte", true); }
bool estTailleAuTexte(const QWidget* label) { return label->property("tailleAuTexte").toBool(); }
void ancreEnBas(QWidget* controle) { controle->setProperty("ancreEnBas", true); }
bool estAncreEnBas(const QWidget* controle) { return controle->property("ancreEnBas").toBool(); }
void gardeProportions(QWidget* panneau) { panneau->setProperty("proportionne", true); }
bool estProportionne(const QWidget* panneau) { return panneau->property("proportionne").toBool(); }
void contenuPlaceParLEcran(QWidget* panneau) { panneau->setProperty("contenuPlaceParLEcran", true); }
bool estContenuPlaceParLEcran(const QWidget* panneau) { return panneau->property("contenuPlaceParLEcran").toBool(); }
}  // namespace Marques
