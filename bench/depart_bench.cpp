// Speed of the starting test: what runs between a pupil's answer and the next question (the
// beliefs learnt again from every answer, the next question chosen), at the 29th answer, the
// slowest, and the estimates printed at the end.
#include "BancLogique.h"
#include "logique/depart/TestDeDepart.h"

namespace {
// A test 28 answers in, every third answer a miss.
Depart::TestDeDepart avancee(Operation operation) {
    Depart::TestDeDepart test(operation);
    for (int i = 0; i < 28 && !test.fini(); ++i) test.repond(i % 3 != 0, 1500 + 100 * i);
    return test;
}

void QuestionSuivante(benchmark::State& etat) {
    const Depart::TestDeDepart depart = avancee(Operation(etat.range(0)));
    for (auto _ : etat) {
        Depart::TestDeDepart test = depart;
        test.repond(true, 1800);
        benchmark::DoNotOptimize(test.questionSuivante());
    }
}
BENCHMARK(QuestionSuivante)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(10);

void Estimations(benchmark::State& etat) {
    const Depart::TestDeDepart test = avancee(Operation::Multiplication);
    for (auto _ : etat) benchmark::DoNotOptimize(test.estimations());
}
BENCHMARK(Estimations)->Unit(benchmark::kMicrosecond)->Repetitions(10);
}  // namespace

int main(int argc, char** argv) { return lanceBancsLogique(argc, argv); }
