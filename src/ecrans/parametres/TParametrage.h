#pragma once
// The teacher's settings screen. Upper panel: one exercise at a time (kind, tables built as a
// list of entries with ">>", special cases, options, time, questions, help, number strip), added
// to the list of defined exercises; guided step by step on opening. Lower panel: the defined
// exercises, the pupils, the end-of-sequence and feedback choices, ">>" that writes the ticked
// pupils' parameter files, and the buttons that save the teacher's list and leave.
#include "ecrans/commun/Fenetre.h"
#include "logique/parametres/EntreesTables.h"
#include "logique/parametres/ExerciceParametre.h"
#include "logique/parametres/ExercicesDefinis.h"
#include "logique/parametres/Guidage.h"

#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TParametrage final : public Fenetre {
    Q_OBJECT
public:
    TParametrage();

    // Hand-over from the identification screen before it shows this screen: the defined
    // exercises loaded from the teacher's file and the teacher's pupil list file.
    void recoitEnseignant(const ExercicesDefinis& exercices, const QString& fichierEleves);

    void FormCreate();
    void ListeExercicesClick();
    void OperationsClick();
    void TablePreciseClick();
    void CocheDecoche1Click();
    void CocheDecoche2Click();
    void Ajouter_Button1Click();
    void ListeTable2KeyDown(int touche);
    void EnregistrerClick();
    void ListeSequenceClick();
    void ListeSequenceKeyDown(int touche);
    void AssocieClick();
    void EnregistrerQuitterClick();
    void InitialisationClick();
    void AnnulerClick();
    void AmenagementsElevesClick();
    void PetiteInitialisation();

    // The defined exercises as they stand (label k goes with content k).
    const ExercicesDefinis& exercicesDefinis() const { return definis_; }

protected:
    void FormShow() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creeControles();
    void creePanneauHaut(QWidget* haut);
    void creePanneauBas(QWidget* bas);
    void relieControles();
    void appliqueActivation();
    // The table modes and their fields, which the starting test greys.
    QList<QWidget*> modesDeTables() const;
    void ajouteEntrees(const EntreesTables::Ajout& ajout);
    // The guidance's reason for a greyed control (or the group it is in); empty when none.
    QString pourquoiGrise(const QWidget* controle) const;
    void AfficheEleveDeEnseignant();
    void videListeTable2();
    void ajouteExerciceDefini(const QString& libelle, const QString& contenu);
    ChoixExercice choix() const;
    void montreChoix(const ChoixExercice& c);
    void CocheLesValeursDeLaSequenceDonnee();
    QString cheminEnseignant() const;
    void quitte();

    Guidage guidage_;
    ExercicesDefinis definis_;
    int nombreExercices_ = 0;  // numbers new labels; may repeat a number after a deletion
    bool numeroCourant_ = false;
    bool cocheBasculee_ = false;     // the mouse click under way ticked or unticked a defined exercise
    QPointer<QWidget> bulleGrisee_;  // the greyed control whose reason the hint shows
    ExercicesDefinis recus_;
    QString fichierEleves_;

    // Upper panel.
    QGroupBox* Type_GroupBox = nullptr;
    QButtonGroup* ListeExercices = nullptr;
    QGroupBox* Option_GroupBox2 = nullptr;
    QCheckBox *Option0 = nullptr, *Option1 = nullptr, *Option2 = nullptr;
    QGroupBox* Table_GroupBox = nullptr;
    QButtonGroup* Operations = nullptr;
    QLabel* Enonce3 = nullptr;
    QButtonGroup* ModeTable = nullptr;
    QRadioButton *TablePrecise = nullptr, *TableIntervalle = nullptr, *Complement = nullptr;
    QListWidget* ListeTable1 = nullptr;
    QCheckBox* CocheDecoche1 = nullptr;
    QLineEdit *NumTable_Edit = nullptr, *Table_Edit1 = nullptr, *Table_Edit2 = nullptr, *Complement_Edit = nullptr;
    QList<QLabel*> libellesIntervalle;
    QPushButton* Ajouter_Button1 = nullptr;
    QListWidget* ListeTable2 = nullptr;
    QCheckBox* CocheDecoche2 = nullptr;
    QGroupBox* Temps_GroupBox = nullptr;
    QRadioButton *Temps_RadioButton1 = nullptr, *Temps_RadioButton2 = nullptr, *Temps_RadioButton3 = nullptr;
    QSpinBox *Temps_SpinEdit1 = nullptr, *Temps_SpinEdit2 = nullptr;
    QLabel *Temps_Label1 = nullptr, *Temps_Label2 = nullptr;
    QGroupBox* NbreQuestions = nullptr;
    QSpinBox* NbreQuestion = nullptr;
    QGroupBox* Aide_RadioGroup = nullptr;
    QRadioButton *Aide1 = nullptr, *Aide2 = nullptr, *Aide3 = nullptr;
    QCheckBox* BandeNum = nullptr;
    QSpinBox* BandeNum_SpinEdit1 = nullptr;
    QPushButton* Enregistrer = nullptr;
    QLabel* Guidage_Ligne = nullptr;

    // Lower panel.
    QListWidget* ListeSequence = nullptr;
    QCheckBox* CocheDecoche3 = nullptr;
    QGroupBox* OptionSequence = nullptr;
    QButtonGroup* CodesSequence = nullptr;
    QGroupBox* Retroaction = nullptr;
    QButtonGroup* CodesRetroaction = nullptr;
    QPushButton* Associe = nullptr;
    QListWidget* Eleve = nullptr;
    QCheckBox* CocheDecoche4 = nullptr;
    QGroupBox* Profil_GroupBox1 = nullptr;
    QCheckBox *Profil_Texte = nullptr, *Profil_Tableur = nullptr, *Profil_BaseDonnees = nullptr;
    QPushButton *Initialisation = nullptr, *EnregistrerQuitter = nullptr, *Annuler = nullptr;
    QPushButton* AmenagementsEleves = nullptr;  // opens the pupils' adjustments panel

    // The class's sound and voice (TParametrageSons.cpp).
    void creeReglagesSons(QWidget* bas);
    void afficheReglagesSons();
    void EnregistreReglagesSons();
    QCheckBox *CaseSons = nullptr, *CaseVoix = nullptr;
    QLabel* VoixIndisponible = nullptr;
};
