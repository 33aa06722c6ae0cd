#include "ecrans/commun/Passage.h"

#include <QLabel>
#include <QTimer>

namespace {
// Long enough for the window system to map and paint the next screen.
constexpr int DureeCouvertureMs = 150;
}  // namespace

Passage::Passage(QWidget* ecran) {
    if (!ecran || !ecran->window()->isVisible()) return;
    QWidget* fenetre = ecran->window();
    auto* image = new QLabel;
    image->setObjectName(QStringLiteral("Passage"));
    image->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    image->setAttribute(Qt::WA_ShowWithoutActivating);
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    image->setPixmap(fenetre->grab());
    image->setGeometry(fenetre->geometry());
    image->show();
    couverture_ = image;
}

Passage::~Passage() {
    if (couverture_) QTimer::singleShot(DureeCouvertureMs, couverture_, &QObject::deleteLater);
}
