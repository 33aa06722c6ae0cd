#include "ecrans/exercices/BulleRequin.h"

#include "logique/base/Minuterie.h"
#include "logique/sons/Sons.h"

#include <QTimer>
#include <QWidget>

BulleRequin::BulleRequin(QWidget* ecran) : QObject(ecran), ecran_(ecran), minuteries_(ecran) {}

void BulleRequin::arme() {
    minuteries_.arme(
        this, [this] { monteDUnPas(); }, [this] { deriveDUnPas(); });
}
void BulleRequin::libere() { minuteries_.libere(); }

void BulleRequin::monte(QWidget* bulle, int pasHorizontal, int pasVertical, std::function<bool()> tientEncore,
                        int tempsAccordeMs) {
    bulle_ = bulle;
    pasHorizontal_ = pasHorizontal;
    pasVertical_ = pasVertical;
    tientEncore_ = std::move(tientEncore);
    reprend(tempsAccordeMs);
}

// 50 ms a second: exact for every time a pupil may be given (whole or half seconds).
void BulleRequin::reprend(int tempsAccordeMs) { Minuterie::demarre(minuteries_.premiere(), tempsAccordeMs / 20); }

void BulleRequin::arreteMontee() {
    if (minuteries_.premiere()) minuteries_.premiere()->stop();
}

void BulleRequin::arreteDerive() {
    if (minuteries_.seconde()) minuteries_.seconde()->stop();
}

void BulleRequin::monteDUnPas() {
    bulle_->move(bulle_->x() + pasHorizontal_, bulle_->y() - pasVertical_);
    emit deplacee();
    if (tientEncore_()) return;
    minuteries_.premiere()->stop();
    Sons::joue(Effet::Bulle);
    emit eclatee();
}

void BulleRequin::faisDeriver(const QList<QWidget*>& objets, int pas) {
    derivants_ = objets;
    pasDerive_ = pas;
    Minuterie::demarre(minuteries_.seconde(), 500);
}

void BulleRequin::deriveDUnPas() {
    for (QWidget* w : derivants_) w->move(w->x() + pasDerive_, w->y());
    if (derivants_.isEmpty() || derivants_.first()->x() < ecran_->width()) return;
    minuteries_.seconde()->stop();
    emit tempsEcoule();
}
