#include "interface/Ecrans.h"

#include "interface/GardeEcranVisible.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QWidget>

namespace {
QHash<int, QWidget*>& registre() {
    static QHash<int, QWidget*> r;
    return r;
}
QHash<int, QWidget*>& parType() {
    static QHash<int, QWidget*> r;
    return r;
}
std::function<void()>& fin() {
    static std::function<void()> f;
    return f;
}
}  // namespace

namespace Ecrans {
void enregistre(Role role, QWidget* e, int typeExercice) {
    GardeEcranVisible::installe();
    registre().insert(static_cast<int>(role), e);
    if (typeExercice > 0) parType().insert(typeExercice, e);
}
QWidget* ecran(Role role) { return registre().value(static_cast<int>(role), nullptr); }

QWidget* exercice(int typeExercice) { return parType().value(typeExercice, nullptr); }

void montre(Role role) {
    if (QWidget* e = ecran(role)) {
        e->show();
        e->raise();
        e->activateWindow();
    }
}

void cache(Role role) {
    if (QWidget* e = ecran(role)) e->hide();
}

void montreBilan() {
    if (auto* d = qobject_cast<QDialog*>(ecran(Role::Form1))) d->exec();
}

void termine() {
    if (fin())
        fin()();
    else
        QApplication::exit(0);
}
void remplaceFin(std::function<void()> f) { fin() = std::move(f); }
}  // namespace Ecrans
