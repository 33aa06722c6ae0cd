// Loading the last exercise of the largest sequence the settings screen can define: 50 exercises
// of 250 table lines, with a teacher's file holding the same 50 exercises.
#include "BancLogique.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/parametres/LitParametres.h"
#include "logique/parametres/ParameterFiles.h"
#include "logique/parametres/PositionParametres.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QString Enseignant = QStringLiteral("Mme Durand");
const QString Eleve = QStringLiteral("Jules");
const QString Classe = QStringLiteral("classe de Mme Durand/");

QList<ExerciseSettings> exercicesComplets() {
    QList<ExerciseSettings> exercices;
    for (int k = 1; k <= 50; ++k) {
        ExerciseSettings x;
        x.TypeExercice = 1 + k % 4;
        for (int i = 0; i < 250; ++i)
            x.tables << (i % 10 == 9 ? EntreeTable::complement(10 * i, i % 4) : EntreeTable::table(i, -k, 10 + i, i % 4));
        x.CasSuccesseurs = true;
        x.OptionNombresRelatifs = true;
        x.AvecPirate = true;
        x.TempsDeReponse = 15;
        x.NombreDeQuestions = 20;
        x.BandeNumerique = 9;
        exercices << x;
    }
    return exercices;
}

// `exercicesEnseignant`: whether the teacher's file also lists the 50 exercises, or holds only
// its recording choice; the reader needs only the latter but reads the file whole.
void BM_LitParametresExercice50(benchmark::State& state, bool exercicesEnseignant) {
    QTemporaryDir dossier;
    const QString precedent = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    QDir().mkdir(Classe);
    SequenceSettings sequence;
    sequence.exercices = exercicesComplets();
    sequence.UneFoisSequenceFinie = 2;
    const QString chemin = Classe + NomsDossier::parametrage(Eleve, Enseignant);
    EcritFichier(chemin, TexteParameterFile(Enseignant, Eleve, sequence));
    ReecritLignePosition(chemin, LigneDePosition(50));
    EcritFichier(Classe + NomsDossier::parametrageEnseignant(Enseignant),
                 TexteTeacherParameterFile(Enseignant, {}, exercicesEnseignant ? sequence.exercices : QList<ExerciseSettings>(),
                                           true, false, true));

    SharedState etat;
    etat.RepertoireClasse = Classe;
    for (auto _ : state) {
        LitParametres(etat, Eleve, Enseignant);
        benchmark::DoNotOptimize(etat.Tables.data());
    }
    if (etat.nombreEntrees() != 250 || etat.TypeExercice != 3 || etat.UneFoisSequenceFinie != 2 || !etat.SauvegardeTexte)
        state.SkipWithError("exercise 50 was not loaded");
    QDir::setCurrent(precedent);
}
void BM_LitLignesSeules(benchmark::State& state) {
    QTemporaryDir dossier;
    SequenceSettings sequence;
    sequence.exercices = exercicesComplets();
    const QString chemin = dossier.filePath("p.txt");
    EcritFichier(chemin, TexteParameterFile(Enseignant, Eleve, sequence));
    for (auto _ : state) benchmark::DoNotOptimize(FichierTexte::litLignes(chemin));
}
BENCHMARK(BM_LitLignesSeules)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_LitParametresExercice50, fichier_enseignant_court, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_LitParametresExercice50, fichier_enseignant_complet, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
}  // namespace

int main(int argc, char** argv) { return lanceBancsLogique(argc, argv); }
