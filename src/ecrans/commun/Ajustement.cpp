#include "ecrans/commun/Ajustement.h"

#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Controles.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <cmath>

namespace {
Ajustement::Facteurs& etat() {
    static Ajustement::Facteurs f;
    return f;
}

int moyenne(int taille) {
    const auto& f = etat();
    return static_cast<int>(std::trunc(taille * (f.vertical + f.horizontal) / 2.0));
}

void ajustePolice(QWidget* w) {
    QFont police = w->font();
    if (police.pixelSize() > 0) police.setPixelSize(std::max(1, moyenne(police.pixelSize())));
    else police.setPointSize(std::max(1, moyenne(police.pointSize())));
    w->setFont(police);
}

void adapteEnProportion(QWidget* w, int gauche, int haut);

bool estConteneur(const QWidget* w) { return qobject_cast<const Panneau*>(w) || qobject_cast<const QGroupBox*>(w); }
}  // namespace

namespace Ajustement {
const Facteurs& facteurs() { return etat(); }
void reinitialise() { etat() = Facteurs{}; }
}  // namespace Ajustement

void CalculeEchelle(QWidget* fenetre) {
    const QSize ecran = Affichage::taille();
    auto& f = etat();
    f.vertical = static_cast<double>(ecran.height()) / fenetre->height();
    f.horizontal = static_cast<double>(ecran.width()) / fenetre->width();
    f.actif = true;
}

void AdapteFenetre(QWidget* fenetre) {
    const bool maximisee = std::abs(fenetre->height() - 768) < 10;
    if (maximisee) fenetre->setGeometry(QRect(QPoint(0, 0), Affichage::taille()));
    const auto& f = etat();
    if (!f.actif) return;
    ajustePolice(fenetre);
    if (!maximisee)
        fenetre->resize(Ajustement::arrondi(fenetre->width() * f.horizontal),
                        Ajustement::arrondi(fenetre->height() * f.vertical));
    AdapteControles(fenetre);
}

void AdapteControles(QWidget* conteneur) {
    const auto& f = etat();
    const auto enfants = conteneur->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* w : enfants) {
        if (w->isWindow()) continue;
        // Only drop-downs, labels and panels with a font of their own are scaled; the others
        // either follow their parent's fitted font or keep their own size.
        const bool policeAjustable = qobject_cast<QComboBox*>(w) || qobject_cast<QLabel*>(w) || estConteneur(w);
        if (policeAjustable && w->testAttribute(Qt::WA_SetFont)) ajustePolice(w);

        int gauche = Ajustement::arrondi(w->x() * f.horizontal);
        const int haut = Marques::estAncreEnBas(w) ? w->y() : Ajustement::arrondi(w->y() * f.vertical);
        if (gauche < 0) gauche = 0;
        if (Marques::estProportionne(w)) {
            adapteEnProportion(w, gauche, haut);
            continue;
        }
        if (qobject_cast<QLabel*>(w) && Marques::estTailleAuTexte(w)) {
            w->move(gauche, haut);
            w->adjustSize();
        } else {
            w->setGeometry(gauche, haut, Ajustement::arrondi(w->width() * f.horizontal),
                           Ajustement::arrondi(w->height() * f.vertical));
        }
        if (auto* forme = qobject_cast<Forme*>(w))
            forme->setEpaisseur(static_cast<int>(std::trunc(forme->epaisseur() * f.vertical)));
        if (estConteneur(w) && !Marques::estContenuPlaceParLEcran(w)) AdapteControles(w);
    }
}

namespace {
// The panel and its children scaled by the smaller factor, centred in the place the two factors
// give it.
void adapteEnProportion(QWidget* w, int gauche, int haut) {
    auto& f = etat();
    const Ajustement::Facteurs avant = f;
    const double k = std::min(f.horizontal, f.vertical);
    const int largeur = Ajustement::arrondi(w->width() * k), hauteur = Ajustement::arrondi(w->height() * k);
    const int dx = (Ajustement::arrondi(w->width() * f.horizontal) - largeur) / 2;
    const int dy = (Ajustement::arrondi(w->height() * f.vertical) - hauteur) / 2;
    w->setGeometry(gauche + dx, haut + dy, largeur, hauteur);
    f.horizontal = f.vertical = k;
    if (!Marques::estContenuPlaceParLEcran(w)) AdapteControles(w);
    f = avant;
}
}  // namespace

void RestaureResolution() {}
