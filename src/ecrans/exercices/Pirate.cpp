#include "ecrans/exercices/Pirate.h"

#include "logique/base/Minuterie.h"
#include "ecrans/exercices/Geometrie.h"
#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "logique/sons/Sons.h"

#include <QRegion>
#include <QTimer>
#include <algorithm>

Pirate::Pirate(QWidget* ecran, Forme* piece, int tickDescente)
    : QObject(ecran), piece_(piece), tick_(tickDescente), minuteries_(ecran) {
    descend_ = Fabrique::image(ecran, QStringLiteral("pirate_descend"), QStringLiteral("pirate_descend"), 0, 8, 129, 209);
    monte_ = Fabrique::image(ecran, QStringLiteral("pirate_monte"), QStringLiteral("pirate_monte"), 0, 520, 129, 209);
    cache();
}

void Pirate::arme() {
    minuteries_.arme(
        this, [this] { descend(); }, [this] { monte(); });
}
void Pirate::libere() { minuteries_.libere(); }

void Pirate::cache() {
    descend_->hide();
    monte_->hide();
}

void Pirate::limiteEnHaut(int y) {
    hautVisible_ = y;
    coupe();
}

void Pirate::coupe() {
    for (Image* i : {descend_, monte_}) {
        const int cache = std::clamp(hautVisible_ - i->y(), 0, i->height());
        // An empty mask would show him whole: all cut is a region outside the picture.
        i->setMask(cache < i->height() ? QRegion(0, cache, i->width(), i->height() - cache) : QRegion(-1, -1, 1, 1));
    }
}

void Pirate::lance(int tempsAccordeMs) {
    cache();
    piece_->show();
    descend_->move(0, -descend_->height());
    coupe();
    descend_->show();
    pas_ = std::max(1, Ajustement::arrondi(basDe(piece_) / 50.0));
    // Exact for every time a pupil may be given (whole or half seconds, 18 or 20 ms a second).
    Minuterie::demarre(minuteries_.premiere(), tempsAccordeMs * tick_ / 1000);
}

void Pirate::arreteDescente() {
    if (minuteries_.premiere()) minuteries_.premiere()->stop();
}

void Pirate::arreteRemontee() {
    if (minuteries_.seconde()) minuteries_.seconde()->stop();
}

void Pirate::descend() {
    descend_->move(descend_->x(), descend_->y() + pas_);
    coupe();
    if (basDe(descend_) < basDe(piece_)) return;
    minuteries_.premiere()->stop();
    descend_->hide();
    piece_->hide();
    monte_->move(descend_->x(), basDe(piece_) - monte_->height());
    coupe();
    monte_->show();
    Minuterie::demarre(minuteries_.seconde(), 100);
    Sons::joue(Effet::Pirate);
    emit pieceAtteinte();
}

void Pirate::monte() {
    monte_->move(monte_->x(), monte_->y() - pas_);
    coupe();
    if (basDe(monte_) >= 1) return;
    minuteries_.seconde()->stop();
    emit remonteeFinie();
}
