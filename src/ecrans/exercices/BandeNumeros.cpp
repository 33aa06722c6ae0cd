#include "ecrans/exercices/BandeNumeros.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Fabrique.h"

#include <QLabel>
#include <QMouseEvent>

BandeNumeros::BandeNumeros(QWidget* ecran) : Panneau(ecran, QStringLiteral("SoutientBandeNum")) {
    setGeometry(240, 390, 566, 344);
    const QColor clair(255, 255, 200), vert(215, 255, 215);
    for (int r = 0; r < 10; ++r) {
        auto* rangee = new Panneau(this, QStringLiteral("BandeNum%1").arg(10 * r), QColor(190, 245, 245));
        rangee->setGeometry(0, 34 * r, r == 9 ? 564 : 503, 38);
        rangees_[r] = rangee;
        const int dernier = r == 9 ? 10 : 9;
        for (int k = 0; k <= dernier; ++k) {
            const int numero = 10 * r + k;
            auto* tuile = Fabrique::etiquette(rangee, QStringLiteral("Num%1").arg(numero), Apparence::arial(32),
                                              numero % 2 == 0 ? Apparence::Orange : Apparence::Vert, 4 + 50 * k, 4,
                                              numero == 100 ? 56 : 46, 30);
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
    const int rangee = rangees_[0]->height();
    resize(width(), (k + 1) * (rangee - 4));
    const int haut = Affichage::enY(hautDesign) + ((10 - k) / 2) * rangee;
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
