#include "logique/identification/ConnexionEleve.h"

#include "logique/amenagements/AmenagementsEnCours.h"
#include "logique/amenagements/FichierAmenagements.h"

#include "logique/base/Erreurs.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/journal/Journal.h"
#include "logique/etat/SharedState.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/parametres/LitParametres.h"

namespace {
// The pupil's settings and result stores, once the pupil is known.
void prepare(SharedState& etat) {
    // The class's journal is looked through while the pupil plays the first question.
    Journal::nouvelleSession(etat.NomEnseignant, etat.RepertoireClasse);
    const QDateTime connexion = Horloge::maintenant();
    // The teacher never saved their settings: the child plays, the teacher reads why at their next visit.
    if (!LitParametres(etat, etat.NomEleve, etat.NomEnseignant))
        AvisEnseignant::note(etat.RepertoireClasse,
                             QStringLiteral("Vos choix d'enregistrement des résultats n'ont jamais été enregistrés\u00A0: "
                                            "les résultats de %1 vont dans son profil texte. Choisissez-les dans les "
                                            "paramètres, puis «\u00A0Enregistrer et quitter\u00A0».")
                                 .arg(etat.NomEleve));
    if (etat.SauvegardeTexte) EcritConnexion(etat, connexion);
    if (etat.SauvegardeTableur) PrepareClasseur(etat);
    if (etat.SauvegardeBase) PrepareBase(etat);
}
}  // namespace

bool ConnecteEleve(SharedState& etat, const QString& eleve, const QString& enseignant) {
    AmenagementsEnCours::retire();
    etat.NomEnseignant = enseignant;
    etat.RepertoireClasse = NomsDossier::repertoireClasse(enseignant);
    if (eleve.trimmed().isEmpty() || enseignant.trimmed().isEmpty()) {
        Messages::information(
            QStringLiteral("Vous avez mal saisie vos identifiants, veuillez recommencer ou vous connecter sans identifiant"));
        return false;
    }
    etat.NomEleve = eleve;
    // From here on a failure is the teacher's to read; the child is told in a child's words.
    AvisEnseignant::pendantLaSeance(etat.RepertoireClasse, eleve);
    try {
        prepare(etat);
    } catch (const ErreurMarivelle& erreur) {
        Messages::erreur(erreur.message(), ConnexionImpossible);
        AvisEnseignant::finDeSeance();
        return false;
    }
    // The pupil's adjustments; a line the program cannot understand is the teacher's to read.
    const FichierAmenagements::Lu lu = FichierAmenagements::lit(etat.RepertoireClasse, eleve, enseignant);
    for (const QString& avis : lu.avis) AvisEnseignant::note(etat.RepertoireClasse, avis);
    AmenagementsEnCours::installe(lu.amenagements);
    return true;
}
