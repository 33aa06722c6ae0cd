#pragma once
// The display sizes a capture tool draws at: its arguments after the folder ("1366x768"…), else
// 1024 × 768 and 1920 × 1080.
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

inline QList<QSize> taillesDemandees(int argc, char** argv) {
    QList<QSize> tailles;
    for (int i = 2; i < argc; ++i) {
        const QStringList wh = QString::fromLatin1(argv[i]).split(QLatin1Char('x'));
        tailles << QSize(wh.value(0).toInt(), wh.value(1).toInt());
    }
    if (tailles.isEmpty()) tailles = {QSize(1024, 768), QSize(1920, 1080)};
    return tailles;
}
