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

// Whether the command line chooses the functions itself (or only asks for a listing).
bool lignesDeCommandeChoisit(const QStringList& arguments) {
    static const QStringList avecValeur = {"-o", "-maxwarnings", "-eventdelay", "-keydelay", "-mousedelay",
                                           "-iterations", "-minimumvalue", "-minimumtotal", "-median", "-perfcounter"};
    static const QStringList listes = {"-functions", "-datatags", "-help", "--help", "-h"};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (listes.contains(arguments[i])) return true;
        if (!arguments[i].startsWith(QLatin1Char('-')) && !avecValeur.contains(arguments[i - 1])) return true;
    }
    return false;
}

quint32 graineDeLOrdre() {
    const QByteArray valeur = qgetenv("MARIVELLE_ORDRE");
    if (valeur.isEmpty()) return QRandomGenerator::system()->generate();
    bool ok = false;
    const quint32 graine = valeur.toUInt(&ok);
    if (!ok) qFatal("MARIVELLE_ORDRE=%s : un entier positif est attendu", valeur.constData());
    return graine;
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
            qFatal("%s déclare %s : écrire avantChaqueTest() ou apresChaqueTest() à la place",
                   test.metaObject()->className(), special);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!lignesDeCommandeChoisit(arguments)) {
        QStringList fonctions = fonctionsDeTest(*test.metaObject());
        if (test.estUnParcours()) {
            std::printf("Un parcours : ses étapes dans l'ordre écrit.\n");
        } else {
            const quint32 graine = graineDeLOrdre();
            std::shuffle(fonctions.begin(), fonctions.end(), std::mt19937(graine));
            std::printf("Ordre tiré (MARIVELLE_ORDRE=%u) : %s\n", graine, qPrintable(fonctions.join(QStringLiteral(", "))));
        }
        std::fflush(stdout);
        arguments += fonctions;
    }
    return QTest::qExec(&test, arguments);
}
