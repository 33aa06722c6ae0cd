#pragma once
// The pirate countdown: he comes down from above the screen towards the fish's coin (one step
// every time allowed × the descent tick per second), takes it, and climbs back with it (every
// 100 ms).
#include "logique/exercices/PaireDeMinuteries.h"

#include <QObject>

class Forme;
class Image;

class Pirate final : public QObject {
    Q_OBJECT
public:
    // `pirate_descend` and `pirate_monte` on the screen; the descent tick is 18 ms for exercise 1,
    // 20 ms for the others.
    Pirate(QWidget* ecran, Forme* piece, int tickDescente);
    void arme();
    void libere();
    // A new question: the coin shown, the pirate just above the screen, coming down; he reaches
    // the coin after about the time allowed (in milliseconds).
    void lance(int tempsAccordeMs);
    void arreteDescente();
    bool remonte() const { return minuteries_.secondeActive(); }
    void arreteRemontee();
    void cache();
    // Nothing of him is drawn above this line of the screen (the statements' band).
    void limiteEnHaut(int y);

signals:
    // He took the coin and starts climbing.
    void pieceAtteinte();
    // He is out of sight with the coin: the question is lost.
    void remonteeFinie();

private:
    void descend();
    void monte();
    // Each picture cut to what lies below the top line.
    void coupe();
    Forme* piece_;
    int hautVisible_ = 0;
    int tick_;
    int pas_ = 1;
    Image* descend_;
    Image* monte_;
    PaireDeMinuteries minuteries_;
};
