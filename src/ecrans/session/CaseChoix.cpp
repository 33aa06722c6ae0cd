#include "ecrans/session/CaseChoix.h"

#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/AnneauClavier.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Image.h"
#include "logique/base/Garde.h"
#include "logique/base/Nombres.h"

#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int TailleNom = 24;      // design pixels: large type a six-year-old reads
constexpr int MargeDesign = 10;    // room for the ring around the picture and the name
constexpr double Estompee = 0.45;  // a waiting step's pictures, still recognisable
}  // namespace

CaseChoix::CaseChoix(QWidget* parent, const QString& nomObjet, const QString& nomAccessible, const QSize& design)
    : QWidget(parent), design_(design) {
    setObjectName(nomObjet);
    Accessibilite::role(this, QAccessible::Button);
    setAccessibleName(nomAccessible);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    // The keyboard reaches it through the screen's steps (Tab, arrows), never a mouse click: the
    // ring shows only for a child who uses the keys.
    setFocusPolicy(Qt::TabFocus);
}

Image* CaseChoix::ajouteImage(const QString& nomObjet, const QString& dessin) {
    auto* image = new Image(this, nomObjet, dessin);
    image->gardeProportions(design_);
    image->setAccessibleName(images_.size() == 1 ? accessibleName() + QStringLiteral(", choisi") : accessibleName());
    if (!images_.isEmpty()) image->hide();
    images_ << image;
    dispose();
    return image;
}

void CaseChoix::nomme(const QString& nomObjet, const QString& texte) {
    nom_ = new QLabel(texte, this);
    nom_->setObjectName(nomObjet);
    nom_->setAccessibleName(texte);
    nom_->setAlignment(Qt::AlignCenter);
    Apparence::colore(nom_, QPalette::WindowText, Apparence::Marine);
    metALEchelle(echelle_);
}

void CaseChoix::metALEchelle(double k) {
    echelle_ = k;
    if (nom_) nom_->setFont(Apparence::comic(std::max(1, Nombres::arrondi(TailleNom * k)), true));
    dispose();
    update();
}

int CaseChoix::marge() const { return std::max(3, Nombres::arrondi(MargeDesign * echelle_)); }
int CaseChoix::epaisseurAnneau() const { return AnneauClavier::epaisseur(echelle_); }

QSize CaseChoix::tailleVoulue() const {
    const int m = marge();
    const QSize image(Nombres::arrondi(design_.width() * echelle_), Nombres::arrondi(design_.height() * echelle_));
    if (!nom_) return image + QSize(2 * m, 2 * m);
    const QSize texte = nom_->sizeHint();
    return {std::max(image.width(), texte.width()) + 2 * m, image.height() + texte.height() + 2 * m};
}

void CaseChoix::dispose() {
    const int m = marge();
    const int hauteurNom = nom_ ? nom_->sizeHint().height() : 0;
    const QRect image(m, m, width() - 2 * m, height() - 2 * m - hauteurNom);
    for (Image* i : images_) i->setGeometry(image);
    if (nom_) nom_->setGeometry(m, image.bottom() + 1, width() - 2 * m, hauteurNom);
}

void CaseChoix::montreChoisie(bool choisie) {
    choisie_ = choisie;
    if (images_.size() >= 2) {
        images_[0]->setVisible(!choisie && !couverte_);
        images_[1]->setVisible(choisie && !couverte_);
    }
    setAccessibleDescription(choisie ? QStringLiteral("choisi") : QString());
}

void CaseChoix::couvre(bool couverte) {
    couverte_ = couverte;
    if (images_.size() >= 3) images_[2]->setVisible(couverte);
    setEnabled(!couverte);
    montreChoisie(choisie_);
}

void CaseChoix::estompe(bool estompee) {
    if (estompee == estompee_) return;
    estompee_ = estompee;
    for (Image* i : images_) {
        if (!estompee) {
            i->setGraphicsEffect(nullptr);
            continue;
        }
        auto* effet = new QGraphicsOpacityEffect(i);
        effet->setOpacity(Estompee);
        i->setGraphicsEffect(effet);
    }
}

void CaseChoix::resizeEvent(QResizeEvent*) { dispose(); }

void CaseChoix::prendLeClavier(Qt::FocusReason raison) {
    QWidget* avant = window()->focusWidget();
    setFocus(raison);
    if (avant) avant->update();
    update();
}

bool CaseChoix::aLeClavier() const { return window()->focusWidget() == this; }

void CaseChoix::paintEvent(QPaintEvent*) {
    if (!aLeClavier()) return;
    QPainter p(this);
    AnneauClavier::dessine(p, QRectF(rect()), epaisseurAnneau());
}

void CaseChoix::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) e->accept();
    else QWidget::mousePressEvent(e);
}

void CaseChoix::mouseReleaseEvent(QMouseEvent* e) {
    // A release on the picture or the name reaches here from the child that had the press.
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint())) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    e->accept();
    Garde::execute([this] { emit choisie(false); });
}

void CaseChoix::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            e->accept();
            Garde::execute([this] { emit choisie(true); });
            return;
        default: QWidget::keyPressEvent(e);
    }
}

void CaseChoix::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void CaseChoix::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}
