#pragma once
// A screen whose content is still being built: its title and a button back to a working screen.
#include "interface/Fenetre.h"
#include "interface/Ecrans.h"

class EcranProvisoire final : public Fenetre {
    Q_OBJECT
public:
    EcranProvisoire(const QString& nomObjet, const QString& titre, Ecrans::Role retour);
};
