#include "ecrans/commun/EcranProvisoire.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Polices.h"

#include <QLabel>
#include <QPushButton>

EcranProvisoire::EcranProvisoire(const QString& nomObjet, const QString& titre, Ecrans::Role retour)
    : Fenetre(nomObjet, titre, QColor(153, 255, 255)) {
    auto* texte = new QLabel(titre + QStringLiteral("\n\nCet écran arrive bientôt."), this);
    texte->setFont(Polices::police(QStringLiteral("Comic Sans MS"), 32, true));
    texte->setAlignment(Qt::AlignCenter);
    texte->setGeometry(0, 200, 1024, 240);
    auto* bouton = new QPushButton(QStringLiteral("Retour"), this);
    bouton->setObjectName(QStringLiteral("Retour"));
    bouton->setFont(Polices::police(QStringLiteral("Comic Sans MS"), 24));
    bouton->setGeometry(412, 520, 200, 60);
    Garde::connecte(bouton, &QPushButton::clicked, this, [this, retour] {
        hide();
        Ecrans::montre(retour);
    });
}
