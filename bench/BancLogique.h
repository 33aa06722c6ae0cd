#pragma once
// Entry point of the benchmarks of logic without a screen: a core application, every message
// box answered (no box may wait for a click during a measurement).
#include "logique/base/Messages.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

inline int lanceBancsLogique(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
