#include "logique/base/Minuterie.h"

#include <QTimer>
#include <QVariant>
#include <algorithm>

namespace {
int& facteur() {
    static int f = 1;
    return f;
}
}  // namespace

namespace Minuterie {
int intervalle(int millisecondes) { return std::max(1, millisecondes / std::max(1, facteur())); }
void accelere(int f) { facteur() = std::max(1, f); }

QTimer* cree(QObject* proprietaire) {
    auto* t = new QTimer(proprietaire);
    t->setTimerType(Qt::PreciseTimer);
    return t;
}

void demarre(QTimer* minuterie, int millisecondes) {
    minuterie->setProperty("intervalleVoulu", millisecondes);
    minuterie->setInterval(intervalle(millisecondes));
    minuterie->start();
}

int intervalleVoulu(const QTimer* minuterie) { return minuterie->property("intervalleVoulu").toInt(); }

void libere(QTimer*& minuterie) {
    if (!minuterie) return;
    minuterie->stop();
    minuterie->deleteLater();
    minuterie = nullptr;
}
}  // namespace Minuterie
