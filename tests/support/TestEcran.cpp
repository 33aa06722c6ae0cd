#include "TestEcran.h"

#include <QMetaMethod>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {
// A journey's program keeps its shared state and its screens from one step to the next.
void remetAZero(const TestEcran& test) {
    RemiseAZero::coutures();
    if (test.estUnParcours()) return;
    RemiseAZero::etat();
    RemiseAZero::ecrans();
}

// The test functions as QtTest finds them: private slots without arguments that return nothing,
// other than the special ones and the data functions.
QStringList fonctionsDeTest(const QMetaObject& meta) {
    QStringList fonctions;
    for (int i = 0; i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        if (m.methodType() != QMetaMethod::Slot || m.access() != QMetaMethod::Private || m.parameterCount() != 0 ||
            m.returnMetaType().id() != QMetaType::Void)
            continue;
        const QByteArray nom = m.name();
        if (nom.endsWith("_data") || nom == "initTestCase" || nom == "cleanupTestCase" || nom == "init" || nom == "cleanup")
            continue;
        fonctions << QString::fromLatin1(nom);
    }
    return fonctions;
}

}  // namespace

void TestEcran::init() {
    remetAZero(*this);
    avantChaqueTest();
}

void TestEcran::cleanup() {
    apresChaqueTest();
    remetAZero(*this);
}

int lanceTestsEcran(TestEcran& test, int argc, char** argv) {
    // A test's own init() or cleanup() would hide the base's, and the seams would stay as it left them.
    for (const char* special : {"init()", "cleanup()"})
        if (test.metaObject()->indexOfMethod(special) != TestEcran::staticMetaObject.indexOfMethod(special))
            qFatal("%s déclare %s : écrire avantChaqueTest() ou apresChaqueTest() à la place", test.metaObject()->className(),
                   special);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QStringList fonctions = fonctionsDeTest(*test.metaObject());
    // Functions named on the command line ("nom" or "nom:donnée") run as named.
    if (std::any_of(arguments.begin() + 1, arguments.end(),
                    [&](const QString& a) { return fonctions.contains(a.section(QLatin1Char(':'), 0, 0)); }))
        return QTest::qExec(&test, arguments);
    if (!test.estUnParcours()) {
        bool donnee = false;
        quint32 graine = qEnvironmentVariable("MARIVELLE_ORDRE").toUInt(&donnee);
        if (!donnee) graine = QRandomGenerator::system()->generate();
        std::shuffle(fonctions.begin(), fonctions.end(), std::mt19937(graine));
        std::printf("Ordre tiré (MARIVELLE_ORDRE=%u) : %s\n", graine, qPrintable(fonctions.join(QStringLiteral(", "))));
        std::fflush(stdout);
    }
    return QTest::qExec(&test, arguments + fonctions);
}
