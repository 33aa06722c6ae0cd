#include "results/Enregistreurs.h"

#include "base/FichierTexte.h"
#include "base/Horloge.h"
#include "state/SharedState.h"
#include "state/Utils.h"
#include "results/ProfileFile.h"

// Each block is appended in one write, so a failure leaves no half block behind.
void EcritConnexion(SharedState& etat, const QDateTime& date) {
    if (!etat.SauvegardeTexte) return;
    const QString chemin = FichierProfilEleve(etat);
    QString texte;
    if (!FichierTexte::existe(chemin)) texte = ProfilTexte::entete(etat.NomEleve, etat.NomEnseignant);
    texte += ProfilTexte::connexion(date);
    FichierTexte::ajoute(chemin, texte);
}

void EcritProfilExercice(SharedState& etat, int erreurs, const QString& bilan) {
    // The file is only ever created at connection; an existing file is appended to whatever the
    // current profile setting.
    const QString chemin = FichierProfilEleve(etat);
    if (!FichierTexte::existe(chemin)) return;
    FichierTexte::ajoute(chemin, ProfilTexte::exercice(etat, erreurs, bilan));
}

void EcritDateDeconnexion(SharedState& etat) {
    const QString chemin = FichierProfilEleve(etat);
    if (etat.SauvegardeTexte && FichierTexte::existe(chemin))
        FichierTexte::ajoute(chemin, ProfilTexte::deconnexion(Horloge::maintenant()));
    etat.RepertoireClasse.clear();
}

// The workbook and database recorders come later; until then they write nothing.
void PrepareClasseur(SharedState&) {}
void PrepareBase(SharedState&) {}
void EcritColonneTableur(SharedState&, int, const QString&) {}
void EcritLigneBase(SharedState&, int, const QString&) {}
