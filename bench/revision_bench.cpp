// Speed of the review on a class's school year in memory (30 pupils, 10,000 questions each): one
// question drawn, and the draw prepared from a pupil's estimates, on the × tables 1 to 10.
#include "AnneeDeClasse.h"
#include "BancLogique.h"
#include "logique/memoire/ParametresParDefaut.h"
#include "logique/revision/EstimationsEleve.h"
#include "logique/revision/TirageRevision.h"

namespace {
const QString Eleve = QStringLiteral("Élève 7");

const Revision::EstimationsEleve& estimationsDeLEleve() {
    static const Revision::EstimationsEleve e = Revision::estimeLEleve(ModeleMemoire(parametresParDefaut(), anneeDeClasse()),
                                                                       Eleve, FinDAnnee, 0.9);
    return e;
}

void UneQuestion(benchmark::State& etat) {
    Revision::TirageRevision tirage(estimationsDeLEleve(), Revision::faitsDesTables(Revision::tablesUnADix(2)));
    for (auto _ : etat) benchmark::DoNotOptimize(tirage.tire());
}
BENCHMARK(UneQuestion)->Unit(benchmark::kMicrosecond)->Repetitions(10);

// What the review screen does once it has the pupil's estimates: the draw prepared, its first question.
void PreparationDuTirage(benchmark::State& etat) {
    const Revision::EstimationsEleve& e = estimationsDeLEleve();
    const QList<Fait> faits = Revision::faitsDesTables(Revision::tablesUnADix(2));
    for (auto _ : etat) benchmark::DoNotOptimize(Revision::TirageRevision(e, faits).tire());
}
BENCHMARK(PreparationDuTirage)->Unit(benchmark::kMicrosecond)->Repetitions(10);
}  // namespace

int main(int argc, char** argv) { return lanceBancsLogique(argc, argv); }
