// From the cause to a box on screen: the box built, shown and painted once, at 1024 × 768 and at
// 1920 × 1080 (the longest text of the program's confirmations); and the summary card over an
// exercise screen, darkened background included.
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/DialogueMessage.h"
#include "ecrans/commun/Polices.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {
const QSize Tailles[] = {QSize(1024, 768), QSize(1920, 1080)};

void BM_DialogueAffiche(benchmark::State& state) {
    Affichage::fixeTaille(Tailles[state.range(0)]);
    const QString texte = QStringLiteral(
        "La suppression de cet enseignant entrainera la perte des données concernant aussi tous ses élèves! "
        "Voulez-vous vraiment supprimer cet enseignant?");
    for (auto _ : state) {
        DialogueMessage dialogue(Messages::Genre::Confirmation, texte, QStringLiteral("Confirmation"));
        dialogue.show();
        dialogue.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialogue.grab(QRect(0, 0, 1, 1)));
        dialogue.close();
    }
}
BENCHMARK(BM_DialogueAffiche)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_BilanAffiche(benchmark::State& state) {
    Affichage::fixeTaille(Tailles[state.range(0)]);
    InitialiseParametres(Etat());
    Etat().NomEleve = EleveSansId;
    Etat().ajouteEntree(7, 1, 10, 2);
    Etat().NombreDeQuestions = 10;
    Etat().NombreErreurs = 3;
    Etat().Retroaction = 1;
    TExo1 exercice;
    exercice.show();
    TForm1 bilan;
    for (auto _ : state) {
        bilan.show();
        bilan.repaint();
        QApplication::processEvents();
        bilan.hide();
    }
}
BENCHMARK(BM_BilanAffiche)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Polices::installe();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
