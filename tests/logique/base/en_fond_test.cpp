// Work off the screen's thread: a thread of its own and the pool of work that waits on the disk.
#include "BorneAttente.h"
#include "logique/base/EnFond.h"

#include <QDeadlineTimer>
#include <QSemaphore>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>

namespace {
// Says on which thread it takes its calls and dies.
class Hote final : public QObject {
public:
    explicit Hote(QList<QString>& traces) : traces_(traces) {}
    ~Hote() override { traces_ << QStringLiteral("fin sur ") + QThread::currentThread()->objectName(); }
    void note(int i) { traces_ << QString::number(i) + QStringLiteral(" sur ") + QThread::currentThread()->objectName(); }

private:
    QList<QString>& traces_;
};

// An object hosted by a thread takes its queued calls there, in order, and dies there.
TEST(EnFond, AThreadOfItsOwnHostsItsObjects) {
    QList<QString> traces;
    QSemaphore faits;
    {
        EnFond::Fil fil(QStringLiteral("Voix"));
        auto* hote = new Hote(traces);
        fil.accueille(hote);
        for (int i = 1; i <= 3; ++i)
            QMetaObject::invokeMethod(
                hote,
                [hote, i, &faits] {
                    hote->note(i);
                    faits.release();
                },
                Qt::QueuedConnection);
        ASSERT_TRUE(faits.tryAcquire(3, BorneAttenteMs));
        EXPECT_TRUE(fil.arrete());
    }
    EXPECT_EQ(traces, QList<QString>({"1 sur Voix", "2 sur Voix", "3 sur Voix", "fin sur Voix"}));
}

// Past its bound a thread that does not end is left running, never deleted under it; it ends later.
TEST(EnFond, AThreadThatDoesNotEndIsLeftBehind) {
    QSemaphore libere, fini, revenu;
    std::atomic<bool> secouru{false};
    // A stop that waited for the thread anyway would be let go after the bound, and the test fail.
    QFuture<void> secours = EnFond::lance([&] {
        if (revenu.tryAcquire(1, BorneAttenteMs)) return;
        secouru = true;
        libere.release();
    });
    EnFond::Fil fil(QStringLiteral("Lent"), [&] {
        libere.acquire();
        fini.release();
    });
    EXPECT_FALSE(fil.arrete(QDeadlineTimer(0)));
    revenu.release();
    EXPECT_FALSE(secouru);
    libere.release();
    EXPECT_TRUE(fini.tryAcquire(1, BorneAttenteMs));
    secours.waitForFinished();
}

// Work that waits on the disk runs many at once: sixteen pieces each wait for all the others.
TEST(EnFond, WorkOnTheDiskRunsSixteenAtOnce) {
    std::atomic<int> partis{0};
    QSemaphore tous;
    const QDeadlineTimer borne(BorneAttenteMs);
    const QList<int> rangs = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    const QList<int> vus = EnFond::transforme(
        rangs,
        [&](int rang) {
            if (++partis == rangs.size()) tous.release(int(rangs.size()));
            return tous.tryAcquire(1, int(borne.remainingTime())) ? rang : -1;
        },
        EnFond::Genre::Disque);
    EXPECT_EQ(vus, rangs);
}
}  // namespace
