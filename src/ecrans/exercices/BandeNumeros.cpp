#include "ecrans/exercices/BandeNumeros.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Fabrique.h"

#include <QLabel>
#include <QMouseEvent>

namespace {
// Rows of tiles 28 high, 30 apart: the whole strip fits between the counting pictures and the sand.
constexpr int PasRangees = 30, HauteurTuile = 28, MargeTuile = 2;
}  // namespace

BandeNumeros::BandeNumeros(QWidget* ecran) : Panneau(ecran, QStringLiteral("SoutientBandeNum")) {
    setGeometry(248, 356, 566, 9 * PasRangees + HauteurTuile + 2 * MargeTuile);
    const QColor clair(255, 255, 200), vert(215, 255, 215);
    for (int r = 0; r < 10; ++r) {
        auto* rangee = new Panneau(this, QStringLiteral("BandeNum%1").arg(10 * r), QColor(190, 245, 245));
        rangee->setGeometry(0, PasRangees * r, r == 9 ? 564 : 503, HauteurTuile + 2 * MargeTuile);
        rangees_[r] = rangee;
        const int dernier = r == 9 ? 10 : 9;
        for (int k = 0; k <= dernier; ++k) {
            const int numero = 10 * r + k;
            auto* tuile = Fabrique::etiquette(rangee, QStringLiteral("Num%1").arg(numero), Apparence::arial(32),
                                              numero % 2 == 0 ? Apparence::Orange : Apparence::Vert, 4 + 50 * k, MargeTuile,
                                              numero == 100 ? 56 : 46, HauteurTuile);
            tuile->setText(QString::number(numero));
            tuile->setAutoFillBackground(true);
            Apparence::colore(tuile, QPalette::Window, (r % 2 == 0 && numero != 100) ? clair : vert);
            tuile->setCursor(Qt::PointingHandCursor);
            tuile->setProperty("numero", numero);
            tuile->installEventFilter(this);
            tuiles_[numero] = tuile;
        }
        rangee->hide();
    }
}

void BandeNumeros::affiche(int k, int hautDesign, int basMax) {
    if (k < 0 || k > 9) {
        hide();
        for (Panneau* rangee : rangees_) rangee->hide();
        return;
    }
    for (int r = 0; r < 10; ++r) rangees_[r]->setVisible(r <= k);
    // As fitted to the display: rows k apart, the last one whole.
    const int pas = rangees_[1]->y() - rangees_[0]->y(), rangee = rangees_[0]->height();
    resize(width(), k * pas + rangee);
    const int haut = Affichage::enY(hautDesign) + ((10 - k) / 2) * pas;
    const int bas = haut + height();
    move(x(), bas > basMax ? haut - (bas - basMax) : haut);
    show();
}

bool BandeNumeros::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
        const int numero = objet->property("numero").toInt();
        Garde::execute([this, numero] { emit numeroClique(numero); });
        return true;
    }
    return Panneau::eventFilter(objet, evenement);
}
