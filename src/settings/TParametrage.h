#pragma once
#include "core/state/EcranProvisoire.h"

// The teacher's settings screen.
class TParametrage : public EcranProvisoire {
    Q_OBJECT
public:
    TParametrage();
};
