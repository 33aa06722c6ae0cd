#include "exercises/TForm1.h"

#include "interface/Affichage.h"
#include "interface/Controles.h"
#include "base/Garde.h"
#include "interface/Image.h"
#include "base/Minuterie.h"
#include "interface/Apparence.h"
#include "interface/Fabrique.h"
#include "sons/Sons.h"
#include "state/SharedState.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {
constexpr QSize kTaille(771, 555);
}  // namespace

TForm1::TForm1() : FenetreModale(QStringLiteral("Form1"), QStringLiteral("Bilan"), kTaille) {
    setFixedSize(kTaille);
    setAutoFillBackground(true);
    Apparence::colore(this, QPalette::Window, Apparence::Mer);
    setMouseTracking(true);

    // Created bottom to top: the coin falls behind the chest's front.
    Image1 = image(QStringLiteral("Image1"), QStringLiteral("bilan_fond"), QRect(QPoint(0, 0), kTaille));
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    poisson = image(QStringLiteral("poisson"), QStringLiteral("bilan_poisson"), QRect(560, 32, 105, 97));
    coffre = image(QStringLiteral("coffre"), QStringLiteral("coffre"), QRect(440, 304, 233, 217));
    piece = new Forme(this, QStringLiteral("piece"), Forme::Genre::Cercle, Apparence::Or, QColor(0xc9, 0x97, 0x00), 2);
    piece->setGeometry(Bilan::Pluie::Gauche, Bilan::Pluie::HautDepart, 33, 33);
    piece->setAttribute(Qt::WA_TransparentForMouseEvents);
    coffreDevant = image(QStringLiteral("coffre_devant"), QStringLiteral("coffre_devant"),
                         QRect(440, Bilan::Pluie::HautDevantCoffre, 233, 129));
    Kling = label(QStringLiteral("Kling"), 32, QPoint(672, 328));
    Kling->setText(QStringLiteral("Cling"));
    Kling->adjustSize();
    const QRect placePoisson(64, 240, 297, 201);
    poissonbien = image(QStringLiteral("poissonbien"), QStringLiteral("poisson_bien"), placePoisson);
    poissonbof = image(QStringLiteral("poissonbof"), QStringLiteral("poisson_bof"), placePoisson);
    poissonnul = image(QStringLiteral("poissonnul"), QStringLiteral("poisson_nul"), placePoisson);
    Label1 = label(QStringLiteral("Label1"), 32, QPoint(40, 40));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Left of the fish beside the coin's start, three to five lines above the score fish.
    Label1->setWordWrap(true);
    Label1->resize(510, 195);
    Label2 = label(QStringLiteral("Label2"), 21, QPoint(16, 512));
    Label2->setText(QStringLiteral("Pour continuer, cliquer sur \"entrée\""));
    Label2->adjustSize();
}

Image* TForm1::image(const QString& nom, const QString& dessin, const QRect& place) {
    Image* i = Fabrique::image(this, nom, dessin, place.x(), place.y(), place.width(), place.height());
    // Mouse moves anywhere on the screen reach the background picture.
    if (nom != QLatin1String("Image1")) i->setAttribute(Qt::WA_TransparentForMouseEvents);
    return i;
}

QLabel* TForm1::label(const QString& nom, int pixels, const QPoint& place) {
    auto* l = new QLabel(this);
    l->setObjectName(nom);
    l->setFont(Apparence::comic(pixels));
    l->move(place);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

void TForm1::FormShow() {
    const QSize ecran = Affichage::taille();
    move((ecran.width() - width()) / 2, (ecran.height() - height()) / 2);
    poissonbien->hide();
    poissonbof->hide();
    poissonnul->hide();
    Kling->hide();
    piece->hide();
    AnimationFinie = false;
    const SharedState& e = Etat();
    BonnesReponses = e.NombreDeQuestions - e.NombreErreurs;
    delete minuterie_;
    minuterie_ = Minuterie::cree(this);
    Garde::connecte(minuterie_, &QTimer::timeout, this, [this] { TombePiece(); });
    pluie_ = Bilan::Pluie(BonnesReponses);
    AnimationLancee = false;
    ChoisitPoisson();
    if (auto texte = Bilan::message(e.Retroaction, BonnesReponses, e.NombreDeQuestions, e.NombreErreurs))
        Label1->setText(*texte);
}

void TForm1::ChoisitPoisson() {
    switch (Bilan::choisitPoisson(BonnesReponses, Etat().NombreDeQuestions)) {
        case Bilan::Poisson::Bien: poissonbien->show(); break;
        case Bilan::Poisson::Bof: poissonbof->show(); break;
        case Bilan::Poisson::Nul: poissonnul->show(); break;
    }
}

void TForm1::LancePiece() {
    if (!minuterie_) return;
    minuterie_->stop();
    if (!pluie_.lance()) {
        AnimationFinie = true;
        return;
    }
    piece->move(Bilan::Pluie::Gauche, pluie_.haut());
    piece->setVisible(pluie_.visible());
    Minuterie::demarre(minuterie_, 40);
}

void TForm1::TombePiece() {
    const bool tombee = pluie_.tombe();
    piece->move(Bilan::Pluie::Gauche, pluie_.haut());
    if (!tombee) return;
    minuterie_->stop();
    piece->hide();
    Kling->setVisible(pluie_.visible());
    if (pluie_.visible()) Sons::joue(Effet::Cling);
    LancePiece();
}

// The first mouse move starts the coins; a move after the last one has landed closes the screen.
void TForm1::FormMouseMove() {
    if (!AnimationLancee) LancePiece();
    AnimationLancee = true;
    if (AnimationFinie) FermeBilan();
}

void TForm1::Image1MouseMove() { FormMouseMove(); }

void TForm1::mouseMoveEvent(QMouseEvent* e) {
    FenetreModale::mouseMoveEvent(e);
    FormMouseMove();
}

bool TForm1::eventFilter(QObject* objet, QEvent* e) {
    if (objet == Image1 && e->type() == QEvent::MouseMove) Image1MouseMove();
    return FenetreModale::eventFilter(objet, e);
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    // Enter closes; every other key, Escape included, does nothing.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) FermeBilan();
}

void TForm1::FermeBilan() {
    if (minuterie_) {
        minuterie_->stop();
        minuterie_->deleteLater();
        minuterie_ = nullptr;
    }
    accept();
}
