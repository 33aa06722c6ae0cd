#include "logique/base/JourLocal.h"

#include <QDateTime>
#include <QMap>
#include <QReadWriteLock>
#include <optional>

namespace {
QReadWriteLock verrou;
QMap<qint64, JourLocal> jours;  // by the day's first instant

std::optional<JourLocal> trouve(qint64 moment) {
    auto it = jours.upperBound(moment);
    if (it == jours.cbegin()) return std::nullopt;
    --it;
    if (!it->contient(moment)) return std::nullopt;
    return *it;
}
}  // namespace

JourLocal jourLocal(qint64 moment) {
    {
        QReadLocker lecture(&verrou);
        if (const auto j = trouve(moment)) return *j;
    }
    JourLocal j;
    j.jour = QDateTime::fromMSecsSinceEpoch(moment).date();
    j.debut = QDateTime(j.jour, QTime(0, 0)).toMSecsSinceEpoch();
    j.fin = QDateTime(j.jour.addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    // A day whose midnight the clocks skip starts later: the moment still falls in it.
    if (!j.contient(moment)) return j;
    QWriteLocker ecriture(&verrou);
    jours.insert(j.debut, j);
    return j;
}
