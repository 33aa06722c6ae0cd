#include "identity/TSaisieIdentifiant.h"

TSaisieIdentifiant::TSaisieIdentifiant()
    : Fenetre(QStringLiteral("SaisieIdentifiant"), QStringLiteral("Marivelle"), QColor(255, 255, 128)) {}
