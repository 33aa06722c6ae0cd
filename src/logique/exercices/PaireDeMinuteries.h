#pragma once
// A pair of timers of one animation piece, owned by the screen, created when an exercise starts
// and released (after the running event returns) when it ends or is quit.
#include <QObject>
#include <functional>

class QTimer;

class PaireDeMinuteries final {
public:
    explicit PaireDeMinuteries(QObject* ecran) : ecran_(ecran) {}
    void arme(QObject* contexte, std::function<void()> premiere, std::function<void()> seconde);
    void libere();
    bool armee() const { return premiere_ != nullptr; }
    QTimer* premiere() const { return premiere_; }
    QTimer* seconde() const { return seconde_; }
    bool premiereActive() const;
    bool secondeActive() const;
    void arrete();

private:
    QObject* ecran_;
    QTimer* premiere_ = nullptr;
    QTimer* seconde_ = nullptr;
};
