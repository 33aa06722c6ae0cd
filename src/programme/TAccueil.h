#pragma once
// The start-up screen: never shown; its creation prepares the shared state and the teacher list.
#include "ecrans/commun/Fenetre.h"

class TAccueil final : public Fenetre {
    Q_OBJECT
public:
    TAccueil();
    void FormCreate();
};
