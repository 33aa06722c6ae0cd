#pragma once
// What a starting test believes of a pupil's facts of one operation. Each fact's log-odds of a
// right first answer is a weighted sum of what makes arithmetic facts easy or hard for children
// (`TraitsDesFaits`: the size of its numbers, a 1, a 10, a double…) plus a term of each of its
// two tables; every weight is the pupil's own, held near what is usual by a Gaussian prior, so
// a few answers tell how this child finds sizes, tens or doubles. After each answer the beliefs
// are the posterior's mode and curvature (docs/depart.md). Plain arithmetic: the screens and the
// command line call it directly.
#include "logique/depart/TraitsDesFaits.h"

#include <QList>

namespace Depart {
struct ReponseDepart {
    QuestionDepart question;
    bool juste = false;
    int ms = 0;  // from the question shown to the first answer
    bool operator==(const ReponseDepart&) const = default;
};

class ModeleDepart {
public:
    explicit ModeleDepart(const TraitsDesFaits& traits);
    // Beliefs after these answers (all of the traits' operation).
    void apprend(const QList<ReponseDepart>& reponses);

    // The chance of a right first answer of each fact (the belief's median).
    Estimations estimations() const;
    // How much an answer to fact `index` would lower the uncertainty about the facts not yet
    // asked (`posee`: asked already).
    double information(int index, const std::array<bool, NombreDeFaits>& posee) const;
    // The mean uncertainty left: the standard deviation of each fact's chance, averaged.
    double incertitude() const;

private:
    double logit(int index) const;
    double variance(int index) const;

    TraitsDesFaits traits_;
    Vecteur mode_{};
    Matrice covariance_{};
};

// The estimates from answers already given (read back from the journal, for instance).
Estimations estimeDepuis(Operation operation, const QList<ReponseDepart>& reponses);
}  // namespace Depart
