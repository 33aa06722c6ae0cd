#include "logique/identification/ConnexionEleve.h"

#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/Journal.h"
#include "logique/etat/SharedState.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/parametres/LitParametres.h"

bool ConnecteEleve(SharedState& etat, const QString& eleve, const QString& enseignant) {
    etat.NomEnseignant = enseignant;
    etat.RepertoireClasse = NomsDossier::repertoireClasse(enseignant);
    if (eleve.trimmed().isEmpty() || enseignant.trimmed().isEmpty()) {
        Messages::information(
            QStringLiteral("Vous avez mal saisie vos identifiants, veuillez recommencer ou vous connecter sans identifiant"));
        return false;
    }
    etat.NomEleve = eleve;
    // The class's journal is looked through while the pupil plays the first question.
    Journal::nouvelleSession(enseignant, etat.RepertoireClasse);
    const QDateTime connexion = Horloge::maintenant();
    LitParametres(etat, etat.NomEleve, etat.NomEnseignant);
    if (etat.SauvegardeTexte) EcritConnexion(etat, connexion);
    if (etat.SauvegardeTableur) PrepareClasseur(etat);
    if (etat.SauvegardeBase) PrepareBase(etat);
    return true;
}
