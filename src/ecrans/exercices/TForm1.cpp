#include "ecrans/exercices/TForm1.h"

#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Controles.h"
#include "logique/base/Garde.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/LignesEquilibrees.h"
#include "logique/base/Minuterie.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Fabrique.h"
#include "logique/sons/Sons.h"
#include "logique/etat/SharedState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr QSize kTaille(771, 555);
// The score message's place: left of the fish beside the coin's start, above the score fish.
const QRect kPlaceMessage(40, 40, 510, 195);
const QRect kPlacePoisson(64, 240, 297, 201);
const QRect kPlaceCoffre(440, 304, 233, 217);
const QPoint kPlaceKling(590, 246), kPlaceSuite(16, 512);
constexpr int kPoliceMessage = 32, kPoliceKling = 32, kPoliceSuite = 21;
// Between a text and what it meets; below a band of its own; between the card and the display's edge.
constexpr int kEcart = 6, kDessousSuite = 12, kMarge = 16;
}  // namespace

TForm1::TForm1() : FenetreModale(QStringLiteral("Form1"), QStringLiteral("Bilan"), kTaille) {
    Apparence::pourLEnfant(this);
    setAutoFillBackground(false);
    Carte = new QWidget(this);
    Carte->setObjectName(QStringLiteral("Carte"));
    Carte->setAutoFillBackground(true);
    Apparence::colore(Carte, QPalette::Window, Apparence::Mer);
    Carte->setMouseTracking(true);
    Carte->installEventFilter(this);

    // Created bottom to top: the coin falls behind the chest's front.
    Image1 = image(QStringLiteral("Image1"), QStringLiteral("bilan_fond"), QRect(QPoint(0, 0), kTaille));
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    poisson = image(QStringLiteral("poisson"), QStringLiteral("bilan_poisson"), QRect(560, 32, 105, 97));
    coffre = image(QStringLiteral("coffre"), QStringLiteral("coffre"), kPlaceCoffre);
    piece = new Forme(Carte, QStringLiteral("piece"), Forme::Genre::Cercle, Apparence::Or, QColor(0xc9, 0x97, 0x00), 2);
    piece->setAttribute(Qt::WA_TransparentForMouseEvents);
    coffreDevant = image(QStringLiteral("coffre_devant"), QStringLiteral("coffre_devant"),
                         QRect(kPlaceCoffre.x(), Bilan::Pluie::HautDevantCoffre, kPlaceCoffre.width(), 129));
    // Above the chest's right side, clear of the coins falling in.
    Kling = label(QStringLiteral("Kling"), kPoliceKling, kPlaceKling);
    Kling->setText(QStringLiteral("Cling"));
    // The coin's own word: gold on a speech bubble, like everything the scene says.
    Kling->setStyleSheet(Apparence::styleBulleParole() + QStringLiteral("QLabel { color: %1; }").arg(Apparence::OrFonce.name()));
    poissonbien = image(QStringLiteral("poissonbien"), QStringLiteral("poisson_bien"), kPlacePoisson);
    poissonbof = image(QStringLiteral("poissonbof"), QStringLiteral("poisson_bof"), kPlacePoisson);
    poissonnul = image(QStringLiteral("poissonnul"), QStringLiteral("poisson_nul"), kPlacePoisson);
    Label1 = label(QStringLiteral("Label1"), kPoliceMessage, kPlaceMessage.topLeft());
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label2 = label(QStringLiteral("Label2"), kPoliceSuite, kPlaceSuite);
    Label2->setText(QStringLiteral("Pour continuer, cliquer sur \"entrée\""));
    placeComposants();
    Accessibilite::nommeTous(Carte, {{"poissonbien", "Le poisson est très content"},
                                     {"poissonbof", "Le poisson est assez content"},
                                     {"poissonnul", "Le poisson est déçu"},
                                     {"coffre", "Le coffre aux pièces"},
                                     {"piece", "Une pièce tombe dans le coffre"}});
    // The summary itself has the keyboard: Enter reaches it wherever the child's hands were.
    setFocusPolicy(Qt::StrongFocus);
}

Image* TForm1::image(const QString& nom, const QString& dessin, const QRect& place) {
    Image* i = Fabrique::image(Carte, nom, dessin, place.x(), place.y(), place.width(), place.height());
    // Mouse moves anywhere on the card reach the background picture.
    if (nom != QLatin1String("Image1")) i->setAttribute(Qt::WA_TransparentForMouseEvents);
    i->setProperty("placeDesign", place);
    return i;
}

QLabel* TForm1::label(const QString& nom, int pixels, const QPoint& place) {
    auto* l = new QLabel(Carte);
    l->setObjectName(nom);
    l->setProperty("policeDesign", pixels);
    l->setProperty("placeDesign", QRect(place, QSize()));
    Apparence::colore(l, QPalette::WindowText, Apparence::Marine);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

int TForm1::enCarte(int design) const { return static_cast<int>(std::lround(design * echelle_)); }

void TForm1::placeComposants() {
    const QSize ecran = Affichage::taille();
    echelle_ = std::min(ecran.width() / 1024.0, ecran.height() / 768.0);
    setGeometry(QRect(QPoint(0, 0), ecran));
    Carte->resize(enCarte(kTaille.width()), enCarte(kTaille.height()));
    for (QWidget* w : Carte->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect design = w->property("placeDesign").toRect();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            l->setFont(Apparence::comic(static_cast<int>(l->property("policeDesign").toInt() * echelle_), l == Kling));
            l->move(enCarte(design.x()), enCarte(design.y()));
            if (l != Label1) l->adjustSize();
            // "Cling" in its bubble stays inside the card's right edge.
            if (l == Kling) l->move(std::min(l->x(), Carte->width() - l->width() - enCarte(6)), l->y());
        } else if (design.isValid()) {
            w->setGeometry(enCarte(design.x()), enCarte(design.y()), enCarte(design.width()), enCarte(design.height()));
        }
    }
    const int cote = enCarte(33);
    piece->resize(cote, cote);
    piece->setEpaisseur(std::max(2, enCarte(2)));
    placePiece();
}

void TForm1::placePiece() {
    // From the fish's mouth to the chest's front, wherever the chest now stands: the drawn fall
    // stretched as much as the chest went down (whole pixels, so a chest in place keeps it as drawn).
    const int depart = enCarte(Bilan::Pluie::HautDepart), arrivee = enCarte(Bilan::Pluie::HautDevantCoffre);
    const int haut = depart + (enCarte(pluie_.haut()) - depart) * (coffreDevant->y() - depart) / (arrivee - depart);
    piece->move(enCarte(Bilan::Pluie::Gauche), haut);
}

void TForm1::captureFond() {
    // The screens behind, as they are now, darkened under the card.
    fond_ = QPixmap(size());
    fond_.fill(Apparence::Mer);
    QPainter p(&fond_);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && !w->isMinimized() && w->objectName() != QLatin1String("Passage"))
            p.drawPixmap(w->geometry().topLeft(), w->grab());
    p.fillRect(fond_.rect(), QColor(0x0b, 0x3d, 0x5c, 150));
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!fond_.isNull()) p.drawPixmap(0, 0, fond_);
    p.setRenderHint(QPainter::Antialiasing);
    const int bord = std::max(3, enCarte(6));
    const QRectF cadre = QRectF(Carte->geometry()).adjusted(-bord / 2.0, -bord / 2.0, bord / 2.0, bord / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(cadre.translated(enCarte(10), enCarte(12)), bord * 2, bord * 2);
    p.setPen(QPen(Apparence::Marine, bord, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cadre, bord, bord);
}

void TForm1::FormShow() {
    setFocus(Qt::OtherFocusReason);
    placeComposants();
    captureFond();
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
    // In French typography, as the width below is measured: "questions !" never leaves its "!" alone.
    if (auto texte = Bilan::message(e.Retroaction, BonnesReponses, e.NombreDeQuestions, e.NombreErreurs))
        Label1->setText(LignesEquilibrees::typographie(*texte));
    disposeAuxTextes();
    const QSize ecran = Affichage::taille();
    Carte->move((ecran.width() - Carte->width()) / 2, (ecran.height() - Carte->height()) / 2);
    // A screen reader says the score as the summary opens, in the card's words.
    Accessibilite::nomme(this, windowTitle(), Label1->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

// The pupil's type whole wherever the display leaves room: a message taller than its place pushes
// the score fish and the chest down under it, a "Pour continuer" too wide beside the chest takes a
// band of its own across the card under them, and the card grows to hold them. Only a card as tall
// as the display has its message give some of its size back, never below the program's. The
// program's own type holds in the places as drawn, so its card stays as it is.
void TForm1::disposeAuxTextes() {
    // "Cling" above the chest, right of the message's lines whatever their height.
    const QMargins bords = Kling->contentsMargins();
    const int droiteMessage = enCarte(kPlaceMessage.x() + kPlaceMessage.width());
    Apparence::reduitPourTenir(Kling, QSize(Carte->width() - droiteMessage - enCarte(kEcart) - bords.left() - bords.right(),
                                            enCarte(kPlaceCoffre.height()) - bords.top() - bords.bottom()));
    Kling->adjustSize();
    Apparence::reduit(Label2, 1.0);
    Label2->adjustSize();
    const bool suiteACote = Label2->width() <= enCarte(kPlaceCoffre.x() - kPlaceSuite.x()) - enCarte(8) &&
                            Label2->height() <= enCarte(kTaille.height() - kPlaceSuite.y());
    if (!suiteACote) {
        // Under the chest as far as its right side: the coral beside it is drawn down to the sand.
        Apparence::reduitPourTenir(Label2,
                                   QSize(enCarte(kPlaceCoffre.x() + kPlaceCoffre.width() - kPlaceSuite.x()), Carte->height()));
        Label2->adjustSize();
    }
    // As tall as the card may grow: the chest, lower than the fish, under it, and the band if any.
    const int sousLeMessage = enCarte(kEcart) +
                              (suiteACote ? enCarte(kTaille.height() - kPlaceCoffre.y())
                                          : enCarte(kPlaceCoffre.height() + kEcart + kDessousSuite) + Label2->height());
    const int hauteurMax = Affichage::taille().height() - 2 * enCarte(kMarge) - enCarte(kPlaceMessage.y()) - sousLeMessage;
    const int largeurMax = enCarte(kPlaceMessage.width());
    Apparence::reduitPourTenir(Label1, QSize(largeurMax, std::max(enCarte(kPlaceMessage.height()), hauteurMax)));
    // A long line is cut near its middle rather than leaving its last word alone.
    const int largeur = LignesEquilibrees::largeur(Label1->font(), Label1->text(), largeurMax);
    const int hauteurTexte = Label1->fontMetrics()
                                 .boundingRect(QRect(0, 0, largeur, Carte->height() * 4),
                                               int(Label1->alignment()) | Qt::TextWordWrap, Label1->text())
                                 .height();
    const int hauteur = std::max(enCarte(kPlaceMessage.height()), hauteurTexte);
    Label1->setGeometry(enCarte(kPlaceMessage.x()) + (largeurMax - largeur) / 2, enCarte(kPlaceMessage.y()), largeur, hauteur);

    const int descente = hauteur - enCarte(kPlaceMessage.height());
    for (Image* p : {poissonbien, poissonbof, poissonnul}) p->move(p->x(), p->y() + descente);
    coffre->move(coffre->x(), std::max(coffre->y(), Label1->geometry().bottom() + 1 + enCarte(kEcart)));
    const int chute = coffre->y() - enCarte(kPlaceCoffre.y());
    coffreDevant->move(coffreDevant->x(), coffreDevant->y() + chute);
    Kling->move(std::min(Kling->x(), Carte->width() - Kling->width() - enCarte(6)),
                std::min(Kling->y() + chute, coffre->y() - Kling->height() - enCarte(kEcart)));
    if (suiteACote) {
        Label2->move(Label2->x(), Label2->y() + chute);
        Carte->resize(Carte->width(), Carte->height() + chute);
    } else {
        Label2->move(Label2->x(), std::max(poissonbof->geometry().bottom(), coffre->geometry().bottom()) + 1 + enCarte(kEcart));
        Carte->resize(Carte->width(), Label2->geometry().bottom() + 1 + enCarte(kDessousSuite));
    }
    // A taller card has the sea drawn taller, its sand along the bottom still; else as drawn.
    Image1->resize(Carte->size());
    Image1->gardeProportions(Carte->height() == enCarte(kTaille.height()) ? kTaille : Carte->size());
    placePiece();
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
    placePiece();
    piece->setVisible(pluie_.visible());
    Minuterie::demarre(minuterie_, 40);
}

void TForm1::TombePiece() {
    const bool tombee = pluie_.tombe();
    placePiece();
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

bool TForm1::eventFilter(QObject* objet, QEvent* e) {
    // Only moves over the card count: the darkened screen around it is not the summary.
    if (e->type() == QEvent::MouseMove) {
        if (objet == Image1) Image1MouseMove();
        else if (objet == Carte) FormMouseMove();
    }
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
