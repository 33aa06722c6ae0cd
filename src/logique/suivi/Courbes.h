#pragma once
// The pupil's weekly charts as values: the axes (ranges with room around the points, graduations
// written in French: "1,5 s", "50 %", "14 sept.") and the lines, cut where a week has no answer.
#include "logique/suivi/AnneeEleve.h"

struct Graduation {
    double valeur = 0;
    QString texte;
};

struct AxeCourbe {
    double min = 0, max = 1;
    QList<Graduation> graduations;
};

struct PointCourbe {
    int semaine = 0;  // rank in the school year's weeks
    double valeur = 0;
};

namespace Suivi {
// 0 to 100 % every 25 %, with room beyond both ends so that a point at 0 or 100 % shows whole.
AxeCourbe axeReussite();
// 0 s to the largest value at a round step (0,5 s, 1 s, 2 s…, at most five), with room above.
AxeCourbe axeTemps(double plusGrand);
// The weeks' ranks with half a week of room either side; the date of the Monday every `pas` weeks.
AxeCourbe axeSemaines(const QList<Semaine>& semaines, int pas);
// Success in % or median time in seconds of each week that has one, in runs of consecutive
// weeks: a line never crosses a week without answers.
QList<QList<PointCourbe>> troncons(const QList<Semaine>& semaines, bool reussite);
}  // namespace Suivi
