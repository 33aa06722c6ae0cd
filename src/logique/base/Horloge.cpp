#include "logique/base/Horloge.h"

namespace {
QDateTime& instantFixe() {
    static QDateTime instant;
    return instant;
}
}  // namespace

namespace Horloge {
QDateTime maintenant() { return instantFixe().isValid() ? instantFixe() : QDateTime::currentDateTime(); }
void fixe(const QDateTime& instant) { instantFixe() = instant; }
void avance(qint64 millisecondes) {
    if (instantFixe().isValid()) instantFixe() = instantFixe().addMSecs(millisecondes);
}
double fractionDuJour(const QTime& heure) { return heure.msecsSinceStartOfDay() / 86400000.0; }
}  // namespace Horloge
