#include "exercises/commun/BulleParole.h"

#include "base/Aleatoire.h"
#include "exercises/commun/MessagesPerdu.h"
#include "interface/Apparence.h"

#include <algorithm>

BulleParole::BulleParole(QWidget* ecran) : QLabel(ecran) {
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

void BulleParole::dit(const QString& texte) {
    setText(texte);
    setWordWrap(false);
    int largeur = std::min(largeurMax_, sizeHint().width());
    setWordWrap(true);
    const int hauteur = heightForWidth(largeur);
    // The narrowest width that needs no more lines.
    for (int etroite = largeur / 2; etroite < largeur;) {
        const int milieu = (etroite + largeur) / 2;
        if (heightForWidth(milieu) > hauteur)
            etroite = milieu + 1;
        else
            largeur = milieu;
    }
    resize(largeur, hauteur);
    show();
}

void BulleParole::ditMessagePerdu() { dit(messages_.value(Aleatoire::random(messages_.size()))); }

void BulleParole::placePres(const QWidget* poisson, int bas) {
    move(poisson->x() + poisson->width() - 30, poisson->y() + poisson->height() / 3 + bas);
}
