#pragma once
#include "interface/EcranProvisoire.h"

class TExo2 : public EcranProvisoire {
    Q_OBJECT
public:
    TExo2() : EcranProvisoire(QStringLiteral("Exo2"), QStringLiteral("Exercice n°2 (exercice à trou)"), Ecrans::Role::ChoixOperateur) {}
};
