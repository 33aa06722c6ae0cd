#include "identity/Registre.h"

#include "app/TAccueil.h"
#include "base/Erreurs.h"
#include "base/FichierTexte.h"
#include "base/Messages.h"
#include "state/SharedState.h"
#include "identity/NomsRegistre.h"
#include "identity/SuppressionSure.h"
#include "identity/VerifieNom.h"

namespace {
const QString NomIncorrect = QStringLiteral("Le nom que vous venez d'entrer n'est pas correct");
const QString PasDEnseignant = QStringLiteral(
    "Vous n'avez pas sélectionner d'enseignant. Si vous ne voulez pas appartenir à une classe selectionné le nom : "
    "'aucun'.");

void creeDossier(const QString& chemin) {
    if (!FichierTexte::creeDossier(chemin))
        throw ErreurFichier(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(chemin));
}

// Appending is a rewrite of the whole file: a last line without line end is not glued to the
// new one, and a killed program leaves either the old file or the new one.
void ajouteLignes(const QString& chemin, const QStringList& nouvelles) {
    FichierTexte::ecritLignes(chemin, FichierTexte::litLignes(chemin) + nouvelles);
}
}  // namespace

int Gestion_meme_nom(const QString& ligne, const QString& fichier) {
    if (!FichierTexte::existe(fichier) || !FichierTexte::litLignes(fichier).contains(ligne)) return 0;
    Messages::information(QStringLiteral("Ce nom existe déjà! Veuillez en saisir un autre"));
    return 1;
}

namespace Registre {
Issue EnregistreEnseignant(SharedState& etat, const QString& nom, const QList<int>& niveaux) {
    if (VerifieNomEnseignant(nom)) {
        Messages::information(NomIncorrect);
        return Issue::Refuse;
    }
    const QString& liste = etat.FichierEnseignants;
    // "aucun" is always taken, even in a teacher list that lost its line.
    if (nom == Aucun) {
        Messages::information(QStringLiteral("Ce nom existe déjà! Veuillez en saisir un autre"));
        return Issue::Existant;
    }
    if (Gestion_meme_nom(nom, liste) == 1) return Issue::Existant;

    creeDossier(DossierDeClasse(nom));
    QStringList lignes{nom};
    for (int i = 0; i < Niveaux.size(); ++i)
        if (niveaux.contains(i)) lignes << LigneNiveau(i);
    if (FichierTexte::existe(liste)) {
        ajouteLignes(liste, lignes);
    } else {
        creeDossier(DossierSansEnseignant);
        FichierTexte::ecritLignes(liste, QStringList{EnteteEnseignants, Aucun} + lignes);
    }
    const QString eleves = FichierListeEleves(nom);
    if (!FichierTexte::existe(eleves)) FichierTexte::ecritLignes(eleves, {EnteteListeEleves(nom)});
    return Issue::Enregistre;
}

Issue EnregistreEleve(SharedState& etat, const QString& nom, const QString& enseignant, const QString& niveau) {
    if (VerifieNom(nom)) {
        Messages::information(NomIncorrect);
        return Issue::Refuse;
    }
    if (enseignant.isEmpty() || !EnseignantInscrit(etat, enseignant)) {
        Messages::information(PasDEnseignant);
        return Issue::Refuse;
    }
    const QString ligne = LigneEleve(nom, niveau);
    if (VerifieNomEleve(nom, ligne, enseignant)) {
        Messages::information(NomIncorrect);
        return Issue::Refuse;
    }
    const QString liste = FichierListeEleves(enseignant);
    if (Gestion_meme_nom(ligne, liste) == 1) return Issue::Existant;
    if (FichierTexte::existe(liste)) {
        ajouteLignes(liste, {ligne});
    } else {
        // A lost class list is made again with the header of its own kind.
        creeDossier(DossierDeClasse(enseignant));
        FichierTexte::ecritLignes(liste, {EnteteListeEleves(enseignant), ligne});
    }
    return Issue::Enregistre;
}

bool SupprimeEnseignant(SharedState& etat, const QString& t) {
    if (t == Aucun || t == EnseignantNonInscrit) return false;
    const QString& liste = etat.FichierEnseignants;
    // The teacher list is rewritten first: should that fail, the teacher's folder is still whole.
    if (FichierTexte::existe(liste)) {
        QStringList gardees;
        bool dansSesNiveaux = false;
        for (const QString& ligne : FichierTexte::litLignes(liste)) {
            if (ligne == t) {
                dansSesNiveaux = true;
                continue;
            }
            if (dansSesNiveaux && ligne.startsWith(QLatin1Char('>'))) continue;
            dansSesNiveaux = false;
            gardees << ligne;
        }
        FichierTexte::ecritLignes(liste, gardees);
    }
    if (!SuppressionSure::supprimeDossier(DossierDeClasse(t))) return false;
    Messages::information(QStringLiteral("Le dossier de l'enseignant ") + t + QStringLiteral(" a bien été supprimer"));
    return true;
}

void SupprimeEleve(const QString& ligne, const QString& enseignant) {
    if (ligne == EleveNonInscrit) return;
    const QString liste = FichierListeEleves(enseignant);
    // The list goes first: should its rewrite fail, the pupil keeps their files.
    if (FichierTexte::existe(liste)) {
        QStringList gardees = FichierTexte::litLignes(liste);
        gardees.removeAll(ligne);
        FichierTexte::ecritLignes(liste, gardees);
    }
    const QString dossier = DossierDeClasse(enseignant);
    const QString suffixe = QStringLiteral("_de_") + enseignant + QStringLiteral(".txt");
    SuppressionSure::supprimeFichier(dossier, QStringLiteral("profil_") + ligne + suffixe);
    SuppressionSure::supprimeFichier(dossier, QStringLiteral("parametrage_") + ligne + suffixe);
}

std::optional<QStringList> NiveauxEnseignant(SharedState& etat, const QString& enseignant) {
    if (!FichierTexte::existe(etat.FichierEnseignants)) return std::nullopt;
    if (enseignant == Aucun) return Niveaux;
    QStringList niveaux;
    bool sesLignes = false;
    for (const QString& ligne : FichierTexte::litLignes(etat.FichierEnseignants)) {
        if (ligne == enseignant) {
            sesLignes = true;
        } else if (sesLignes && ligne.startsWith(QLatin1Char('>'))) {
            // A level line edited into something unreadable is passed over.
            const int index = IndexDeNiveau(ligne);
            if (index >= 0) niveaux << Niveaux[index];
        } else {
            sesLignes = false;
        }
    }
    return niveaux;
}

bool EnseignantInscrit(SharedState& etat, const QString& enseignant) {
    if (enseignant == Aucun) return true;
    return FichierTexte::existe(etat.FichierEnseignants) &&
           FichierTexte::litLignes(etat.FichierEnseignants).contains(enseignant);
}
}  // namespace Registre
