#pragma once
// How far a long piece of work done off the screen's thread has gone, and the user's wish to stop
// it ("Annuler"). The worker reports and checks; the screen reads and asks to stop. Both sides
// may be on different threads.
#include "logique/base/Erreurs.h"

#include <QtGlobal>

#include <algorithm>
#include <atomic>

// Thrown by `Avancement::verifie` in the worker once the user asked to stop: the work is
// abandoned and nothing it would have produced is used.
class TravailAnnule final : public ErreurMarivelle {
public:
    TravailAnnule() : ErreurMarivelle(QStringLiteral("L'opération a été annulée.")) {}
};

class Avancement {
public:
    // The worker: `fait` of `total` units (bytes, rows…) done; throws TravailAnnule when asked to stop.
    void annonce(qint64 fait, qint64 total) {
        total_.store(std::max<qint64>(total, 1), std::memory_order_relaxed);
        fait_.store(std::clamp<qint64>(fait, 0, total_.load(std::memory_order_relaxed)), std::memory_order_relaxed);
        verifie();
    }
    void verifie() const {
        if (arret_.load(std::memory_order_relaxed)) throw TravailAnnule();
    }
    // The screen.
    void demandeArret() { arret_.store(true, std::memory_order_relaxed); }
    bool arretDemande() const { return arret_.load(std::memory_order_relaxed); }
    // From 0 to 1000.
    int pourMille() const {
        return static_cast<int>(fait_.load(std::memory_order_relaxed) * 1000 / total_.load(std::memory_order_relaxed));
    }

private:
    std::atomic<qint64> fait_{0};
    std::atomic<qint64> total_{1};
    std::atomic<bool> arret_{false};
};
