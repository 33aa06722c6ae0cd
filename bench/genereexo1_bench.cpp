// Speed of exercise 1's question draw: ordinary tables, and settings that make every redraw loop
// run to its bound before the question is built.
#include "logique/base/Aleatoire.h"
#include "logique/etat/SharedState.h"
#include "logique/exercices/QuestionOperation.h"

#include <benchmark/benchmark.h>

namespace {
void tire(benchmark::State& etat, const SharedState& reglages) {
    Aleatoire::graine(1);
    for (auto _ : etat) benchmark::DoNotOptimize(TireQuestionOperation(reglages));
}

// Multiplication tables 2 to 9 on 0..10, division tables 2 to 5, with the usual options.
void TablesOrdinaires(benchmark::State& etat) {
    SharedState e;
    for (int n = 2; n <= 9; ++n) e.ajouteEntree(n, 0, 10, 2);
    for (int n = 2; n <= 5; ++n) e.ajouteEntree(n, 1, 10, 3);
    e.ajouteEntree(SharedState::Complement, 10, SharedState::Complement, 0);
    e.OptionGrandeOperandeAGauche = true;
    tire(etat, e);
}
BENCHMARK(TablesOrdinaires);

// Subtraction without negative numbers that most entries cannot give.
void SoustractionsOrdinaires(benchmark::State& etat) {
    SharedState e;
    for (int n = 1; n <= 10; ++n) e.ajouteEntree(n, 1, 10, 1);
    tire(etat, e);
}
BENCHMARK(SoustractionsOrdinaires);

// 250 entries whose doubles chance almost never gives (huge ranges), and whose exact divisions
// need the search for divisors: each loop reaches its bound.
void PireCas(benchmark::State& etat) {
    SharedState e;
    e.ajouteEntree(SharedState::Complement, 2147483647, SharedState::Complement, 2);
    for (int j = 1; j < SharedState::EntreesMax; ++j) e.ajouteEntree(5 + j, 1, 2000000000, j % 2 ? 3 : 0);
    e.CasDoublesCarres = true;
    e.OptionTableDansOrdre = true;
    tire(etat, e);
}
BENCHMARK(PireCas);

// Divisions that no entry can give exactly: the reserve is searched and comes back empty.
void DivisionsImpossibles(benchmark::State& etat) {
    SharedState e;
    for (int j = 0; j < SharedState::EntreesMax; ++j) e.ajouteEntree(1000003 + 2 * j, 201, 205, 3);
    e.OptionTableDansOrdre = true;
    tire(etat, e);
}
BENCHMARK(DivisionsImpossibles);
}  // namespace

BENCHMARK_MAIN();
