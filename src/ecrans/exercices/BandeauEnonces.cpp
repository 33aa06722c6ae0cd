#include "ecrans/exercices/BandeauEnonces.h"

#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

BandeauEnonces::BandeauEnonces(QWidget* ecran, const QList<QLabel*>& enonces) : QWidget(ecran), enonces_(enonces) {
    setObjectName(QStringLiteral("BandeauEnonces"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QLabel* enonce : enonces_) enonce->installEventFilter(this);
    hide();  // until the statements are placed
}

void BandeauEnonces::ajuste() {
    QRect texte;
    for (const QLabel* enonce : enonces_) {
        if (enonce->isHidden() || enonce->text().isEmpty()) continue;
        const QRect lignes = QFontMetrics(enonce->font())
                                 .boundingRect(enonce->contentsRect(), int(enonce->alignment()) | Qt::TextWordWrap,
                                               enonce->text());
        texte |= lignes.translated(enonce->pos());
    }
    if (texte.isEmpty()) {
        hide();
        return;
    }
    // Room around the words, however large the display makes them.
    setGeometry(texte.adjusted(-Affichage::enMoyenne(20), -Affichage::enY(4), Affichage::enMoyenne(20), Affichage::enY(6)));
    show();
}

bool BandeauEnonces::eventFilter(QObject* objet, QEvent* evenement) {
    switch (evenement->type()) {
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Move:
        case QEvent::Resize: ajuste(); break;
        default: break;
    }
    return QWidget::eventFilter(objet, evenement);
}

// Pale water over the sea, the bubbles' rim around it: the words stand out, the sea still shows.
void BandeauEnonces::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal trait = std::max(2, Affichage::enMoyenne(2));
    const QRectF cadre = QRectF(rect()).adjusted(trait / 2, trait / 2, -trait / 2, -trait / 2);
    const qreal rayon = std::min(cadre.height() / 2, qreal(Affichage::enMoyenne(22)));
    // In high contrast, white and opaque with a black rim.
    const bool fort = Apparence::contrasteFort();
    p.setPen(QPen(fort ? QColor(Qt::black) : QColor(0x5e, 0xc8, 0xe5), trait));
    p.setBrush(fort ? QColor(Qt::white) : QColor(255, 255, 255, 205));
    p.drawRoundedRect(cadre, rayon, rayon);
}
