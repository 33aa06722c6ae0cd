#include "ecrans/exercices/BulleParole.h"

#include "logique/base/Aleatoire.h"
#include "logique/exercices/MessagesPerdu.h"
#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/LignesEquilibrees.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>

BulleParole::BulleParole(QWidget* ecran) : QLabel(ecran) {
    // A screen reader says it as it shows, and again at each speech (Accessibilite::annonce).
    Accessibilite::role(this, QAccessible::Notification);
    setObjectName(QStringLiteral("Perdu"));
    setFont(Apparence::comic(19));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Apparence::colore(this, QPalette::WindowText, Qt::black);
    setGeometry(657, 300, 330, 92);
    setWordWrap(true);
    // The speech starts 30 pixels inside the fish that says it: its text starts past them.
    setStyleSheet(Apparence::styleBulleParoleDecalee());
    messages_ = MessagesPerdu::charge();
    hide();
}

void BulleParole::dit(const QString& phrase) {
    // In French typography: no line of the speech starts with "!" (a no-break space before it).
    const QString texte = LignesEquilibrees::typographie(phrase);
    setText(texte);
    // A pupil's larger type as long as the speech stays on the screen, and above the quit picture
    // on its right (under a card, left of it where it would not; beside a fish, higher where the
    // water is free), a little less each time where it would not.
    for (double part = 1.0;; part *= 0.9) {
        Apparence::reduit(this, part);
        if (carte_ || parleur_) {
            largeurMax_ = largeurPlace_;
            move(place_);
        }
        ajuste(texte);
        if (aGaucheDe_) placeAGauche();
        if ((tient() && x() >= 0) || part < 0.4) break;
        if (carte_ && tientAGaucheDe(carte_, texte)) break;
        if (parleur_ && tientPlusHaut()) break;
    }
    // Named before it shows: a reader speaks a notification as it shows, with the name it has then.
    Accessibilite::annonce(this, phrase);
    show();
}

void BulleParole::ajuste(const QString& texte) {
    setWordWrap(false);
    const int plein = sizeHint().width();
    int largeur = std::min(largeurMax_, plein);
    setWordWrap(true);
    const int hauteur = heightForWidth(largeur);
    // The narrowest width that needs no more lines and cuts no word ("Bravo\u00A0!" cannot wrap,
    // so the line count alone would let it shrink to nothing; only plain spaces part words).
    const QFontMetrics mesure(font());
    int ligne = 0, mot = 0;
    for (const QString& l : texte.split(QLatin1Char('\n'))) ligne = std::max(ligne, mesure.horizontalAdvance(l));
    for (const QString& m : texte.split(QRegularExpression(QStringLiteral("[ \\t\\n]+")), Qt::SkipEmptyParts))
        mot = std::max(mot, mesure.horizontalAdvance(m));
    const int plancher = std::min(largeur, plein - ligne + mot);
    for (int etroite = std::max(largeur / 2, plancher); etroite < largeur;) {
        const int milieu = (etroite + largeur) / 2;
        if (heightForWidth(milieu) > hauteur) etroite = milieu + 1;
        else largeur = milieu;
    }
    resize(largeur, hauteur);
}

int BulleParole::basPermis() const {
    const QPoint origine = parentWidget()->mapTo(window(), QPoint());
    const bool aDroite = origine.x() + x() + width() > Affichage::enX(900);
    return window()->height() - Affichage::enY(aDroite ? 140 : 8) - origine.y();
}

bool BulleParole::tient() const { return y() + height() <= basPermis(); }

bool BulleParole::tientAGaucheDe(const QWidget* carte, const QString& texte) {
    largeurMax_ = largeurRetenue_;
    ajuste(texte);
    move(carte->x() - Affichage::enX(8) - width(), carte->y() + carte->height() * 2 / 3);
    return x() >= 0 && tient() && couvreRien(carte);
}

void BulleParole::placeAGauche() {
    // Level with the fish; higher where the bottom of the screen is near, if it covers nothing there.
    const int gauche = aGaucheDe_->x() - width() - 4, niveau = aGaucheDe_->y() + (aGaucheDe_->height() - height()) / 2;
    move(gauche, niveau);
    if (tient()) return;
    move(gauche, basPermis() - height());
    if (!couvreRien(aGaucheDe_)) move(gauche, niveau);
}

bool BulleParole::tientPlusHaut() {
    move(x(), basPermis() - height());
    return y() >= 0 && couvreRien(parleur_);
}

bool BulleParole::couvreRien(const QWidget* sauf) const {
    // The sea covers the whole screen: anything else there is something the pupil needs to see.
    for (const QWidget* w : parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w != this && w != sauf && w->isVisibleTo(parentWidget()) && w->geometry().intersects(geometry()) &&
            !w->geometry().contains(parentWidget()->rect()))
            return false;
    return true;
}

void BulleParole::ditMessagePerdu() { dit(messages_.value(Aleatoire::random(messages_.size()))); }

void BulleParole::placePres(const QWidget* poisson, int bas) {
    carte_ = nullptr;
    parleur_ = poisson;
    setStyleSheet(Apparence::styleBulleParoleDecalee());
    largeurMax_ = largeurPlace_ = largeurRetenue_;
    place_ = QPoint(poisson->x() + poisson->width() - 30, poisson->y() + poisson->height() / 3 + bas);
    move(place_);
}

void BulleParole::placeSous(const QWidget* poisson) {
    setStyleSheet(Apparence::styleBulleParole());
    const int gauche = poisson->x() - Affichage::enX(32);
    largeurMax_ = largeurPlace_ = std::min(largeurRetenue_, parentWidget()->width() - gauche - Affichage::enX(8));
    carte_ = poisson;
    parleur_ = nullptr;
    place_ = QPoint(gauche, poisson->y() + poisson->height() + Affichage::enY(6));
    move(place_);
}
