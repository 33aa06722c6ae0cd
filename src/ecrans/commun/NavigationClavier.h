#pragma once
// The arrows between the places of a screen that are chosen with the keyboard (the bubbles of an
// exercise): the keyboard goes to the nearest place in the arrow's direction. Each place is a
// stack of clickable pictures, the lowest first; the keyboard stays on the place, on the top
// picture shown, while its pictures swap (a chosen bubble shows its twin). For Tab the places are
// one stop: Tab leaves them for the next control, an arrow elsewhere on the screen comes back.
#include <QList>
#include <QObject>

class QWidget;

class NavigationClavier final : public QObject {
public:
    NavigationClavier(QWidget* ecran, const QList<QList<QWidget*>>& places);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    int placeDe(const QObject* objet) const;
    // The top picture shown of a place, or null.
    QWidget* sommet(int place) const;
    QWidget* clavier() const;
    // The place nearest in the direction (dx, dy) from `depuis` (-1: the first place shown).
    int voisine(int depuis, int dx, int dy) const;
    // The next control that takes Tab after (or before) the places.
    QWidget* horsDesPlaces(QWidget* depuis, bool suivant) const;
    bool fleche(int place, int touche);

    QWidget* ecran_;
    QList<QList<QWidget*>> places_;
};
