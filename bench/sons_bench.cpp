// Sound and voice: the first need (the module loaded, every effect prepared: when an exercise
// starts with sounds on), and the time from an effect's moment to its sound playing. Run with a
// sound device (a desktop session, or a PulseAudio null sink): without one nothing is loaded and
// the second figure only measures the call. See bench/README.md.
#include "logique/sons/Sons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace {
void PremierBesoin(benchmark::State& state) {
    for (auto _ : state) {
        Sons::installeSortie(nullptr);  // the module is looked for again, as on a first start
        Sons::regle({true, true});
    }
}
BENCHMARK(PremierBesoin)->Unit(benchmark::kMillisecond)->Iterations(1);

// From play() to the effect's "playing" state reported by Qt Multimedia, on an effect made as the
// module makes its own (its files are among the module's resources once it is loaded) and loaded
// beforehand, as the module's are from the exercise's start. Counter: the worst repetition.
void EffetALInstant(benchmark::State& state) {
    Sons::regle({true, false});
    QSoundEffect effet;
    effet.setSource(QUrl(QStringLiteral("qrc:/sons/juste.wav")));
    effet.setVolume(0.6f);
    QElapsedTimer attente;
    attente.start();
    while (effet.status() != QSoundEffect::Ready && attente.elapsed() < 3000) QCoreApplication::processEvents();
    if (effet.status() != QSoundEffect::Ready) {
        state.SkipWithError("no sound device or the effect cannot be loaded");
        return;
    }
    double pire = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        effet.play();
        while (!effet.isPlaying() && t.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        pire = std::max(pire, t.nsecsElapsed() / 1e6);
        state.PauseTiming();
        while (effet.isPlaying() && t.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        effet.stop();
        state.ResumeTiming();
    }
    state.counters["pire_ms"] = pire;
}
BENCHMARK(EffetALInstant)->Unit(benchmark::kMillisecond)->Iterations(20);
}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    // The voice's first need: the speech engine asked for a French voice (once a run).
    QElapsedTimer t;
    t.start();
    bool voix = false, repondu = false;
    Sons::chercheVoix([&](bool disponible) {
        voix = disponible;
        repondu = true;
    });
    while (!repondu) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    benchmark::AddCustomContext("voix_francaise", voix ? "oui" : "non");
    benchmark::AddCustomContext("voix_premier_besoin_ms", std::to_string(t.nsecsElapsed() / 1'000'000.0));
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
