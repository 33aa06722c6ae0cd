// Speed of the review on a class's school year in memory (30 pupils, 10,000 questions each), with
// the parameters fitted on it: one question drawn, the draw prepared from a pupil's estimates on
// the × tables 1 to 10, and the review's whole start once the class's answers are read.
#include "AnneeDeClasse.h"
#include "BancLogique.h"
#include "logique/revision/EstimationsEleve.h"
#include "logique/revision/TirageRevision.h"

namespace {
const QString Eleve = QStringLiteral("Élève 7");

const ParametresMemoire& parametresDeLAnnee() {
    static const ParametresMemoire parametres = ModeleMemoire::ajuste(anneeDeClasse(), FinDAnnee);
    return parametres;
}

const Revision::EstimationsEleve& estimationsDeLEleve() {
    static const Revision::EstimationsEleve e = Revision::estimeLEleve(ModeleMemoire(parametresDeLAnnee(), anneeDeClasse()),
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

// What the review screen does on its thread once the class's answers are read: the model over
// them, the pupil's estimates, the draw prepared and its first question.
void DemarrageDeLaRevision(benchmark::State& etat) {
    const ParametresMemoire& parametres = parametresDeLAnnee();
    for (auto _ : etat) {
        const ModeleMemoire modele(parametres, anneeDeClasse());
        Revision::TirageRevision tirage(Revision::estimeLEleve(modele, Eleve, FinDAnnee, 0.9),
                                        Revision::faitsDesTables(Revision::tablesUnADix(2)));
        benchmark::DoNotOptimize(tirage.tire());
    }
}
BENCHMARK(DemarrageDeLaRevision)->Unit(benchmark::kMillisecond)->Repetitions(10);
}  // namespace

int main(int argc, char** argv) { return lanceBancsLogique(argc, argv); }
