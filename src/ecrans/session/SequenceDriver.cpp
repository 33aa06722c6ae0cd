#include "ecrans/session/SequenceDriver.h"

#include "ecrans/commun/Passage.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/resultats/ResultatExercice.h"
#include "logique/parametres/LitParametres.h"
#include "logique/parametres/PositionParametres.h"

#include <QWidget>
#include <algorithm>

namespace {
// A parameter file edited by hand may ask for something that does not exist: the child is told in
// a child's words, the teacher why (Messages::erreur), and the identification screen comes back
// rather than an empty desktop.
void revientALIdentification(const QString& raison, const QString& pourEnfant) {
    Messages::erreur(raison + QStringLiteral(" Vérifiez la séquence de l'élève dans les paramètres."), pourEnfant);
    Ecrans::montre(Ecrans::Role::SaisieIdentifiant);
}

// Settings again between two exercises. A pupil without a parameter file was told at connection
// that the default values apply; the free exercises that follow say nothing more.
void relit(SharedState& e) {
    if (FichierTexte::existe(FichierParametrageEleve(e))) LitParametres(e, e.NomEleve, e.NomEnseignant);
    else InitialiseParametres(e);
}
}  // namespace

void DemarreExercice(SharedState& e) {
    QWidget* ecran = Ecrans::exercice(e.TypeExercice);
    if (!ecran) {
        revientALIdentification(
            QStringLiteral("Le fichier de paramétrage demande un exercice qui n'existe pas (type %1).").arg(e.TypeExercice),
            ExerciceInconnu);
        return;
    }
    const QDateTime maintenant = Horloge::maintenant();
    e.HeureDebut = Horloge::fractionDuJour(maintenant.time());
    e.DateHeureDebut = FormatFr::dateHeure(maintenant);
    ecran->show();
    ecran->raise();
    ecran->activateWindow();
}

void ExerciceSuivant(SharedState& e) {
    e.EnPratiqueLibre = false;
    const QString fichier = FichierParametrageEleve(e);
    if (!FichierTexte::existe(fichier)) {
        InitialiseParametres(e);
        Ecrans::montre(Ecrans::Role::ChoixOperateur);
        return;
    }
    if (!e.SequenceFinie) {
        DemarreExercice(e);
        return;
    }
    switch (e.UneFoisSequenceFinie) {
        case 0:
            e.SequenceFinie = false;
            ReecritLignePosition(fichier, LigneDePosition(1));
            relit(e);
            DemarreExercice(e);
            break;
        case 1:
            // Back to the last exercise, whose tables, questions, help and strip stay in force.
            ReecritLignePosition(fichier, LigneDePosition(std::max(1, e.NumeroExercice - 1)));
            relit(e);
            e.CasDoublesCarres = e.CasSuccesseurs = false;
            e.OptionTableDansOrdre = e.OptionGrandeOperandeAGauche = e.OptionNombresRelatifs = false;
            e.TempsDeReponse = 0;
            e.AvecPirate = false;
            Ecrans::montre(Ecrans::Role::ChoixOperateur);
            break;
        case 2:
            Messages::information(QStringLiteral("Vous avez fini de vous entrainer. Le logiciel va se fermer."));
            Ecrans::termine();
            break;
        default:
            revientALIdentification(
                QStringLiteral("Le fichier de paramétrage ne dit pas quoi faire à la fin des exercices (valeur %1).")
                    .arg(e.UneFoisSequenceFinie),
                SuiteInconnue);
            break;
    }
}

void MarqueFinExercice(SharedState& e) {
    const QDateTime maintenant = Horloge::maintenant();
    e.HeureFin = Horloge::fractionDuJour(maintenant.time());
    e.DateHeureFin = FormatFr::dateHeure(maintenant);
}

void EnregistreResultats(SharedState& e, const ResultatExercice& resultat, bool memeAnonyme) {
    if (e.NomEleve == EleveSansId && !memeAnonyme) return;
    EcritProfilExercice(e, resultat);
    EcritColonneTableur(e, resultat);
    EcritLigneBase(e, resultat);
}

void EnregistreResultats(SharedState& e, int erreurs, const QString& listeErreurs, bool memeAnonyme) {
    EnregistreResultats(e, ResultatExercice::de(e, erreurs, listeErreurs), memeAnonyme);
}

void EnchaineApresExercice(SharedState& e, QWidget* ecranExercice, bool avecBilan) {
    e.NumeroExercice += 1;
    if (e.NomEleve == EleveSansId) {
        const Passage passage(ecranExercice);
        ecranExercice->hide();
        Ecrans::montre(Ecrans::Role::ChoixOperateur);
        return;
    }
    // A pupil practising freely without a parameter file has no position to store.
    const QString fichier = FichierParametrageEleve(e);
    if (FichierTexte::existe(fichier)) ReecritLignePosition(fichier, LigneDePosition(e.NumeroExercice));
    if (avecBilan) Ecrans::montreBilan();
    // The exercise stays on screen while the settings are read again (and any message about
    // them shows); its picture covers the passage to the next screen: never a bare desktop.
    InitialiseParametres(e);
    relit(e);
    const Passage passage(ecranExercice);
    ecranExercice->hide();
    ExerciceSuivant(e);
}
