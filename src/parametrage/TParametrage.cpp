#include "parametrage/TParametrage.h"

#include "state/SharedState.h"

#include <QPushButton>

TParametrage::TParametrage()
    : EcranProvisoire(QStringLiteral("Parametrage"), QStringLiteral("Paramétrage"), Ecrans::Role::SaisieIdentifiant) {
    // Leaving the settings forgets the class folder.
    connect(findChild<QPushButton*>(QStringLiteral("Retour")), &QPushButton::clicked, this,
            [] { Etat().RepertoireClasse.clear(); });
}
