#pragma once
#include "core/state/EcranProvisoire.h"

class TExo1 : public EcranProvisoire {
    Q_OBJECT
public:
    TExo1()
        : EcranProvisoire(QStringLiteral("Exo1"), QStringLiteral("Exercice n°1 (donner le résultat)"),
                          Ecrans::Role::ChoixOperateur) {}
};
