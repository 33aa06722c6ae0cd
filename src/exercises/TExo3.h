#pragma once
#include "interface/EcranProvisoire.h"

class TExo3 : public EcranProvisoire {
    Q_OBJECT
public:
    TExo3() : EcranProvisoire(QStringLiteral("Exo3"), QStringLiteral("Exercice n°3 (intrus)"), Ecrans::Role::ChoixOperateur) {}
};
