#pragma once
// The one line a teacher reads after a starting test: "connaît sûrement les tables de 2, 5 et 10 ;
// à travailler : 6, 7, 8".
#include "logique/depart/ModeleDepart.h"

#include <QString>

namespace Depart {
// A table is known surely when its ten facts are on average at least this likely...
constexpr double TableSue = 0.85;
// ...and to be worked on below this.
constexpr double TableATravailler = 0.6;

QString resume(const Estimations& estimations);
}  // namespace Depart
