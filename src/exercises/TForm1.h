#pragma once
#include "core/platform/Fenetre.h"

// The end-of-exercise summary screen.
class TForm1 : public FenetreModale {
    Q_OBJECT
public:
    TForm1() : FenetreModale(QStringLiteral("Form1"), QStringLiteral("Bilan"), QSize(771, 555)) {}
};
