#pragma once
#include "interface/EcranProvisoire.h"

class TExo4 : public EcranProvisoire {
    Q_OBJECT
public:
    TExo4() : EcranProvisoire(QStringLiteral("Exo4"), QStringLiteral("Exercice n°4 (même résultat)"), Ecrans::Role::ChoixOperateur) {}
};
