#pragma once
#include "interface/EcranProvisoire.h"

// The teacher's settings screen.
class TParametrage : public EcranProvisoire {
    Q_OBJECT
public:
    TParametrage();
};
