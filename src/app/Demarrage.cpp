#include "app/Demarrage.h"

#include "core/TAccueil.h"
#include "core/TChoixOperateur.h"
#include "core/platform/Aleatoire.h"
#include "core/platform/Polices.h"
#include "core/state/Ecrans.h"
#include "exercises/TExo1.h"
#include "exercises/TExo2.h"
#include "exercises/TExo3.h"
#include "exercises/TExo4.h"
#include "exercises/TForm1.h"
#include "identity/TSaisieIdentifiant.h"
#include "settings/TParametrage.h"

#include <random>

namespace Demarrage {
void prepare() {
    Polices::installe();
    Aleatoire::graine(std::random_device{}());
}

void creeLesEcrans() {
    using R = Ecrans::Role;
    Ecrans::enregistre(R::SaisieIdentifiant, new TSaisieIdentifiant);
    Ecrans::enregistre(R::Accueil, new TAccueil);
    Ecrans::enregistre(R::ChoixOperateur, new TChoixOperateur);
    Ecrans::enregistre(R::Exo1, new TExo1);
    Ecrans::enregistre(R::Parametrage, new TParametrage);
    Ecrans::enregistre(R::Exo3, new TExo3);
    Ecrans::enregistre(R::Exo2, new TExo2);
    Ecrans::enregistre(R::Exo4, new TExo4);
    Ecrans::enregistre(R::Form1, new TForm1);
}

void montreFenetrePrincipale() { Ecrans::montre(Ecrans::Role::SaisieIdentifiant); }
}  // namespace Demarrage
