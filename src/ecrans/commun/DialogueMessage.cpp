#include "ecrans/commun/DialogueMessage.h"

#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/AnneauClavier.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/LignesEquilibrees.h"
#include "ecrans/commun/Polices.h"
#include "logique/amenagements/AmenagementsEnCours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
using Affichage::enMoyenne;

QString styleBouton(bool principal, int bord, int rayon) {
    return QStringLiteral("QPushButton { background-color: %1; color: #12355b; border: %2px solid #12355b; "
                          "border-radius: %3px; padding: 0 %4px; }"
                          "QPushButton:hover { background-color: %5; }"
                          "QPushButton:focus { border-color: #ff8c1a; }")
        .arg(principal ? QStringLiteral("#ffd23f") : QStringLiteral("#dff6ff"))
        .arg(bord)
        .arg(rayon)
        .arg(rayon)
        .arg(principal ? QStringLiteral("#ffe27a") : QStringLiteral("#ffffff"));
}
}  // namespace

DialogueMessage::DialogueMessage(Messages::Genre genre, const QString& texte, const QString& titre)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), bord_(std::max(3, enMoyenne(4))),
      rayon_(enMoyenne(28)) {
    setObjectName(QStringLiteral("BoiteMessage"));
    // Children meet boxes too; a teacher never has a pupil's look (none once the identification
    // screen shows).
    Apparence::pourLEnfant(this);
    setWindowTitle(titre);
    setModal(true);
    // A screen reader says the message as the box opens.
    Accessibilite::nomme(this, titre, texte);

    // A failure shows the so-so fish; every other box the hero fish.
    const bool echec = genre == Messages::Genre::Erreur;
    auto* poisson = new Image(this, QStringLiteral("Poisson"), echec ? QStringLiteral("poisson_bof") : QStringLiteral("poisson"));
    const QSize design = echec ? QSize(150, 102) : QSize(150, 110);
    poisson->setFixedSize(enMoyenne(design.width()), enMoyenne(design.height()));
    poisson->gardeProportions(design);

    auto* message = new QLabel(LignesEquilibrees::typographie(texte), this);
    message->setObjectName(QStringLiteral("Texte"));
    message->setFont(Apparence::comic(enMoyenne(PoliceTexte)));
    Apparence::colore(message, QPalette::WindowText, Apparence::Marine);
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    message->setTextInteractionFlags(Qt::NoTextInteraction);
    // Long texts wrap at about half the display in lines of even length; short ones keep their width.
    // Measured in the pupil's look, a quarter wider at most for larger type.
    const QFont lue = Polices::pourLEleve(message->font(), AmenagementsEnCours::courants());
    const int plusLarge = std::min(125, 100 * lue.pixelSize() / message->font().pixelSize());
    message->setFixedWidth(LignesEquilibrees::largeur(lue, texte, enMoyenne(560) * plusLarge / 100) + 2);

    auto* haut = new QHBoxLayout;
    haut->setSpacing(enMoyenne(24));
    haut->addWidget(poisson, 0, Qt::AlignTop);
    haut->addWidget(message, 1);

    auto* boutons = new QHBoxLayout;
    boutons->setSpacing(enMoyenne(24));
    boutons->addStretch(1);
    const bool confirmation = genre == Messages::Genre::Confirmation;
    // The default button is the bright one.
    QPushButton* ok = bouton(QStringLiteral("OK"), QStringLiteral("OK"), !confirmation);
    connect(ok, &QPushButton::clicked, this, [this] {
        reponse_ = true;
        accept();
    });
    boutons->addWidget(ok);
    if (confirmation) {
        // Every confirmation of the program removes something: the safe answer is the default.
        QPushButton* annuler = bouton(QStringLiteral("Annuler"), QStringLiteral("Annuler"), true);
        connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
        boutons->addWidget(annuler);
        annuler->setDefault(true);
        annuler->setFocus();
    } else {
        ok->setDefault(true);
        ok->setFocus();
    }

    auto* colonne = new QVBoxLayout(this);
    const int marge = enMoyenne(28) + bord_;
    colonne->setContentsMargins(marge, marge, marge, marge);
    colonne->setSpacing(enMoyenne(24));
    colonne->addLayout(haut);
    colonne->addLayout(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* DialogueMessage::bouton(const QString& nom, const QString& texte, bool principal) {
    auto* b = new QPushButton(texte, this);
    b->setObjectName(nom);
    b->setFont(Apparence::comic(enMoyenne(PoliceTexte), true));
    b->setMinimumSize(enMoyenne(LargeurBouton), enMoyenne(HauteurBouton));
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(true);
    b->setStyleSheet(styleBouton(principal, bord_, enMoyenne(HauteurBouton) / 2));
    AnneauClavier::pose(b, 0.5);
    return b;
}

void DialogueMessage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF carte = QRectF(rect()).adjusted(bord_ / 2.0, bord_ / 2.0, -bord_ / 2.0, -bord_ / 2.0);
    QLinearGradient eau(carte.topLeft(), carte.bottomLeft());
    eau.setColorAt(0, QColor(0xdf, 0xf6, 0xff));
    eau.setColorAt(1, QColor(0xbf, 0xef, 0xff));
    p.setBrush(eau);
    p.setPen(QPen(Apparence::Marine, bord_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(carte, rayon_, rayon_);
}

void DialogueMessage::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    // Rounded corners without a compositor: the window itself is cut to the card.
    QPainterPath contour;
    contour.addRoundedRect(QRectF(rect()), rayon_ + 1, rayon_ + 1);
    setMask(QRegion(contour.toFillPolygon().toPolygon()));
}

void DialogueMessage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    const QSize ecran = Affichage::taille();
    move((ecran.width() - width()) / 2, (ecran.height() - height()) / 2);
}
