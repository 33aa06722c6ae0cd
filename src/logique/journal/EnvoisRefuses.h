#pragma once
// What the school server refused for good, told to the teacher: the records set aside in the
// refused file beside the outbox (EnvoisDifferes::cheminRefus) are told once, in French, at the
// teacher's next visit (never on a pupil's screen), with why and where they are kept.
#include <QString>

namespace EnvoisRefuses {
// The text telling the records set aside since the last time (empty when none); from now on
// they count as told ("<refused file>.signales" keeps how many lines were).
QString aSignaler(const QString& cheminRefus);
}  // namespace EnvoisRefuses
