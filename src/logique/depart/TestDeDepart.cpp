#include "logique/depart/TestDeDepart.h"

namespace Depart {
namespace {
// The test knows enough once the chance of each fact is this sure on average.
constexpr double IncertitudeSuffisante = 0.06;
constexpr int QuestionsAuMoins = 8;
// A fact answered a few minutes ago is still fresh: whatever the pupil knew, the right answer
// was just typed or shown, and most children still have it a few minutes later (less so its
// turn-around, recalled through it).
constexpr double FraicheurFait = 0.9;
constexpr double FraicheurRetourne = 0.75;

Operation operationDuTest(Operation operation) {
    return operation == Operation::Multiplication ? Operation::Multiplication : Operation::Addition;
}
}  // namespace

TestDeDepart::TestDeDepart(Operation operation) : TestDeDepart(operation, traitsDesFaits(operation)) {}

TestDeDepart::TestDeDepart(Operation operation, const TraitsDesFaits& traits)
    : operation_(operationDuTest(operation)), modele_(traits) {
    choisitLaSuivante();
}

std::optional<QuestionDepart> TestDeDepart::questionSuivante() const { return suivante_; }

bool TestDeDepart::fini() const { return !suivante_.has_value(); }

void TestDeDepart::repond(bool juste, int ms, qint64 ecouleMs) {
    if (!suivante_) return;
    reponses_.append({*suivante_, juste, ms});
    ecouleMs_ = ecouleMs >= 0 ? ecouleMs : ecouleMs_ + qMax(0, ms);
    modele_.apprend(reponses_);
    choisitLaSuivante();
}

Estimations TestDeDepart::estimations() const {
    Estimations e = modele_.estimations();
    std::array<double, NombreDeFaits> fraicheur{};
    for (const ReponseDepart& r : reponses_) {
        const int a = r.question.gauche, b = r.question.droite;
        fraicheur[indexFait(a, b)] = FraicheurFait;
        double& retourne = fraicheur[indexFait(b, a)];
        retourne = qMax(retourne, FraicheurRetourne);
    }
    for (int k = 0; k < NombreDeFaits; ++k) e[k] = 1.0 - (1.0 - e[k]) * (1.0 - fraicheur[k]);
    return e;
}

void TestDeDepart::choisitLaSuivante() {
    suivante_.reset();
    if (reponses_.size() >= QuestionsAuPlus || ecouleMs_ >= DureeAuPlusMs) return;
    if (reponses_.size() >= QuestionsAuMoins && modele_.incertitude() < IncertitudeSuffisante) return;
    std::array<bool, NombreDeFaits> posee{};
    // A turn-around of a fact asked is not asked: the child would only repeat what they just saw.
    for (const ReponseDepart& r : reponses_) {
        posee[indexFait(r.question.gauche, r.question.droite)] = true;
        posee[indexFait(r.question.droite, r.question.gauche)] = true;
    }
    const Estimations chances = modele_.estimations();
    double meilleure = -1;
    for (int k = 0; k < NombreDeFaits; ++k) {
        if (posee[k]) continue;
        // Easier facts first: a fact the pupil more likely misses than not tells as much, but
        // a child who meets misses at the start gives up.
        const double information = modele_.information(k, posee) * (chances[k] >= 0.5 ? 1.0 : 0.5);
        if (information > meilleure) {
            meilleure = information;
            suivante_ = QuestionDepart{k / Cote + 1, k % Cote + 1};
        }
    }
}
}  // namespace Depart
