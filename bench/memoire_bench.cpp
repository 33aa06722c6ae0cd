// Speed of the memory model on a class of 30 pupils with a school year of answers (300,000
// questions, 10,000 a pupil over 180 days, the + and × tables): fitting it, the model over its
// answers (what a review builds first), one pupil's predictions for every fact they met and a
// single prediction (what a review's draw may ask), at the end of the year.
#include "BancLogique.h"
#include "logique/base/Aleatoire.h"
#include "logique/memoire/ModeleMemoire.h"

namespace {
constexpr qint64 Jour = 86400000;
constexpr qint64 Rentree = 1756713600000;

// Synthetic answers: each pupil knows each fact with a chance that grows with practice.
const QList<ReponseResumee>& anneeDeClasse() {
    static const QList<ReponseResumee> reponses = [] {
        Aleatoire::graine(2025);
        QList<ReponseResumee> liste;
        liste.reserve(300000);
        for (int e = 0; e < 30; ++e) {
            const QString eleve = QStringLiteral("Élève %1").arg(e + 1);
            for (int i = 0; i < 10000; ++i) {
                ReponseResumee r;
                r.eleve = eleve;
                r.moment = Rentree + (i / 56) * Jour + (i % 56) * 8000;
                const int a = 1 + Aleatoire::random(10), b = 1 + Aleatoire::random(10);
                r.fait = Aleatoire::random(2) ? Fait{a, Operation::Multiplication, b, a * b}
                                              : Fait{a, Operation::Addition, b, a + b};
                r.justePremierCoup = Aleatoire::random(100) < 60 + 35 * i / 10000;
                r.msFin = r.justePremierCoup ? 1500 + Aleatoire::random(4000) : -1;
                liste.append(r);
            }
        }
        return liste;
    }();
    return reponses;
}

const qint64 FinDAnnee = Rentree + 181 * Jour;

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
