#pragma once
// One pupil's facts as the memory model sees them (docs/revision.md): each fact met with its
// estimated chance of a right first answer, those due (below the class's success aimed at), those
// that will fall below it within a week, and the plain level a teacher reads.
#include "logique/memoire/ModeleMemoire.h"
#include "logique/revision/FaitsDesTables.h"

#include <QList>
#include <unordered_map>

namespace Revision {
// Below the success aimed at a fact is "fragile", below this "à reprendre" (not "à revoir", the
// state of a fact by its last three answers: docs/suivi.md).
constexpr double SeuilFragile = 0.60;
constexpr qint64 SemaineMs = 7LL * 24 * 3600 * 1000;

enum class Niveau { Solide, Fragile, AReprendre };
Niveau niveau(double probabilite, double cible);
// "solide", "fragile", "à reprendre".
QString nomNiveau(Niveau niveau);

struct EstimationsEleve {
    double cible = 0.9;
    std::unordered_map<Fait, double, CleFait> estimations;  // every fact met, now
    QList<PredictionFait> dus;                              // below the target now, the least likely first
    QList<PredictionFait> bientot;                          // at or above it now, below it a week from now
    int nombreDus() const { return static_cast<int>(dus.size()); }
    // The estimate of a fact met, -1 for one never met.
    double estimation(const Fait& fait) const;
};

// From the pupil's answers strictly before `moment`.
EstimationsEleve estimeLEleve(const ModeleMemoire& modele, const QString& eleve, qint64 moment, double cible);
}  // namespace Revision
