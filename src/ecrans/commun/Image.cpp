#include "ecrans/commun/Image.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/AnneauClavier.h"
#include "ecrans/commun/Dessins.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

Image::Image(QWidget* parent, const QString& nomObjet, const QString& dessin) : QWidget(parent) {
    Accessibilite::installe();
    setObjectName(nomObjet);
    setAttribute(Qt::WA_TranslucentBackground);
    setDessin(dessin);
}

void Image::setDessin(const QString& nom) {
    dessin_ = nom;
    image_ = {};
    cache_ = {};
    update();
}

void Image::setPixmap(const QPixmap& image) {
    dessin_.clear();
    image_ = image;
    cache_ = {};
    update();
}

void Image::gardeProportions(const QSize& design) {
    proportions_ = design;
    cache_ = {};
    update();
}

void Image::couvre() {
    couvre_ = true;
    cache_ = {};
    update();
}

void Image::setCliquable(bool cliquable) {
    cliquable_ = cliquable;
    setCursor(cliquable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // Tab, never a click, gives it the keyboard: the mouse leaves the keyboard where it was.
    setFocusPolicy(cliquable ? Qt::TabFocus : Qt::NoFocus);
    if (cliquable && !anneau_) AnneauClavier::pose(this);
    anneau_ = anneau_ || cliquable;
}

void Image::paintEvent(QPaintEvent*) {
    if (size().isEmpty()) return;
    // The picture keeps its proportions: as large as its place allows, centred in it (a place
    // stretched by a wide display does not flatten a round bubble).
    const QSize place = size() * devicePixelRatioF();
    if (cache_.isNull() || cachePour_ != place) {
        QSize cible = place;
        if (!proportions_.isEmpty())
            cible = proportions_.scaled(place, couvre_ ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
        if (!dessin_.isEmpty()) {
            cache_ = Dessins::rendu(dessin_, cible);
        } else if (!image_.isNull()) {
            cache_ = image_.scaled(cible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            return;
        }
        cache_.setDevicePixelRatio(devicePixelRatioF());
        cachePour_ = place;
    }
    QPainter p(this);
    const QSizeF dessinee = QSizeF(cache_.size()) / devicePixelRatioF();
    const qreal y = couvre_ ? height() - dessinee.height() : (height() - dessinee.height()) / 2;
    p.drawPixmap(QPointF((width() - dessinee.width()) / 2, y), cache_);
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Garde::execute([this] { emit clique(); });
    QWidget::mouseReleaseEvent(e);
}

void Image::keyPressEvent(QKeyEvent* e) {
    const bool clic = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (!cliquable_ || !clic) return QWidget::keyPressEvent(e);
    e->accept();
    // A key held down clicks once, as a held mouse button does.
    if (!e->isAutoRepeat()) Garde::execute([this] { emit clique(); });
}
