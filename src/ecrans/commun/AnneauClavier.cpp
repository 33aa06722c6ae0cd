#include "ecrans/commun/AnneauClavier.h"

#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "logique/base/Nombres.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int AnneauDesign = 4;  // design pixels of the navy line
bool clavier = false;

// What shows the control's inside: a list draws its rows on its viewport.
QWidget* surface(QWidget* controle) {
    auto* zone = qobject_cast<QAbstractScrollArea*>(controle);
    return zone ? zone->viewport() : controle;
}

void redessineLeClavier() {
    if (QWidget* f = QApplication::focusWidget()) surface(f)->update();
}

// Which of the keyboard and the mouse the child used last, for the whole program.
class DernierAppui final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const bool touche = e->type() == QEvent::KeyPress;
        if ((touche || e->type() == QEvent::MouseButtonPress) && touche != clavier) {
            clavier = touche;
            redessineLeClavier();
        }
        return false;
    }
};

class Anneau final : public QObject {
public:
    Anneau(QWidget* controle, double rondeur) : QObject(controle), controle_(controle), rondeur_(rondeur) {}

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        QWidget* dessin = surface(controle_);
        if (objet == controle_ && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) dessin->update();
        if (objet != dessin || e->type() != QEvent::Paint) return false;
        // The control's own drawing first, through the filters set before this one (a list draws
        // its rows from its own filter on its viewport), the ring over it.
        objet->removeEventFilter(this);
        QCoreApplication::sendEvent(objet, e);
        objet->installEventFilter(this);
        if (AnneauClavier::visibleSur(controle_)) {
            QPainter p(dessin);
            const int t = AnneauClavier::epaisseur(std::min(Affichage::rapportX(), Affichage::rapportY()));
            const QRectF place(dessin->rect());
            AnneauClavier::dessine(p, place, t, rondeur_ * std::min(place.width(), place.height()));
        }
        return true;
    }

private:
    QWidget* controle_;
    double rondeur_;
};
}  // namespace

namespace AnneauClavier {
int epaisseur(double echelle) { return std::max(2, Nombres::arrondi(AnneauDesign * echelle)); }

void dessine(QPainter& p, const QRectF& place, double t, double rayon) {
    // A navy line on a white halo: seen on the light panels and on the dark water alike.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double halo = t / 2.0;
    const QRectF r = place.adjusted(t / 2 + halo, t / 2 + halo, -t / 2 - halo, -t / 2 - halo);
    if (rayon < 0) rayon = std::min(r.width(), r.height()) / 5.0;
    rayon = std::min(rayon, std::min(r.width(), r.height()) / 2.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, t + 2 * halo));
    p.drawRoundedRect(r, rayon, rayon);
    p.setPen(QPen(Apparence::Marine, t));
    p.drawRoundedRect(r, rayon, rayon);
    p.restore();
}

bool clavierUtilise() { return clavier; }
void oublieLeClavier() { clavier = false; }

void pose(QWidget* controle, double rondeur) {
    static QPointer<DernierAppui> suivi;
    if (!suivi && qApp) {
        suivi = new DernierAppui(qApp);
        qApp->installEventFilter(suivi);
    }
    auto* anneau = new Anneau(controle, rondeur);
    controle->installEventFilter(anneau);
    if (surface(controle) != controle) surface(controle)->installEventFilter(anneau);
}

bool visibleSur(const QWidget* controle) {
    // The window's keyboard, even while it is not the active one (a display without a window manager).
    return clavier && controle->isVisible() && controle->window()->focusWidget() == controle;
}
}  // namespace AnneauClavier
