#include "logique/resultats/Enregistreurs.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/journal/Journal.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "logique/resultats/BaseResultats.h"
#include "logique/resultats/Classeur.h"
#include "logique/resultats/ProfileFile.h"
#include "logique/resultats/ResultatExercice.h"

// Each block is appended in one write, so a failure leaves no half block behind.
void EcritConnexion(SharedState& etat, const QDateTime& date) {
    if (!etat.SauvegardeTexte) return;
    const QString chemin = FichierProfilEleve(etat);
    QString texte;
    if (!FichierTexte::existe(chemin)) texte = ProfilTexte::entete(etat.NomEleve, etat.NomEnseignant);
    texte += ProfilTexte::connexion(date);
    FichierTexte::ajoute(chemin, texte);
}

void EcritProfilExercice(const SharedState& etat, const ResultatExercice& resultat) {
    // The file is only ever created at connection; an existing file is appended to whatever the
    // current profile setting.
    const QString chemin = FichierProfilEleve(etat);
    if (!FichierTexte::existe(chemin)) return;
    FichierTexte::ajoute(chemin, ProfilTexte::exercice(resultat));
}

void EcritProfilExercice(SharedState& etat, int erreurs, const QString& listeErreurs) {
    EcritProfilExercice(etat, ResultatExercice::de(etat, erreurs, listeErreurs));
}

void EcritDateDeconnexion(SharedState& etat) {
    const QString chemin = FichierProfilEleve(etat);
    if (etat.SauvegardeTexte && FichierTexte::existe(chemin))
        FichierTexte::ajoute(chemin, ProfilTexte::deconnexion(Horloge::maintenant()));
    etat.RepertoireClasse.clear();
}

void PrepareClasseur(SharedState& etat) {
    etat.ClasseurSignale.clear();
    try {
        Classeur::prepare(Classeur::chemin(etat), etat.NomEnseignant, etat.NomEleve);
    } catch (const ErreurMarivelle& erreur) {
        // The pupil still trains: the other stores keep the results, and the workbook is told once.
        etat.ClasseurSignale = erreur.message();
        QString ailleurs;
        if (etat.SauvegardeTexte && etat.SauvegardeBase) ailleurs = QStringLiteral("le profil de l'élève et la base de données");
        else if (etat.SauvegardeTexte) ailleurs = QStringLiteral("le profil de l'élève");
        else if (etat.SauvegardeBase) ailleurs = QStringLiteral("la base de données");
        const QString suite =
            ailleurs.isEmpty()
                ? QStringLiteral(" Les résultats de cette séance ne seront pas enregistrés dans le classeur.")
                : QStringLiteral(" Les résultats de cette séance sont enregistrés dans %1 seulement.").arg(ailleurs);
        Messages::erreur(erreur.message() + suite, ResultatsEnPartie);
    }
}

void PrepareBase(SharedState& etat) {
    // A school server's table is made by its technician.
    if (Journal::surServeur()) return;
    BaseResultats::prepare(BaseResultats::chemin(etat), BaseResultats::nomTable(etat.NomEnseignant));
}

// At the end of an exercise a store that cannot be written is reported, and the stores after it
// still get their record.
void EcritColonneTableur(SharedState& etat, const ResultatExercice& resultat) {
    if (!etat.SauvegardeTableur) return;
    try {
        const int colonne = Classeur::ajouteColonne(Classeur::chemin(etat), etat.NomEnseignant, etat.NomEleve,
                                                    Classeur::colonne(resultat));
        if (colonne > 0) etat.ColonneTableur = colonne;
    } catch (const ErreurMarivelle& erreur) {
        if (erreur.message() == etat.ClasseurSignale) return;
        etat.ClasseurSignale = erreur.message();
        Messages::erreur(erreur.message(), ResultatsEnPartie);
    }
}

void EcritLigneBase(const SharedState& etat, const ResultatExercice& resultat) {
    if (!etat.SauvegardeBase) return;
    if (Journal::surServeur()) {
        // The journal's writer sends it, or keeps it in the outbox until the server answers.
        Journal::ecritLigne(BaseResultats::ligne(resultat));
        return;
    }
    const QString chemin = BaseResultats::chemin(etat);
    // A link or a folder in the file's place is reported, not taken for a missing file.
    if (!FichierTexte::estPresent(chemin)) return;
    try {
        BaseResultats::ajouteLigne(chemin, BaseResultats::nomTable(etat.NomEnseignant), resultat);
    } catch (const ErreurMarivelle& erreur) {
        Messages::erreur(erreur.message(), ResultatsEnPartie);
    }
}

void EcritColonneTableur(SharedState& etat, int erreurs, const QString& listeErreurs) {
    EcritColonneTableur(etat, ResultatExercice::de(etat, erreurs, listeErreurs));
}

void EcritLigneBase(SharedState& etat, int erreurs, const QString& listeErreurs) {
    EcritLigneBase(etat, ResultatExercice::de(etat, erreurs, listeErreurs));
}
