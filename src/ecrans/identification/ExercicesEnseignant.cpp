// Loading of a teacher's defined exercises before the settings screen opens, and their hand-over.
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/NomsRegistre.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "logique/parametres/ExercicesDefinis.h"
#include "logique/parametres/ParameterFiles.h"
#include "ecrans/parametres/TParametrage.h"

void TSaisieIdentifiant::ChargeExercicesEnseignant(const QString& enseignant) {
    const ExercicesDefinis definis =
        ExercicesEnseignant::lit(Etat().RepertoireClasse + NomsDossier::parametrageEnseignant(enseignant));
    LibellesExercices = definis.libelles;
    ContenusExercices = definis.contenus;
    if (auto* parametrage = qobject_cast<TParametrage*>(Ecrans::ecran(Ecrans::Role::Parametrage)))
        parametrage->recoitEnseignant(definis, Registre::FichierListeEleves(enseignant));
}
