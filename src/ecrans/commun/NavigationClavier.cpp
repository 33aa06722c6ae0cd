#include "ecrans/commun/NavigationClavier.h"

#include <QKeyEvent>
#include <QWidget>
#include <cmath>
#include <limits>

NavigationClavier::NavigationClavier(QWidget* ecran, const QList<QList<QWidget*>>& places)
    : QObject(ecran), ecran_(ecran), places_(places) {
    ecran->installEventFilter(this);
    for (const QList<QWidget*>& place : places)
        for (QWidget* w : place) w->installEventFilter(this);
}

int NavigationClavier::placeDe(const QObject* objet) const {
    for (int i = 0; i < places_.size(); ++i)
        for (const QWidget* w : places_[i])
            if (w == objet) return i;
    return -1;
}

QWidget* NavigationClavier::sommet(int place) const {
    if (place < 0) return nullptr;
    const QList<QWidget*>& pile = places_[place];
    for (auto i = pile.rbegin(); i != pile.rend(); ++i)
        if ((*i)->isVisible() && (*i)->isEnabled()) return *i;
    return nullptr;
}

// The window's keyboard, even while it is not the active one (a display without a window manager).
QWidget* NavigationClavier::clavier() const { return ecran_->window()->focusWidget(); }

int NavigationClavier::voisine(int depuis, int dx, int dy) const {
    const QWidget* ici = sommet(depuis);
    if (!ici) {
        for (int i = 0; i < places_.size(); ++i)
            if (sommet(i)) return i;
        return -1;
    }
    // The nearest place within 45 degrees of the arrow, else the nearest ahead with what lies
    // aside counting double: on a staggered grid Down goes to the row just below.
    int meilleure = -1;
    bool dansLeCone = false;
    double score = std::numeric_limits<double>::max();
    const QPoint centre = ici->mapTo(ecran_, ici->rect().center());
    for (int i = 0; i < places_.size(); ++i) {
        const QWidget* w = sommet(i);
        if (!w || i == depuis) continue;
        const QPoint d = w->mapTo(ecran_, w->rect().center()) - centre;
        const double avance = d.x() * dx + d.y() * dy;
        const double cote = std::abs(d.x() * dy - d.y() * dx);
        if (avance <= 0) continue;
        const bool cone = cote <= avance;
        const double s = cone ? avance + cote : avance + 2.0 * cote;
        if ((cone && !dansLeCone) || (cone == dansLeCone && s < score)) {
            score = s;
            meilleure = i;
            dansLeCone = cone;
        }
    }
    return meilleure;
}

QWidget* NavigationClavier::horsDesPlaces(QWidget* depuis, bool suivant) const {
    for (QWidget* w = depuis;;) {
        w = suivant ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == depuis) return nullptr;
        if (placeDe(w) < 0 && w->window() == ecran_->window() && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
}

bool NavigationClavier::fleche(int place, int touche) {
    int dx = 0, dy = 0;
    switch (touche) {
        case Qt::Key_Left: dx = -1; break;
        case Qt::Key_Right: dx = 1; break;
        case Qt::Key_Up: dy = -1; break;
        case Qt::Key_Down: dy = 1; break;
        default: return false;
    }
    if (QWidget* cible = sommet(voisine(place, dx, dy))) cible->setFocus(Qt::OtherFocusReason);
    return true;
}

bool NavigationClavier::eventFilter(QObject* objet, QEvent* e) {
    const int place = placeDe(objet);
    switch (e->type()) {
        case QEvent::KeyPress: {
            const auto* touche = static_cast<QKeyEvent*>(e);
            if (place >= 0 && (touche->key() == Qt::Key_Tab || touche->key() == Qt::Key_Backtab)) {
                const bool suivant = touche->key() == Qt::Key_Tab && !(touche->modifiers() & Qt::ShiftModifier);
                if (QWidget* w = horsDesPlaces(static_cast<QWidget*>(objet), suivant))
                    w->setFocus(suivant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
            // From elsewhere on the screen (a control that has no use for arrows), an arrow comes
            // back to the places.
            return fleche(place, touche->key());
        }
        case QEvent::FocusIn:
            // Tab from the control before lands on the lowest picture: the top one takes it.
            if (QWidget* haut = sommet(place); haut && haut != objet) haut->setFocus(static_cast<QFocusEvent*>(e)->reason());
            return false;
        case QEvent::Hide:
            // A picture that had the keyboard goes (chosen, burst): its twin, else the nearest place.
            if (place >= 0 && clavier() == objet && ecran_->isVisible()) {
                QWidget* suite = sommet(place);
                if (!suite) suite = sommet(voisine(-1, 0, 0));
                if (suite) suite->setFocus(Qt::OtherFocusReason);
            }
            return false;
        case QEvent::Show:
            // A picture shown over the one that has the keyboard takes it.
            if (place >= 0 && placeDe(clavier()) == place && sommet(place) == objet) static_cast<QWidget*>(objet)->setFocus();
            return false;
        default: return false;
    }
}
