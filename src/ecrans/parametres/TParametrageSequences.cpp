// The settings screen's lower panel: the pupils, the defined exercises, ">>" that writes the
// pupils' parameter files, and the buttons that save the teacher's list, reset and leave.
#include "ecrans/commun/Passage.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/base/Verrou.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "ecrans/commun/UtilsEcran.h"
#include "ecrans/parametres/DialogueAmenagements.h"
#include "ecrans/parametres/ListesCochees.h"
#include "ecrans/commun/Polices.h"
#include "logique/parametres/ParameterFiles.h"
#include "ecrans/parametres/TParametrage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QListWidget>

using namespace ListesCochees;

QString TParametrage::cheminEnseignant() const {
    const SharedState& e = Etat();
    return e.RepertoireClasse + NomsDossier::parametrageEnseignant(e.EnseignantParametrage);
}

void TParametrage::AfficheEleveDeEnseignant() {
    Eleve->clear();
    if (!fichierEleves_.isEmpty() && FichierTexte::existe(fichierEleves_))
        RemplitElevesAParametrer(Etat(), fichierEleves_, Eleve);
}

void TParametrage::ListeSequenceKeyDown(int touche) {
    if (touche != Qt::Key_Delete) return;
    const int ligne = ListeSequence->currentRow();
    if (ligne < 0 || !ListeSequence->currentItem()->isSelected()) return;
    delete ListeSequence->takeItem(ligne);
    definis_.libelles.removeAt(ligne);
    definis_.contenus.removeAt(ligne);
    --nombreExercices_;
}

void TParametrage::AssocieClick() {
    ExercicesEnseignant::Affectation a;
    const SharedState& etat = Etat();
    a.enseignant = etat.EnseignantParametrage;
    a.repertoireClasse = etat.RepertoireClasse;
    for (int i = 0; i < Eleve->count(); ++i)
        if (estCoche(Eleve->item(i))) a.eleves << Eleve->item(i)->text();
    for (int i = 0; i < ListeSequence->count(); ++i)
        if (estCoche(ListeSequence->item(i))) a.blocs << definis_.contenus.value(i);
    if (a.eleves.isEmpty()) {
        Messages::information(QStringLiteral("Vous devez préciser des noms d'élèves"));
        return;
    }
    if (a.blocs.isEmpty()) {
        Messages::information(QStringLiteral("Vous devez préciser des séquences"));
        return;
    }
    a.fin = std::max(0, CodesSequence->checkedId());
    a.retroaction = std::max(0, CodesRetroaction->checkedId());
    if (a.eleves.contains(ExercicesEnseignant::ParDefaut))
        Messages::information(QStringLiteral("Vous avez sélectionné paramétrage par défaut.\nRien en sera pris en compte "
                                             "à part les tables."));
    const QStringList echecs = ExercicesEnseignant::affecte(a);
    if (echecs.isEmpty()) {
        Messages::information(QStringLiteral("Tout est ok"));
        return;
    }
    QString texte = echecs.join(QLatin1Char('\n'));
    if (echecs.size() < a.eleves.size()) texte += QStringLiteral("\nLes autres fichiers ont bien été écrits.");
    Messages::erreur(texte);
}

void TParametrage::EnregistrerQuitterClick() {
    ExercicesDefinis coches;
    for (int i = 0; i < ListeSequence->count(); ++i) {
        if (!estCoche(ListeSequence->item(i))) continue;
        coches.libelles << definis_.libelles.value(i);
        coches.contenus << definis_.contenus.value(i);
    }
    if (coches.libelles.isEmpty()) {
        Messages::information(
            QStringLiteral("Vous devez préciser des séquences pour enregistrer les paramètres de l'enseignant."));
        return;
    }
    const SauvegardeProfil profil{Profil_BaseDonnees->isChecked(), Profil_Tableur->isChecked(), Profil_Texte->isChecked()};
    // A failure shows its message and leaves the screen open with everything as it was.
    ExercicesEnseignant::enregistre(cheminEnseignant(), Etat().EnseignantParametrage, coches, profil);
    quitte();
}

void TParametrage::InitialisationClick() {
    PetiteInitialisation();
    videListeTable2();
    ListeSequence->clear();
    definis_ = {};
    nombreExercices_ = 0;
    // The guidance and what it has opened stay as they are: only the values go back.
    const QString chemin = cheminEnseignant();
    const Verrou verrou(chemin);
    FichierTexte::supprime(chemin);
}

void TParametrage::AnnulerClick() { quitte(); }

void TParametrage::AmenagementsElevesClick() {
    QStringList eleves;
    for (int i = 0; i < Eleve->count(); ++i)
        if (Eleve->item(i)->text() != ExercicesEnseignant::ParDefaut) eleves << Eleve->item(i)->text();
    if (eleves.isEmpty()) {
        Messages::information(
            QStringLiteral("Cette classe n'a encore aucun élève : inscrivez des élèves avant de choisir leurs aménagements."));
        return;
    }
    const SharedState& e = Etat();
    DialogueAmenagements dialogue(this, e.RepertoireClasse, e.EnseignantParametrage, eleves, Polices::presente);
    dialogue.exec();
}

void TParametrage::quitte() {
    const Passage passage(this);
    hide();
    Ecrans::montre(Ecrans::Role::SaisieIdentifiant);
    Etat().RepertoireClasse.clear();
}
