// Speed of the memory model on a class of 30 pupils with a school year of answers (300,000
// questions, 10,000 a pupil over 180 days, the + and × tables): fitting it, the model over its
// answers (what a review builds first), one pupil's predictions for every fact they met and a
// single prediction (what a review's draw may ask), at the end of the year.
#include "AnneeDeClasse.h"
#include "BancLogique.h"
#include "logique/memoire/ModeleMemoire.h"

namespace {
void AjustementDUneAnnee(benchmark::State& etat) {
    const QList<ReponseResumee>& reponses = anneeDeClasse();  // made before the clock starts
    for (auto _ : etat) benchmark::DoNotOptimize(ModeleMemoire::ajuste(reponses, FinDAnnee));
}
BENCHMARK(AjustementDUneAnnee)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(false);

const ParametresMemoire& parametresDeLAnnee() {
    static const ParametresMemoire parametres = ModeleMemoire::ajuste(anneeDeClasse(), FinDAnnee);
    return parametres;
}

// The model over the class's answers, built before any prediction (a review's, say).
void ModeleDUneAnnee(benchmark::State& etat) {
    const ParametresMemoire& parametres = parametresDeLAnnee();
    for (auto _ : etat) benchmark::DoNotOptimize(ModeleMemoire(parametres, anneeDeClasse()));
}
BENCHMARK(ModeleDUneAnnee)->Unit(benchmark::kMillisecond)->Repetitions(5);

const ModeleMemoire& modeleDeLAnnee() {
    static const ModeleMemoire modele(parametresDeLAnnee(), anneeDeClasse());
    return modele;
}

void PredictionsDUnEleve(benchmark::State& etat) {
    const ModeleMemoire& modele = modeleDeLAnnee();
    for (auto _ : etat) benchmark::DoNotOptimize(modele.predictionsDeLEleve(QStringLiteral("Élève 7"), FinDAnnee));
}
BENCHMARK(PredictionsDUnEleve)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void UnePrediction(benchmark::State& etat) {
    const ModeleMemoire& modele = modeleDeLAnnee();
    const Fait septFoisHuit{7, Operation::Multiplication, 8, 56};
    for (auto _ : etat) benchmark::DoNotOptimize(modele.prediction(QStringLiteral("Élève 7"), septFoisHuit, FinDAnnee));
}
BENCHMARK(UnePrediction)->Unit(benchmark::kMicrosecond)->Repetitions(5);
}  // namespace

int main(int argc, char** argv) { return lanceBancsLogique(argc, argv); }
