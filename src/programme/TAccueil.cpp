#include "programme/TAccueil.h"

#include "logique/base/FichierTexte.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/base/Garde.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <QCoreApplication>

TAccueil::TAccueil() : Fenetre(QStringLiteral("Accueil"), QStringLiteral("Accueil")) {
    Garde::execute([this] { FormCreate(); });
}

void TAccueil::FormCreate() {
    SharedState& e = Etat();
    InitialiseParametres(e);
    e.UneFoisSequenceFinie = 0;
    e.NumeroExercice = 1;
    e.SequenceFinie = false;
    e.FichierEnseignants = NomsDossier::Enseignants;
    e.NomEleve.clear();
    e.NomEnseignant.clear();
    e.EnseignantParametrage.clear();
    e.ColonneTableur = 0;
    e.RepertoireClasse.clear();
    if (!FichierTexte::existe(e.FichierEnseignants))
        FichierTexte::ecritLignes(e.FichierEnseignants, {Registre::EnteteEnseignants, QStringLiteral("aucun")});
    e.RepertoireProgramme = QCoreApplication::applicationDirPath() + QLatin1Char('/');
}
