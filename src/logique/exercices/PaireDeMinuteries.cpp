#include "logique/exercices/PaireDeMinuteries.h"

#include "logique/base/Garde.h"
#include "logique/base/Minuterie.h"

#include <QTimer>

void PaireDeMinuteries::arme(QObject* contexte, std::function<void()> premiere, std::function<void()> seconde) {
    libere();
    premiere_ = Minuterie::cree(ecran_);
    seconde_ = Minuterie::cree(ecran_);
    Garde::connecte(premiere_, &QTimer::timeout, contexte, std::move(premiere));
    Garde::connecte(seconde_, &QTimer::timeout, contexte, std::move(seconde));
}

void PaireDeMinuteries::libere() {
    Minuterie::libere(premiere_);
    Minuterie::libere(seconde_);
}

bool PaireDeMinuteries::premiereActive() const { return premiere_ && premiere_->isActive(); }
bool PaireDeMinuteries::secondeActive() const { return seconde_ && seconde_->isActive(); }

void PaireDeMinuteries::arrete() {
    if (premiere_) premiere_->stop();
    if (seconde_) seconde_->stop();
}
