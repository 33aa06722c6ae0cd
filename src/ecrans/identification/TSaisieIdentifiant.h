#pragma once
// The identification screen, the main window. Left half: the teachers' settings (choose a
// teacher and open the settings screen, register or remove a teacher). Right half: the pupils
// (choose a teacher and a pupil and play, register or remove a pupil).
#include "ecrans/commun/Fenetre.h"
#include "logique/parametres/ExercicesDefinis.h"

#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TSaisieIdentifiant final : public Fenetre {
    Q_OBJECT
public:
    TSaisieIdentifiant();

signals:
    // A teacher's defined exercises were loaded before the settings screen opens: its hand-over
    // (the program connects the settings screen to it).
    void enseignantCharge(const ExercicesDefinis& exercices, const QString& fichierEleves);

public:
    void FormCreate();
    void lb_nom_ens_paramClick();
    void nom_ensChange();
    void enregistrer_ensClick();
    void ParametreClick();
    void SuiviClick();
    void lb_nom_ens_paramKeyDown(int touche);
    void cb_nom_ensChange();
    void lb_nom_eleveClick();
    void cb_mon_ens_insChange();
    void nom_eleveChange();
    void enregistrer_eleveClick();
    void lb_nom_eleveKeyDown(int touche);
    void JouerClick();
    void QuitterClick();
    void ImporterClick();
    void ExporterClick();

    // How the teacher picks the file to import from (`enregistrer` false: `proposition` is the
    // folder to start in) or export to (`proposition` is the name proposed, without extension);
    // empty when cancelled. Tests replace it.
    using ChoixDeFichier = std::function<QString(QWidget* parent, bool enregistrer, const QString& proposition)>;
    static ChoixDeFichier choixFichier;

    // The defined exercises of the teacher being edited, which the settings screen reads when
    // it opens: label k goes with content k. Emptied on every show.
    QStringList LibellesExercices;
    QStringList ContenusExercices;

protected:
    void FormShow() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QString enseignantChoisi();
    void creeControles();
    void nommeControles();
    void relieControles();
    // Loads the defined exercises of a teacher into the two lists above (settings screen's work).
    void ChargeExercicesEnseignant(const QString& enseignant);
    // Fills both teacher lists from the teacher list file, keeping the pupil-side choices that
    // still exist.
    void remplitEnseignants();
    void remplitElevesDe(const QString& enseignant);
    void activeInscriptionEleve(bool actif);
    void placeNiveaux();
    // The pupils in two columns on a wide display.
    void placeEleves();
    void decocheNiveaux();
    // The teacher chosen in the teacher list for an import or export; empty (and the user told)
    // when none is.
    QString classeChoisie();

    bool premierAffichage_ = true;

    // Teacher's half.
    QListWidget* lb_nom_ens_param = nullptr;
    QPushButton* Parametre = nullptr;
    QPushButton* Suivi = nullptr;
    QLabel* nom_ens_param = nullptr;
    QLineEdit* nom_ens = nullptr;
    QLabel* classe_param = nullptr;
    QListWidget* CheckListBox1 = nullptr;
    QPushButton* enregistrer_ens = nullptr;
    QPushButton* Importer = nullptr;
    QPushButton* Exporter = nullptr;
    // Pupil's half: playing.
    QComboBox* cb_nom_ens = nullptr;
    QLabel* nom_eleve_con = nullptr;
    QListWidget* lb_nom_eleve = nullptr;
    QPushButton* Jouer = nullptr;
    // Pupil's half: registering.
    QLabel* classe_de_ins = nullptr;
    QComboBox* cb_mon_ens_ins = nullptr;
    QLabel* nom_eleve_ins = nullptr;
    QLineEdit* nom_eleve = nullptr;
    QLabel* classe_ins = nullptr;
    QComboBox* cb_eleve_classe = nullptr;
    QPushButton* enregistrer_eleve = nullptr;

    QPushButton* Quitter = nullptr;
    QLabel* PremierPas = nullptr;  // "start here" while no teacher is registered
};
