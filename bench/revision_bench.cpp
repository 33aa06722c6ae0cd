// Speed of the review: every box of a pupil with a school year of answers (10,000 questions over
// 180 days on the × and + tables), and one review question drawn.
#include "logique/base/Aleatoire.h"
#include "logique/revision/RevisionEleve.h"
#include "logique/revision/TirageRevision.h"

#include <benchmark/benchmark.h>

namespace {
const QDate Rentree(2025, 9, 1);

QList<EntreeJournal> anneeScolaire() {
    Aleatoire::graine(2025);
    const QList<Fait> faits = Revision::faitsDesTables(Revision::tablesUnADix(2)) +
                              Revision::faitsDesTables(Revision::tablesUnADix(0));
    QList<EntreeJournal> entrees;
    const qint64 debut = QDateTime(Rentree, QTime(9, 0)).toMSecsSinceEpoch();
    for (int i = 0; i < 10000; ++i) {
        EntreeJournal e;
        e.typeExercice = 1 + 4 * (i % 2);
        e.moment = debut + (i / 56) * 24LL * 3600 * 1000 + (i % 56) * 8000;
        e.fait = faits[Aleatoire::random(static_cast<int>(faits.size()))];
        e.justePremierCoup = Aleatoire::random(5) != 0;
        e.msFin = 1000 + Aleatoire::random(4000);
        entrees.append(e);
    }
    return entrees;
}

const QDate FinDAnnee = Rentree.addDays(180);

void ToutesLesBoites(benchmark::State& etat) {
    const QList<EntreeJournal> entrees = anneeScolaire();
    for (auto _ : etat) benchmark::DoNotOptimize(Revision::calculeBoites(entrees, FinDAnnee));
}
BENCHMARK(ToutesLesBoites)->Unit(benchmark::kMillisecond);

void UneQuestion(benchmark::State& etat) {
    const Revision::Boites boites = Revision::calculeBoites(anneeScolaire(), FinDAnnee);
    Revision::TirageRevision tirage(boites, Revision::faitsDesTables(Revision::tablesUnADix(2)), FinDAnnee);
    for (auto _ : etat) benchmark::DoNotOptimize(tirage.tire());
}
BENCHMARK(UneQuestion)->Unit(benchmark::kMicrosecond);

// What the review screen does before its first question: the draw prepared from the boxes.
void PreparationDuTirage(benchmark::State& etat) {
    const Revision::Boites boites = Revision::calculeBoites(anneeScolaire(), FinDAnnee);
    const QList<Fait> faits = Revision::faitsDesTables(Revision::tablesUnADix(2));
    for (auto _ : etat) benchmark::DoNotOptimize(Revision::TirageRevision(boites, faits, FinDAnnee).tire());
}
BENCHMARK(PreparationDuTirage)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
