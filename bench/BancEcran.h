#pragma once
// Entry point of the benchmarks that drive screens: offscreen, a 1024 × 768 display, every
// message box answered, the start-up preparations of the program.
#include "programme/Demarrage.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Affichage.h"

#include <QApplication>
#include <benchmark/benchmark.h>

inline int lanceBancsEcran(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Affichage::fixeTaille(QSize(1024, 768));
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    Demarrage::prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
