// Loading of a teacher's defined exercises before the settings screen opens, and their hand-over.
#include "interface/Ecrans.h"
#include "state/SharedState.h"
#include "identity/NomsRegistre.h"
#include "identity/TSaisieIdentifiant.h"
#include "settings/ExercicesDefinis.h"
#include "settings/ParameterFiles.h"
#include "parametrage/TParametrage.h"

void TSaisieIdentifiant::ChargeExercicesEnseignant(const QString& enseignant) {
    const ExercicesDefinis definis =
        ExercicesEnseignant::lit(Etat().RepertoireClasse + NomTeacherParameterFile(enseignant));
    LibellesExercices = definis.libelles;
    ContenusExercices = definis.contenus;
    if (auto* parametrage = qobject_cast<TParametrage*>(Ecrans::ecran(Ecrans::Role::Parametrage)))
        parametrage->recoitEnseignant(definis, Registre::FichierListeEleves(enseignant));
}
