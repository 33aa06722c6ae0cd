#pragma once
// What a starting test believes of a pupil's facts of one operation: each fact's log-odds of a
// right first answer is the fact's difficulty for an average pupil plus the pupil's ability, a
// term per table of the pupil (a×b shares the terms of table a and of table b), held near zero
// by Gaussian priors. After each answer the beliefs are the posterior's mode and curvature
// (docs/depart.md). Plain arithmetic: the screens and the command line call it directly.
#include "logique/base/Operation.h"

#include <QList>
#include <array>

namespace Depart {
constexpr int Cote = 10;  // a and b from 1 to 10
constexpr int NombreDeFaits = Cote * Cote;

// a×b (or a+b) at (a-1)·10 + (b-1); a and b from 1 to 10.
constexpr int indexFait(int gauche, int droite) { return (gauche - 1) * Cote + (droite - 1); }

using Estimations = std::array<double, NombreDeFaits>;
// The log-odds of a right first answer of each fact for a pupil of average ability.
using DifficultesFaits = std::array<double, NombreDeFaits>;

struct QuestionDepart {
    int gauche = 0;
    int droite = 0;
    bool operator==(const QuestionDepart&) const = default;
};

struct ReponseDepart {
    QuestionDepart question;
    bool juste = false;
    int ms = 0;  // from the question shown to the first answer
    bool operator==(const ReponseDepart&) const = default;
};

// Built by hand from what makes arithmetic facts easy or hard for children: the size of the
// numbers, a 1, a 10, a double, a 2 or a 5 in a multiplication, a sum within ten.
DifficultesFaits difficultesParDefaut(Operation operation);

class ModeleDepart {
public:
    explicit ModeleDepart(const DifficultesFaits& difficultes);
    // Beliefs after these answers (all of one operation).
    void apprend(const QList<ReponseDepart>& reponses);

    // The chance of a right first answer of each fact, the beliefs' uncertainty taken in.
    Estimations estimations() const;
    // How much asking this fact would lower the uncertainty about the facts not yet asked.
    double information(int index, const QList<ReponseDepart>& dejaPosees) const;
    // The mean uncertainty left (the standard deviation of the chance, averaged over the facts).
    double incertitude() const;

private:
    DifficultesFaits difficultes_;
    std::array<double, 11> mode_{};                  // ability, then tables 1 to 10
    std::array<std::array<double, 11>, 11> covariance_{};
};

// The estimates from answers already given (read back from the journal, for instance).
Estimations estimeDepuis(Operation operation, const QList<ReponseDepart>& reponses);
}  // namespace Depart
