// Exercise 1's timing creatures and the coin pickup. The moving pictures are placed with the
// integer display factors (1 below 2048 × 1536); every interval goes through Minuterie.
#include "exercises/TExo1.h"

#include "interface/Affichage.h"
#include "interface/Ajustement.h"
#include "interface/Controles.h"
#include "base/Garde.h"
#include "interface/Image.h"
#include "base/Minuterie.h"
#include "state/SharedState.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

namespace {
int droiteDe(const QWidget* w) { return w->x() + w->width(); }
int basDe(const QWidget* w) { return w->y() + w->height(); }
}  // namespace

int TExo1::echelleX() { return std::max(1, Affichage::taille().width() / 1024); }
int TExo1::echelleY() { return std::max(1, Affichage::taille().height() / 768); }

QTimer* TExo1::nouvelleMinuterie(void (TExo1::*gestionnaire)()) {
    QTimer* t = Minuterie::cree(this);
    Garde::connecte(t, &QTimer::timeout, this, [this, gestionnaire] { (this->*gestionnaire)(); });
    return t;
}

// The coin pickup timers always, and the two timers of the mode's creature.
void TExo1::creeMinuteries() {
    libereMinuteries();
    minuterieArriveeRamasseur_ = nouvelleMinuterie(&TExo1::RamassePieceArrive);
    minuterieDepartRamasseur_ = nouvelleMinuterie(&TExo1::RamassePiecePart);
    if (mode_ == Mode::Pirate) {
        minuterieRemontePirate_ = nouvelleMinuterie(&TExo1::RemontePirate);
        minuterieDescentePirate_ = nouvelleMinuterie(&TExo1::DescendPirate);
    } else if (mode_ == Mode::Requin) {
        minuterieMonteeBulle_ = nouvelleMinuterie(&TExo1::BougeLaBulle);
        minuterieDeriveBulle_ = nouvelleMinuterie(&TExo1::BougeLaBulle2);
    }
}

// Released later, so that a timer whose own event ends the exercise outlives that event.
void TExo1::libereMinuteries() {
    for (QTimer** t : {&minuterieMonteeBulle_, &minuterieDeriveBulle_, &minuterieDescentePirate_,
                       &minuterieRemontePirate_, &minuterieArriveeRamasseur_, &minuterieDepartRamasseur_}) {
        if (!*t) continue;
        (*t)->stop();
        (*t)->deleteLater();
        *t = nullptr;
    }
}

// The answer bubble rides at the question bubble's lower right corner.
void TExo1::placeBulle2() { Bulle2->move(droiteDe(Bulle1), basDe(Bulle1)); }

void TExo1::LanceLeTimer() {
    Bulle1->move(echelleX() * 280, echelleY() * 360);
    placeBulle2();
    LabelRequin->hide();
    ResultatBulle2->show();
    ResultatBulle2->setReadOnly(false);
    pasBulleVertical_ = Ajustement::arrondi((Poisson->y() - BulleExplose->y()) / 30.0);
    pasBulleHorizontal_ = Ajustement::arrondi((RequinPanel->x() - Poisson->x()) / 30.0);
    Minuterie::demarre(minuterieMonteeBulle_, Etat().TempsDeReponse * 50);
}

void TExo1::BougeLaBulle() {
    Bulle1->move(Bulle1->x() + pasBulleHorizontal_, Bulle1->y() - pasBulleVertical_);
    placeBulle2();
    if (Bulle1->x() <= RequinPanel->x() - Bulle1->width() && Bulle1->y() >= BulleExplose->y() + 10) return;
    // The bubble bursts at the shark, which shows the question; the answer bubble drifts away
    // with the right result.
    minuterieMonteeBulle_->stop();
    BulleExplose->show();
    LabelRequin->setText(OpBulle1->text());
    LabelRequin->show();
    Bulle1->hide();
    ResultatBulle2->setText(QString::number(question_.resultat));
    ResultatBulle2->setReadOnly(true);
    Minuterie::demarre(minuterieDeriveBulle_, 500);
}

void TExo1::BougeLaBulle2() {
    Bulle2->move(Bulle2->x() + 30, Bulle2->y());
    if (Bulle2->x() < width()) return;
    minuterieDeriveBulle_->stop();
    partie_.TempsEcoule = true;
    BulleExplose->hide();
    ValiderResultatClick();
}

void TExo1::LanceLeTimerPirate() {
    pirate_descend->move(0, -pirate_descend->height());
    pirate_descend->show();
    pasPirate_ = std::max(1, Ajustement::arrondi(basDe(piece) / 50.0));
    Minuterie::demarre(minuterieDescentePirate_, Etat().TempsDeReponse * 18);
}

void TExo1::DescendPirate() {
    pirate_descend->move(pirate_descend->x(), pirate_descend->y() + pasPirate_);
    if (basDe(pirate_descend) < basDe(piece)) return;
    // The pirate takes the coin and climbs back with it; the field shows the result.
    minuterieDescentePirate_->stop();
    pirate_descend->hide();
    piece->hide();
    pirate_monte->move(pirate_descend->x(), basDe(piece) - pirate_monte->height());
    pirate_monte->show();
    Minuterie::demarre(minuterieRemontePirate_, 100);
    Resultat->setText(QString::number(question_.resultat));
    Resultat->setReadOnly(true);
    Perdu->hide();
}

void TExo1::RemontePirate() {
    pirate_monte->move(pirate_monte->x(), pirate_monte->y() - pasPirate_);
    if (basDe(pirate_monte) >= 1) return;
    minuterieRemontePirate_->stop();
    Resultat->setReadOnly(false);
    partie_.TempsEcoule = true;
    ValiderResultatClick();
}

// A right first answer: the seahorse comes for the coin; answers are ignored meanwhile.
void TExo1::LanceLeTimerBravo() {
    ramasse_piece1->move(-ramasse_piece1->width(), echelleY() * 500);
    ramasse_piece1->show();
    partie_.RamassageEnCours = true;
    if (mode_ == Mode::Requin) {
        minuterieMonteeBulle_->stop();
        minuterieDeriveBulle_->stop();
        ResultatBulle2->setReadOnly(true);
        ditPerdu(QStringLiteral("Bravo !"));
    } else {
        if (mode_ == Mode::Pirate) minuterieDescentePirate_->stop();
        Bravo->show();
        Resultat->setReadOnly(true);
    }
    Minuterie::demarre(minuterieArriveeRamasseur_, 80);
}

void TExo1::RamassePieceArrive() {
    ramasse_piece1->move(ramasse_piece1->x() + 25, ramasse_piece1->y() + 25);
    if (basDe(ramasse_piece1) < basDe(piece) && droiteDe(ramasse_piece1) < droiteDe(piece) + 100) return;
    minuterieArriveeRamasseur_->stop();
    ramasse_piece1->hide();
    piece->hide();
    ramasse_piece2->move(ramasse_piece1->pos());
    ramasse_piece2->show();
    Minuterie::demarre(minuterieDepartRamasseur_, 80);
}

void TExo1::RamassePiecePart() {
    ramasse_piece2->move(ramasse_piece2->x() - 20, ramasse_piece2->y());
    if (droiteDe(ramasse_piece2) >= 1) return;
    minuterieDepartRamasseur_->stop();
    ramasse_piece2->hide();
    piece->show();
    partie_.RamassageEnCours = false;
    for (QLineEdit* champ : {Resultat, ResultatBulle2}) {
        champ->setReadOnly(false);
        champ->clear();
    }
    ReponseJuste();
}
