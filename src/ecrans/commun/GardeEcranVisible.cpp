#include "ecrans/commun/GardeEcranVisible.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {
class Filtre final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override {
        if (!GardeEcranVisible::estUneAction(evenement->type()) || !cible->isWidgetType()) return false;
        const QWidget* fenetre = static_cast<QWidget*>(cible)->window();
        return !fenetre->isVisible();
    }
};
}  // namespace

namespace GardeEcranVisible {
bool estUneAction(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Shortcut:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: return true;
        default: return false;
    }
}

void installe() {
    static Filtre* filtre = nullptr;
    if (filtre || !QCoreApplication::instance()) return;
    filtre = new Filtre(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filtre);
}
}  // namespace GardeEcranVisible
