#pragma once
// The clock every date and time of the program comes from; tests set it.
#include <QDateTime>

namespace Horloge {
QDateTime maintenant();
// Tests: a fixed instant (an invalid QDateTime gives the real clock back).
void fixe(const QDateTime& instant);
// Tests: moves a fixed clock forward.
void avance(qint64 millisecondes);
// Time of day as a fraction of a day (0 at midnight, 0.5 at noon).
double fractionDuJour(const QTime& heure);
}
