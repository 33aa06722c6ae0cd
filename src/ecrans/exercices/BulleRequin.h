#pragma once
// The shark countdown: the question bubble rises towards the shark, one step every 50 ms per
// second of the time allowed, until it bursts there; then what is left of it drifts right every
// 500 ms and, out of the screen, the question is lost.
#include "logique/exercices/PaireDeMinuteries.h"

#include <QList>
#include <QObject>
#include <functional>

class BulleRequin final : public QObject {
    Q_OBJECT
public:
    explicit BulleRequin(QWidget* ecran);
    void arme();
    void libere();
    // Starts the rise of `bulle` by these steps (right, up) while `tientEncore` holds, at the pace
    // of the time allowed (in milliseconds).
    void monte(QWidget* bulle, int pasHorizontal, int pasVertical, std::function<bool()> tientEncore, int tempsAccordeMs);
    // Goes on rising after a wrong answer stopped it.
    void reprend(int tempsAccordeMs);
    bool monteEncore() const { return minuteries_.premiereActive(); }
    bool derive() const { return minuteries_.secondeActive(); }
    void arreteMontee();
    void arreteDerive();
    // After the burst: these move `pas` pixels right every 500 ms until the first one reaches the
    // right edge of the screen.
    void faisDeriver(const QList<QWidget*>& objets, int pas);

signals:
    void deplacee();
    void eclatee();
    void tempsEcoule();

private:
    void monteDUnPas();
    void deriveDUnPas();
    QWidget* ecran_;
    QWidget* bulle_ = nullptr;
    int pasHorizontal_ = 1;
    int pasVertical_ = 1;
    std::function<bool()> tientEncore_;
    QList<QWidget*> derivants_;
    int pasDerive_ = 0;
    PaireDeMinuteries minuteries_;
};
