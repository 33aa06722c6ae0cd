#pragma once
// The coin pickup after a right first answer: the seahorse comes in from the left, 25 pixels
// right and down every 80 ms, takes the fish's coin, and leaves 20 pixels left every 80 ms.
#include "logique/exercices/PaireDeMinuteries.h"

#include <QObject>

class Image;
class Forme;

class Ramassage final : public QObject {
    Q_OBJECT
public:
    // `ramasse_piece1` (arriving) and `ramasse_piece2` (leaving) on the screen.
    Ramassage(QWidget* ecran, Forme* piece);
    void arme();
    void libere();
    void lance();
    bool enCours() const { return minuteries_.premiereActive() || minuteries_.secondeActive(); }
    void cache();

signals:
    // The seahorse is gone, the coin is back: the question is done.
    void termine();

private:
    void arrive();
    void part();
    Forme* piece_;
    Image* arrivee_;
    Image* depart_;
    PaireDeMinuteries minuteries_;
};
