#include "interface/Image.h"

#include "base/Garde.h"
#include "interface/Images.h"

#include <QMouseEvent>
#include <QPainter>

Image::Image(QWidget* parent, const QString& nomObjet, const QString& dessin) : QWidget(parent) {
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

void Image::setCliquable(bool cliquable) {
    setCursor(cliquable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Image::paintEvent(QPaintEvent*) {
    if (size().isEmpty()) return;
    if (cache_.size() != size() * devicePixelRatioF()) {
        if (!dessin_.isEmpty()) {
            cache_ = Images::rendu(dessin_, size() * devicePixelRatioF());
        } else if (!image_.isNull()) {
            cache_ = image_.scaled(size() * devicePixelRatioF(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            return;
        }
        cache_.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Garde::execute([this] { emit clique(); });
    QWidget::mouseReleaseEvent(e);
}
