#pragma once
// The one way to run work off the screen's thread, in two kinds:
// - work that ends, on a pool (`lance`, `pourChacun`, `transforme`): its result and its failure
//   come back through a QFuture, which a screen watches without blocking its event loop;
// - a thread of its own that lives long, named (`Fil`): a worker looping on a queue of its own
//   (the journal's writer, the watchdog of the server's calls), or an event loop for objects
//   that must live on it (the voice).
// Built on Qt (QThreadPool, QtConcurrent, QThread) rather than std::thread: the screens' thread is
// a Qt event loop that a QFutureWatcher wakes when work ends, objects with signals and timers need
// a Qt event loop on their thread, and a QThread carries its name to the system (debugger, top -H).
#include "logique/base/Erreurs.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QtConcurrentMap>
#include <QtConcurrentRun>

#include <functional>
#include <utility>

class QObject;
class QThread;

namespace EnFond {
// What the work spends its time on. Computing: as many threads as the processor has cores.
// Waiting on the disk (each file flushed before it replaces the old one): many at once, as the
// disk takes their flushes together.
enum class Genre { Calcul, Disque };

// The pool of a kind of work (computing: Qt's global pool). Its threads start on first need and
// end after 30 s without work.
QThreadPool& reserve(Genre genre = Genre::Calcul);

// Runs `travail` on a thread of the computing pool; its result, or its failure, through the QFuture.
template <class Travail>
auto lance(Travail&& travail) {
    return QtConcurrent::run(&reserve(), std::forward<Travail>(travail));
}

// Calls `traite` on every element of `suite` at once on the pool's threads; returns when all are done.
template <class Suite, class Traite>
void pourChacun(Suite& suite, Traite traite, Genre genre = Genre::Calcul) {
    QtConcurrent::blockingMap(&reserve(genre), suite, std::move(traite));
}

// What `calcule` gives for each element of `suite`, in their order, computed as `pourChacun` does.
template <class Suite, class Calcule>
auto transforme(const Suite& suite, Calcule calcule, Genre genre = Genre::Calcul) {
    return QtConcurrent::blockingMapped(&reserve(genre), suite, std::move(calcule));
}

// Writes with `ecrit` for every element of `suite` at once on the disk's pool; one that fails
// (an ErreurMarivelle) does not stop the others. The French messages of the failures, in order.
template <class Suite, class Ecrit>
QStringList ecritChacun(const Suite& suite, Ecrit ecrit) {
    const auto essais = transforme(
        suite,
        [&ecrit](const auto& element) -> QString {
            try {
                ecrit(element);
                return QString();
            } catch (const ErreurMarivelle& e) {
                return e.message();
            }
        },
        Genre::Disque);
    QStringList echecs;
    for (const QString& m : essais)
        if (!m.isEmpty()) echecs << m;
    return echecs;
}

// A thread of its own for as long as its owner needs it, started when made.
class Fil final {
public:
    // Runs `corps` on a new thread named `nom`; the thread ends when `corps` returns, which its
    // owner asks of it in its own way before `arrete`.
    Fil(const QString& nom, std::function<void()> corps);
    // A new thread named `nom` running an event loop: the objects it hosts take their queued
    // calls there, one after the other, in order.
    explicit Fil(const QString& nom);
    // arrete() without bound, unless it was stopped already.
    ~Fil();
    Fil(const Fil&) = delete;
    Fil& operator=(const Fil&) = delete;

    // Moves `objet` (with no parent) to the thread; it is deleted there when the thread ends.
    void accueille(QObject* objet);
    // Ends the event loop after the call it is running, and waits for the thread until `limite`:
    // true when it ended. Past the bound the thread is left to run to the end of the process,
    // never deleted under it: a disk or a service that no longer answers must not hold the
    // program's end.
    bool arrete(QDeadlineTimer limite = QDeadlineTimer(QDeadlineTimer::Forever));

private:
    QThread* fil_;
};
}  // namespace EnFond
