#pragma once
// A screen whose content is still being built: its title and a button back to a working screen.
#include "ecrans/commun/Fenetre.h"
#include "ecrans/commun/Ecrans.h"

class EcranProvisoire final : public Fenetre {
    Q_OBJECT
public:
    EcranProvisoire(const QString& nomObjet, const QString& titre, Ecrans::Role retour);
};
