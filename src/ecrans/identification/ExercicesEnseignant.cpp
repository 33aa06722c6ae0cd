// Loading of a teacher's defined exercises before the settings screen opens, and their hand-over.
#include "ecrans/commun/Ecrans.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/parametres/ParameterFiles.h"

void TSaisieIdentifiant::ChargeExercicesEnseignant(const QString& enseignant) {
    const ExercicesDefinis definis = ExercicesEnseignant::lit(Etat().RepertoireClasse +
                                                              NomsDossier::parametrageEnseignant(enseignant));
    LibellesExercices = definis.libelles;
    ContenusExercices = definis.contenus;
    // An announced settings screen is created now, so that it hears the hand-over.
    Ecrans::ecran(Ecrans::Role::Parametrage);
    emit enseignantCharge(definis, Registre::FichierListeEleves(enseignant));
}
