#include "app/TAccueil.h"

#include "base/FichierTexte.h"
#include "identity/NomsRegistre.h"
#include "base/Garde.h"
#include "state/SharedState.h"
#include "state/Utils.h"

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
    e.FichierEnseignants = QStringLiteral("enseignant.txt");
    e.NomEleve.clear();
    e.NomEnseignant.clear();
    e.EnseignantParametrage.clear();
    e.ColonneTableur = 0;
    e.RepertoireClasse.clear();
    if (!FichierTexte::existe(e.FichierEnseignants))
        FichierTexte::ecritLignes(e.FichierEnseignants, {Registre::EnteteEnseignants, QStringLiteral("aucun")});
    e.RepertoireProgramme = QCoreApplication::applicationDirPath() + QLatin1Char('/');
}
