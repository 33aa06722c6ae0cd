#include "logique/identification/Registre.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/SuppressionSure.h"
#include "logique/identification/VerifieNom.h"
#include "logique/journal/Journal.h"

namespace {
const QString NomIncorrect = QStringLiteral("Le nom que vous venez d'entrer n'est pas correct");
const QString PasDEnseignant = QStringLiteral(
    "Vous n'avez pas sélectionner d'enseignant. Si vous ne voulez pas appartenir à une classe selectionné le nom : "
    "'aucun'.");

const QString Existe = QStringLiteral("Ce nom existe déjà! Veuillez en saisir un autre");

void creeDossier(const QString& chemin) {
    if (!FichierTexte::creeDossier(chemin))
        throw ErreurFichier(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(chemin));
}

// The files a removed pupil leaves: their profile and parameter files, and the temporary copies
// of them a killed program left behind.
void supprimeFichiersEleve(const QString& ligne, const QString& enseignant) {
    const QString dossier = NomsDossier::dossierClasse(enseignant);
    for (const QString& fichier : NomsDossier::nomsDeLEleve(ligne, enseignant)) {
        SuppressionSure::supprimeFichier(dossier, fichier);
        FichierTexte::nettoieTemporaires(dossier, fichier);
    }
    Journal::oublieEleve(enseignant, ligne, NomsDossier::repertoireClasse(enseignant));
}
}  // namespace

int Gestion_meme_nom(const QString& ligne, const QString& fichier) {
    if (!FichierTexte::existe(fichier) || !FichierTexte::litLignes(fichier).contains(ligne)) return 0;
    Messages::information(Existe);
    return 1;
}

// Every change of a list is one read-modify-write under the list's lock: two programs registering
// at once both keep their lines. Boxes are shown after the lock is released.
namespace Registre {
Issue EnregistreEnseignant(SharedState& etat, const QString& nom, const QList<int>& niveaux) {
    // "aucun" is always taken, even in a teacher list that lost its line.
    if (nom == Aucun) {
        Messages::information(Existe);
        return Issue::Existant;
    }
    if (VerifieNomEnseignant(nom)) {
        Messages::information(NomIncorrect);
        return Issue::Refuse;
    }
    QStringList lignes{nom};
    for (int i = 0; i < Niveaux.size(); ++i)
        if (niveaux.contains(i)) lignes << LigneNiveau(i);
    const bool ajoute = FichierTexte::modifieLignes(etat.FichierEnseignants, [&](QStringList& liste, bool existait) {
        if (existait && NomDejaPris(nom, LignesDeListe(liste))) return false;
        creeDossier(NomsDossier::dossierClasse(nom));
        if (!existait) {
            creeDossier(NomsDossier::dossierClasse(Aucun));
            liste = {EnteteEnseignants, Aucun};
        }
        liste += lignes;
        return true;
    });
    if (!ajoute) {
        Messages::information(Existe);
        return Issue::Existant;
    }
    FichierTexte::modifieLignes(FichierListeEleves(nom), [&](QStringList& liste, bool existait) {
        if (existait) return false;
        liste = {EnteteListeEleves(nom)};
        return true;
    });
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
    // A lost class list (or folder) is made again with the header of its own kind.
    creeDossier(NomsDossier::dossierClasse(enseignant));
    const bool ajoute = FichierTexte::modifieLignes(FichierListeEleves(enseignant), [&](QStringList& liste, bool existait) {
        if (!existait) liste = {EnteteListeEleves(enseignant)};
        if (NomDejaPris(ligne, LignesDeListe(liste))) return false;
        liste << ligne;
        return true;
    });
    if (!ajoute) {
        Messages::information(Existe);
        return Issue::Existant;
    }
    return Issue::Enregistre;
}

bool SupprimeEnseignant(SharedState& etat, const QString& t) {
    if (t == Aucun || t == EnseignantNonInscrit) return false;
    // The teacher list is rewritten first: should that fail, the teacher's folder is still whole.
    FichierTexte::modifieLignes(etat.FichierEnseignants, [&](QStringList& liste, bool existait) {
        if (!existait) return false;
        QStringList gardees;
        bool dansSesNiveaux = false;
        for (const QString& ligne : liste) {
            if (ligne == t) {
                dansSesNiveaux = true;
                continue;
            }
            if (dansSesNiveaux && ligne.startsWith(QLatin1Char('>'))) continue;
            dansSesNiveaux = false;
            gardees << ligne;
        }
        liste = gardees;
        return true;
    });
    // A school server keeps the teacher's answers outside the folder: they go first.
    Journal::oublieEnseignant(t, NomsDossier::repertoireClasse(t));
    // The folder goes with everything in it, temporary copies included (the class's journal file too).
    if (!SuppressionSure::supprimeDossier(NomsDossier::dossierClasse(t))) return false;
    Messages::information(QStringLiteral("Le dossier de l'enseignant ") + t + QStringLiteral(" a bien été supprimer"));
    return true;
}

void SupprimeEleve(const QString& ligne, const QString& enseignant) {
    if (ligne == EleveNonInscrit) return;
    // The list goes first: should its rewrite fail, the pupil keeps their files.
    FichierTexte::modifieLignes(FichierListeEleves(enseignant),
                                [&](QStringList& liste, bool existait) { return existait && liste.removeAll(ligne) > 0; });
    supprimeFichiersEleve(ligne, enseignant);
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
    return FichierTexte::existe(etat.FichierEnseignants) && FichierTexte::litLignes(etat.FichierEnseignants).contains(enseignant);
}
}  // namespace Registre
