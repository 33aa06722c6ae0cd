#pragma once
// What every QtTest screen test shares: its base class `TestEcran`, its main
// (`MARIVELLE_QTEST_MAIN`), one bound for every wait, and `Guet` to watch a state while waiting.
//
// The seams, the shared state and the screen registry go back to their defaults before and after
// every test function (`init()` and `cleanup()` are the base's: a test's own are
// `avantChaqueTest` and `apresChaqueTest`, where it registers the screens it uses). The test
// functions run in a random order, printed with its seed; MARIVELLE_ORDRE=<seed> replays it.
#include "BorneAttente.h"
#include "RemiseAZero.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QtTest>
#include <functional>
#include <utility>

// Lets the events flow (every pending one handled, timers fired) until `condition` holds, or
// until the bound; whether it holds. Checked every 10 ms.
template <typename Condition>
bool attendsQue(Condition condition, int borneMs = BorneAttenteMs) {
    const QDeadlineTimer fin(borneMs);
    while (!condition()) {
        if (fin.hasExpired()) return false;
        QTest::qWait(10);
    }
    return true;
}

// QtTest's waits with the one bound, given up as soon as it is reached.
#undef QTRY_VERIFY
#undef QTRY_VERIFY2
#undef QTRY_COMPARE
#define QTRY_VERIFY(expr)                             \
    do {                                              \
        (void)attendsQue([&] { return bool(expr); }); \
        QVERIFY(expr);                                \
    } while (false)
#define QTRY_VERIFY2(expr, message)                   \
    do {                                              \
        (void)attendsQue([&] { return bool(expr); }); \
        QVERIFY2(expr, message);                      \
    } while (false)
#define QTRY_COMPARE(expr, expected)                            \
    do {                                                        \
        (void)attendsQue([&] { return (expr) == (expected); }); \
        QCOMPARE(expr, expected);                               \
    } while (false)

class TestEcran : public QObject {
    Q_OBJECT

public:
    // A journey: one run of the whole program told in steps that follow one another. Its steps
    // run in the order written; the shared state and the screens go on from one to the next.
    virtual bool estUnParcours() const { return false; }

protected:
    // What a test function of this program needs before it and checks after it.
    virtual void avantChaqueTest() {}
    virtual void apresChaqueTest() {}

private slots:
    void init();
    void cleanup();
};

// Runs the test functions of `test` (in a random order unless it is a journey or the command
// line names them) and returns QTest::qExec's result.
int lanceTestsEcran(TestEcran& test, int argc, char** argv);

// In place of QTEST_MAIN.
#define MARIVELLE_QTEST_MAIN(Classe)                     \
    int main(int argc, char** argv) {                    \
        QApplication application(argc, argv);            \
        application.setAttribute(Qt::AA_Use96Dpi, true); \
        Classe test;                                     \
        return lanceTestsEcran(test, argc, argv);        \
    }

// Watches a state at every event the application delivers while it lives: whether it ever held
// (a state too short-lived for a wait's polls to see).
class Guet final : public QObject {
public:
    explicit Guet(std::function<bool()> etat) : etat_(std::move(etat)), vu_(etat_()) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool vu() { return vu_ = vu_ || etat_(); }

protected:
    bool eventFilter(QObject*, QEvent*) override {
        vu_ = vu_ || etat_();
        return false;
    }

private:
    std::function<bool()> etat_;
    bool vu_;
};

// Runs `action` once, on the screen's thread, as soon as a window named `nom` is shown (a dialog
// that opens after work done off the screen's thread); checked every 10 ms while `contexte` lives.
// The screen a test drives (`courant`) replaced by `propre`, made for a display size, until the
// returned guard ends: then `propre` is hidden and the usual screen comes back.
template <typename Ecran>
auto ecranPropre(Ecran*& courant, Ecran& propre) {
    Ecran* normal = std::exchange(courant, &propre);
    return qScopeGuard([&courant, &propre, normal] {
        propre.hide();
        courant = normal;
    });
}

inline void quandParait(QObject* contexte, const QString& nom, std::function<void(QWidget*)> action) {
    auto* guet = new QTimer(contexte);
    QObject::connect(guet, &QTimer::timeout, contexte, [guet, nom, action] {
        for (QWidget* fenetre : QApplication::topLevelWidgets())
            if (fenetre->objectName() == nom && fenetre->isVisible()) {
                guet->deleteLater();
                guet->stop();
                action(fenetre);
                return;
            }
    });
    guet->start(10);
}
