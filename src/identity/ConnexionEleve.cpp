#include "identity/ConnexionEleve.h"

#include "base/Horloge.h"
#include "base/Messages.h"
#include "journal/Journal.h"
#include "state/SharedState.h"
#include "state/Utils.h"
#include "results/Enregistreurs.h"
#include "settings/LitParametres.h"

bool ConnecteEleve(SharedState& etat, const QString& eleve, const QString& enseignant) {
    etat.NomEnseignant = enseignant;
    etat.RepertoireClasse = RepertoireDeClasse(enseignant);
    if (eleve.trimmed().isEmpty() || enseignant.trimmed().isEmpty()) {
        Messages::information(QStringLiteral(
            "Vous avez mal saisie vos identifiants, veuillez recommencer ou vous connecter sans identifiant"));
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
