#pragma once
#include "core/platform/Fenetre.h"

// The identification screen, the main window.
class TSaisieIdentifiant : public Fenetre {
    Q_OBJECT
public:
    TSaisieIdentifiant();
};
