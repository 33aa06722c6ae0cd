#pragma once
#include "core/state/EcranProvisoire.h"

// The free-practice chooser.
class TChoixOperateur : public EcranProvisoire {
    Q_OBJECT
public:
    TChoixOperateur()
        : EcranProvisoire(QStringLiteral("ChoixOperateur"), QStringLiteral("Choix de l'opérateur"),
                          Ecrans::Role::SaisieIdentifiant) {}
};
