#include "ecrans/commun/SourisSeulement.h"

#include <QEvent>
#include <QWidget>

namespace {
class SansClavier final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        return e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease || e->type() == QEvent::Shortcut;
    }
};
}  // namespace

namespace SourisSeulement {
void applique(QWidget* controle) {
    controle->setFocusPolicy(Qt::NoFocus);
    controle->installEventFilter(new SansClavier(controle));
}
}  // namespace SourisSeulement
