#include "ecrans/commun/Ecrans.h"

#include "ecrans/commun/GardeEcranVisible.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QHash>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <deque>

namespace {
QHash<int, QWidget*>& registre() {
    static QHash<int, QWidget*> r;
    return r;
}
QHash<int, QWidget*>& parType() {
    static QHash<int, QWidget*> r;
    return r;
}
struct Annonce {
    Ecrans::Role role;
    int typeExercice;
    std::function<QWidget*()> fabrique;
};
std::deque<Annonce>& annonces() {
    static std::deque<Annonce> a;
    return a;
}

// Creates the first announced screen.
void creePremiere() {
    Annonce a = std::move(annonces().front());
    annonces().pop_front();
    Ecrans::enregistre(a.role, a.fabrique(), a.typeExercice);
}

// Creates the announced screens in order up to the first one that matches.
template <typename Condition>
void creeJusqua(Condition condition) {
    auto& a = annonces();
    const auto it = std::find_if(a.begin(), a.end(), condition);
    if (it == a.end()) return;
    const Ecrans::Role derniere = it->role;
    while (!a.empty()) {
        const bool cestElle = a.front().role == derniere;
        creePremiere();
        if (cestElle) break;
    }
}

void creeLaSuivante() {
    if (annonces().empty()) return;
    creePremiere();
    if (!annonces().empty()) QTimer::singleShot(0, qApp, creeLaSuivante);
}

// Starts the creations on the window's first paint, then leaves.
class ApresPremierePeinture final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override {
        if (evenement->type() == QEvent::Paint) {
            cible->removeEventFilter(this);
            deleteLater();
            QTimer::singleShot(0, qApp, creeLaSuivante);
        }
        return false;
    }
};

std::function<void()>& fin() {
    static std::function<void()> f;
    return f;
}
}  // namespace

namespace Ecrans {
void enregistre(Role role, QWidget* e, int typeExercice) {
    GardeEcranVisible::installe();
    auto& a = annonces();
    a.erase(std::remove_if(a.begin(), a.end(), [role](const Annonce& x) { return x.role == role; }), a.end());
    registre().insert(static_cast<int>(role), e);
    if (typeExercice > 0) parType().insert(typeExercice, e);
}

void annonce(Role role, std::function<QWidget*()> fabrique, int typeExercice) {
    registre().remove(static_cast<int>(role));
    if (typeExercice > 0) parType().remove(typeExercice);
    annonces().push_back({role, typeExercice, std::move(fabrique)});
}

void creeApresAffichage(QWidget* fenetre) {
    if (annonces().empty()) return;
    fenetre->installEventFilter(new ApresPremierePeinture(fenetre));
}

QWidget* ecran(Role role) {
    if (!registre().contains(static_cast<int>(role))) creeJusqua([role](const Annonce& a) { return a.role == role; });
    return registre().value(static_cast<int>(role), nullptr);
}

QWidget* exercice(int typeExercice) {
    if (!parType().contains(typeExercice))
        creeJusqua([typeExercice](const Annonce& a) { return a.typeExercice == typeExercice; });
    return parType().value(typeExercice, nullptr);
}

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
    if (fin()) fin()();
    else QApplication::exit(0);
}
void remplaceFin(std::function<void()> f) { fin() = std::move(f); }
void oublieTout() {
    registre().clear();
    parType().clear();
    annonces().clear();
}
}  // namespace Ecrans
