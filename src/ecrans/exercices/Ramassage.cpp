#include "ecrans/exercices/Ramassage.h"

#include "logique/base/Minuterie.h"
#include "ecrans/exercices/Geometrie.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "logique/sons/Sons.h"

#include <QTimer>

namespace {
constexpr int Pas = 25;  // pixels right and down at each step of the arrival
}

Ramassage::Ramassage(QWidget* ecran, Forme* piece) : QObject(ecran), piece_(piece), minuteries_(ecran) {
    arrivee_ = Fabrique::image(ecran, QStringLiteral("ramasse_piece1"), QStringLiteral("ramasse_piece1"), -8, 496, 105, 97);
    depart_ = Fabrique::image(ecran, QStringLiteral("ramasse_piece2"), QStringLiteral("ramasse_piece2"), 112, 639, 105, 97);
    cache();
}

void Ramassage::arme() {
    minuteries_.arme(
        this, [this] { arrive(); }, [this] { part(); });
}
void Ramassage::libere() { minuteries_.libere(); }

void Ramassage::cache() {
    arrivee_->hide();
    depart_->hide();
}

void Ramassage::lance() {
    // An answer validated while the screen was still being prepared (a box of its start open)
    // comes before the exercise armed its timers: they are made now, so the coin is still taken.
    if (!minuteries_.premiere()) arme();
    // In from the left edge on the diagonal of its steps that ends on the coin: it takes it
    // whole on the screen, on the sand, whatever the display's shape.
    const int largeur = arrivee_->width();
    const int pas = (piece_->geometry().center().x() + largeur / 2 + Pas - 1) / Pas;
    arrivee_->move(-largeur, basDe(piece_) - arrivee_->height() - pas * Pas);
    arrivee_->show();
    arrivee_->raise();
    Minuterie::demarre(minuteries_.premiere(), 80);
}

void Ramassage::arrive() {
    arrivee_->move(arrivee_->x() + Pas, arrivee_->y() + Pas);
    if (basDe(arrivee_) < basDe(piece_) && droiteDe(arrivee_) < droiteDe(piece_) + 100) return;
    minuteries_.premiere()->stop();
    arrivee_->hide();
    piece_->hide();
    Sons::joue(Effet::Piece);
    depart_->move(arrivee_->pos());
    depart_->show();
    depart_->raise();
    Minuterie::demarre(minuteries_.seconde(), 80);
}

void Ramassage::part() {
    depart_->move(depart_->x() - 20, depart_->y());
    if (droiteDe(depart_) >= 1) return;
    minuteries_.seconde()->stop();
    depart_->hide();
    piece_->show();
    emit termine();
}
