// Speed of the question draws of exercises 3 and 4: a question on ordinary tables, the
// preparation an exercise does once, and settings that allow no question at all.
#include "logique/base/Aleatoire.h"
#include "logique/etat/SharedState.h"
#include "logique/exercices/QuestionExo3.h"
#include "logique/exercices/QuestionExo4.h"
#include "logique/exercices/TirageOperation.h"

#include <benchmark/benchmark.h>

namespace {
// Multiplication tables 2 to 9 on 1..10 and addition tables 1 to 10 on 0..10.
SharedState ordinaires(int operation) {
    SharedState e;
    for (int n = 2; n <= 9; ++n) e.ajouteEntree(n, operation == 2 ? 1 : 0, 10, operation);
    return e;
}

SharedState uneSeuleEntree(int n, int a, int b, int operation, bool dansOrdre) {
    SharedState e;
    e.ajouteEntree(n, a, b, operation);
    e.OptionTableDansOrdre = dansOrdre;
    return e;
}

template <typename Genere>
void question(benchmark::State& etat, const SharedState& reglages, Genere genere) {
    Aleatoire::graine(1);
    const TirageOperation tireur(reglages);
    RepertoireOperations repertoire(tireur);
    for (auto _ : etat) benchmark::DoNotOptimize(genere(tireur, repertoire));
}

// The whole road to the outcome, preparation included.
template <typename Genere>
void exerciceEntier(benchmark::State& etat, const SharedState& reglages, Genere genere) {
    Aleatoire::graine(1);
    for (auto _ : etat) {
        const TirageOperation tireur(reglages);
        RepertoireOperations repertoire(tireur);
        benchmark::DoNotOptimize(genere(tireur, repertoire));
    }
}

void Exo3Multiplications(benchmark::State& e) { question(e, ordinaires(2), GenereExo3); }
void Exo3Additions(benchmark::State& e) { question(e, ordinaires(0), GenereExo3); }
void Exo4Multiplications(benchmark::State& e) { question(e, ordinaires(2), GenereExo4); }
void Exo4Additions(benchmark::State& e) { question(e, ordinaires(0), GenereExo4); }
void Preparation(benchmark::State& etat) {
    const SharedState reglages = ordinaires(2);
    for (auto _ : etat) {
        const TirageOperation tireur(reglages);
        RepertoireOperations repertoire(tireur);
        benchmark::DoNotOptimize(repertoire.nombre());
    }
}
// The table of 2 with × on 3..3 in order; the table of 1 with + on 0..0.
void Exo3Impossible2Fois3(benchmark::State& e) { exerciceEntier(e, uneSeuleEntree(2, 3, 3, 2, true), GenereExo3); }
void Exo3Impossible1Plus0(benchmark::State& e) { exerciceEntier(e, uneSeuleEntree(1, 0, 0, 0, false), GenereExo3); }
void Exo4Impossible2Fois3(benchmark::State& e) { exerciceEntier(e, uneSeuleEntree(2, 3, 3, 2, true), GenereExo4); }
void Exo4Impossible1Plus0(benchmark::State& e) { exerciceEntier(e, uneSeuleEntree(1, 0, 0, 0, false), GenereExo4); }

BENCHMARK(Exo3Multiplications);
BENCHMARK(Exo3Additions);
BENCHMARK(Exo4Multiplications);
BENCHMARK(Exo4Additions);
BENCHMARK(Preparation)->Unit(benchmark::kMicrosecond);
BENCHMARK(Exo3Impossible2Fois3)->Unit(benchmark::kMillisecond);
BENCHMARK(Exo3Impossible1Plus0)->Unit(benchmark::kMillisecond);
BENCHMARK(Exo4Impossible2Fois3)->Unit(benchmark::kMillisecond);
BENCHMARK(Exo4Impossible1Plus0)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
