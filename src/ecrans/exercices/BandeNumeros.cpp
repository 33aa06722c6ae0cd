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

void BandeNumeros::affiche(int k, int hautDesign, int hautMin, int basMax) {
    if (k < 0 || k > 9) {
        hide();
        for (Panneau* rangee : rangees_) rangee->hide();
        return;
    }
    for (int r = 0; r < 10; ++r) rangees_[r]->setVisible(r <= k);
    retientTailles();
    // As fitted to the display: rows k apart, the last one whole.
    const int pas = rangeesAjustees_[1].y() - rangeesAjustees_[0].y(), rangee = rangeesAjustees_[0].height();
    const int pleine = k * pas + rangee;
    serre(std::min(1.0, double(basMax - hautMin) / pleine));
    resize(width(), rangees_[k]->y() + rangees_[k]->height());
    const int haut = std::max(hautMin, Affichage::enY(hautDesign) + ((10 - k) / 2) * pas);
    move(x(), std::max(hautMin, std::min(haut, basMax - height())));
    show();
}

void BandeNumeros::retientTailles() {
    if (policeAjustee_ > 0) return;
    for (const Panneau* rangee : rangees_) rangeesAjustees_ << rangee->geometry();
    for (const QLabel* tuile : tuiles_) tuilesAjustees_ << tuile->geometry();
    policeAjustee_ = tuiles_[0]->font().pixelSize();
}

void BandeNumeros::serre(double k) {
    const auto fois = [k](int v) { return static_cast<int>(v * k); };
    for (int r = 0; r < 10; ++r) {
        const QRect g = rangeesAjustees_[r];
        rangees_[r]->setGeometry(g.x(), fois(g.y()), g.width(), fois(g.height()));
    }
    QFont police = tuiles_[0]->font();
    police.setPixelSize(std::max(1, fois(policeAjustee_)));
    for (int n = 0; n <= 100; ++n) {
        const QRect g = tuilesAjustees_[n];
        tuiles_[n]->setGeometry(g.x(), fois(g.y()), g.width(), fois(g.height()));
        tuiles_[n]->setFont(police);
    }
}

bool BandeNumeros::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
        const int numero = objet->property("numero").toInt();
        Garde::execute([this, numero] { emit numeroClique(numero); });
        return true;
    }
    return Panneau::eventFilter(objet, evenement);
}
