#include "ecrans/parametres/TParametrage.h"

#include "ecrans/commun/Ajustement.h"
#include "logique/base/Garde.h"
#include "logique/base/Messages.h"
#include "logique/parametres/BlocTestDeDepart.h"
#include "logique/parametres/EntreesTables.h"
#include "ecrans/parametres/ListesCochees.h"
#include "ecrans/parametres/TextesEntiers.h"
#include "logique/parametres/ParameterFiles.h"

#include <QButtonGroup>
#include <QCursor>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSpinBox>
#include <QToolTip>

using namespace ListesCochees;

namespace {
// An exclusive radio group that may have no choice, as on opening.
void aucunChoix(QButtonGroup* groupe) {
    groupe->setExclusive(false);
    for (QAbstractButton* b : groupe->buttons()) b->setChecked(false);
    groupe->setExclusive(true);
}

void choisit(QButtonGroup* groupe, int id) {
    if (QAbstractButton* b = groupe->button(id)) b->setChecked(true);
}

void active(const QList<QWidget*>& controles, bool actif) {
    for (QWidget* c : controles) c->setEnabled(actif);
}

const QString Limite = QStringLiteral(
    "La liste des exercices définis est pleine (50 exercices au plus). Supprimez un exercice de la liste avec la touche "
    "Suppr avant d'en ajouter un autre.");
}  // namespace

TParametrage::TParametrage() : Fenetre(QStringLiteral("Parametrage"), QStringLiteral("Paramètres"), QColor(0, 255, 128)) {
    creeControles();
    relieControles();
    FormCreate();
}

void TParametrage::FormCreate() {
    move(0, 0);
    definis_ = {};
    nombreExercices_ = 0;
    Option0->setToolTip(QStringLiteral("La sélection de la table de x sur l'intervalle [1..10]\nentraine x "
                                       "systématiquement dans l'opérande gauche."));
    CalculeEchelle(this);
    AdapteFenetre(this);
    TextesEntiers::ajuste(this);
    // Greyed controls get no hint events of their own: the screen answers for them.
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void TParametrage::relieControles() {
    const auto clic = [this](QAbstractButton* b, void (TParametrage::*action)()) {
        Garde::connecte(b, &QAbstractButton::clicked, this, [this, action] { (this->*action)(); });
    };
    for (QAbstractButton* b : ListeExercices->buttons()) clic(b, &TParametrage::ListeExercicesClick);
    for (QAbstractButton* b : Operations->buttons()) clic(b, &TParametrage::OperationsClick);
    clic(TablePrecise, &TParametrage::TablePreciseClick);
    clic(CocheDecoche1, &TParametrage::CocheDecoche1Click);
    clic(CocheDecoche2, &TParametrage::CocheDecoche2Click);
    clic(Ajouter_Button1, &TParametrage::Ajouter_Button1Click);
    clic(Enregistrer, &TParametrage::EnregistrerClick);
    clic(Associe, &TParametrage::AssocieClick);
    clic(EnregistrerQuitter, &TParametrage::EnregistrerQuitterClick);
    clic(Initialisation, &TParametrage::InitialisationClick);
    clic(Annuler, &TParametrage::AnnulerClick);
    clic(AmenagementsEleves, &TParametrage::AmenagementsElevesClick);
    Garde::connecte(CocheDecoche3, &QCheckBox::clicked, this, [this] { cocheTout(ListeSequence, CocheDecoche3->isChecked()); });
    Garde::connecte(CocheDecoche4, &QCheckBox::clicked, this, [this] { cocheTout(Eleve, CocheDecoche4->isChecked()); });
    // A click on an exercise's tick box only ticks or unticks it: loading the exercise would also put
    // the profile, end-of-sequence and feedback choices back to their defaults behind the teacher's back.
    connect(ListeSequence, &QListWidget::itemChanged, this, [this] { cocheBasculee_ = true; });
    connect(ListeSequence, &QListWidget::itemClicked, this, [this] {
        if (!cocheBasculee_) Garde::execute([this] { ListeSequenceClick(); });
    });
    // A number clicked becomes the list's current item: the [1..10] mode then has a choice.
    connect(ListeTable1, &QListWidget::itemClicked, this, [this] { numeroCourant_ = true; });
    ListeTable2->installEventFilter(this);
    ListeSequence->installEventFilter(this);
    ListeTable1->viewport()->installEventFilter(this);
    ListeSequence->viewport()->installEventFilter(this);
}

bool TParametrage::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::ToolTip && objet->isWidgetType()) {
        // Hints in the screen's fitted type, not the system's small one.
        QToolTip::setFont(font());
        // The control under the mouse, even a greyed one inside a greyed group.
        const auto* aide = static_cast<QHelpEvent*>(evenement);
        const QWidget* sous = childAt(mapFromGlobal(aide->globalPos()));
        if (!sous) sous = static_cast<QWidget*>(objet);
        const QString raison = pourquoiGrise(sous);
        bulleGrisee_ = raison.isEmpty() ? nullptr : const_cast<QWidget*>(sous);
        if (!raison.isEmpty()) {
            QString texte = raison;
            for (const QWidget* w = sous; w && w != this; w = w->parentWidget())
                if (!w->toolTip().isEmpty()) {
                    texte += QLatin1Char('\n') + w->toolTip();
                    break;
                }
            QToolTip::showText(aide->globalPos(), texte, const_cast<QWidget*>(sous));
            return true;
        }
    }
    if (objet == ListeSequence->viewport() &&
        (evenement->type() == QEvent::MouseButtonPress || evenement->type() == QEvent::MouseButtonDblClick))
        cocheBasculee_ = false;
    // Five numbers to a row, whatever the fitted size of the list.
    if (objet == ListeTable1->viewport() && evenement->type() == QEvent::Resize) {
        const QSize zone = static_cast<QResizeEvent*>(evenement)->size();
        // The list wraps a row that fills the width exactly: keep one pixel spare.
        ListeTable1->setGridSize(QSize((zone.width() - 1) / 5, zone.height() / 2));
    }
    if (evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (objet == ListeTable2 && touche == Qt::Key_Delete) {
            Garde::execute([this, touche] { ListeTable2KeyDown(touche); });
            return true;
        }
        if (objet == ListeSequence && touche == Qt::Key_Delete) {
            Garde::execute([this, touche] { ListeSequenceKeyDown(touche); });
            return true;
        }
    }
    return Fenetre::eventFilter(objet, evenement);
}

void TParametrage::recoitEnseignant(const ExercicesDefinis& exercices, const QString& fichierEleves) {
    recus_ = exercices;
    fichierEleves_ = fichierEleves;
}

void TParametrage::FormShow() {
    PetiteInitialisation();
    videListeTable2();
    // Guided from the start, even when a file below cannot be read.
    guidage_.ouvre();
    appliqueActivation();
    AfficheEleveDeEnseignant();
    ListeSequence->clear();
    definis_ = {};
    for (int k = 0; k < recus_.libelles.size(); ++k) ajouteExerciceDefini(recus_.libelles[k], recus_.contenus.value(k));
    nombreExercices_ = static_cast<int>(definis_.libelles.size());
    const SauvegardeProfil profil = ExercicesEnseignant::litSauvegarde(cheminEnseignant());
    Profil_BaseDonnees->setChecked(profil.base);
    Profil_Tableur->setChecked(profil.tableur);
    Profil_Texte->setChecked(profil.texte);
    afficheReglagesSons();
}

void TParametrage::videListeTable2() {
    ListeTable2->clear();
    ajouteCoche(ListeTable2, EntreesTables::Doubles, false);
    ajouteCoche(ListeTable2, EntreesTables::Successeurs, false);
}

void TParametrage::PetiteInitialisation() {
    aucunChoix(ListeExercices);
    for (QCheckBox* c : {Option0, Option1, Option2, CocheDecoche1, CocheDecoche2, BandeNum, CocheDecoche3}) c->setChecked(false);
    aucunChoix(Operations);
    aucunChoix(ModeTable);
    cocheTout(ListeTable1, false);
    ListeTable1->setCurrentItem(nullptr);
    numeroCourant_ = false;
    for (QLineEdit* e : {NumTable_Edit, Table_Edit1, Table_Edit2, Complement_Edit}) e->clear();
    Temps_RadioButton1->setChecked(true);
    Temps_SpinEdit1->setValue(10);
    Temps_SpinEdit2->setValue(10);
    NbreQuestion->setValue(10);
    Aide2->setChecked(true);
    BandeNum_SpinEdit1->setValue(9);
    choisit(CodesSequence, 0);
    choisit(CodesRetroaction, 0);
    Profil_Texte->setChecked(true);
    Profil_Tableur->setChecked(false);
    Profil_BaseDonnees->setChecked(false);
}

void TParametrage::appliqueActivation() {
    const Guidage::Activation a = guidage_.activation();
    Option_GroupBox2->setEnabled(a.options);
    Table_GroupBox->setEnabled(a.tables);
    active({Ajouter_Button1, ListeTable2, CocheDecoche2}, a.choixDesTables);
    active(modesDeTables(), a.modesDeTables);
    active({ListeTable1, CocheDecoche1}, a.listeTable1);
    active({Operations->button(1), Operations->button(3)}, a.soustractionDivision);
    Temps_GroupBox->setEnabled(a.temps);
    active({Temps_RadioButton3, Temps_SpinEdit2, Temps_Label2}, a.requin);
    NbreQuestions->setEnabled(a.questions);
    Aide_RadioGroup->setEnabled(a.aide);
    active({Aide1, Aide2, Aide3}, a.aideRadios);
    active({BandeNum, BandeNum_SpinEdit1}, a.bande);
    Enregistrer->setEnabled(a.enregistrer);
    Guidage_Ligne->setText(guidage_.consigne());
    // A hint that says why a control is greyed does not outlive the greying: the control's own
    // hint takes its place.
    if (bulleGrisee_ && QToolTip::isVisible() && pourquoiGrise(bulleGrisee_).isEmpty()) {
        QString propre;
        for (const QWidget* w = bulleGrisee_; w && w != this && propre.isEmpty(); w = w->parentWidget()) propre = w->toolTip();
        if (propre.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(QCursor::pos(), propre, bulleGrisee_);
        bulleGrisee_ = nullptr;
    }
}

QList<QWidget*> TParametrage::modesDeTables() const {
    QList<QWidget*> modes{Enonce3,     TablePrecise, TableIntervalle, NumTable_Edit,
                          Table_Edit1, Table_Edit2,  Complement,      Complement_Edit};
    for (QLabel* l : libellesIntervalle) modes << l;
    return modes;
}

QString TParametrage::pourquoiGrise(const QWidget* controle) const {
    using Z = Guidage::Zone;
    QList<const QWidget*> modes;
    for (const QWidget* m : modesDeTables()) modes << m;
    const QList<std::pair<QList<const QWidget*>, Z>> zones{{{Option_GroupBox2}, Z::Options},
                                                           {{Table_GroupBox}, Z::Tables},
                                                           {{Ajouter_Button1, ListeTable2, CocheDecoche2}, Z::ChoixDesTables},
                                                           {modes, Z::ModesDeTables},
                                                           {{Operations->button(1), Operations->button(3)},
                                                            Z::SoustractionDivision},
                                                           {{ListeTable1, CocheDecoche1}, Z::ListeTable1},
                                                           {{Temps_GroupBox}, Z::Temps},
                                                           {{Temps_RadioButton3, Temps_SpinEdit2, Temps_Label2}, Z::Requin},
                                                           {{NbreQuestions}, Z::Questions},
                                                           {{Aide_RadioGroup, Enregistrer}, Z::Aide},
                                                           {{Aide1, Aide2, Aide3}, Z::AideRadios},
                                                           {{BandeNum, BandeNum_SpinEdit1}, Z::Bande}};
    // The innermost greyed part gives the reason: a radio's own, else its group's.
    for (const QWidget* w = controle; w && w != this; w = w->parentWidget()) {
        if (w->isEnabled()) return {};
        for (const auto& [controles, zone] : zones) {
            if (!controles.contains(w)) continue;
            const QString raison = guidage_.pourquoiGrise(zone);
            if (!raison.isEmpty()) return raison;
        }
    }
    return {};
}

void TParametrage::ListeExercicesClick() {
    const int type = ListeExercices->checkedId() + 1;
    // The starting test has neither subtraction nor division: such a choice would add its tables.
    const int operation = Operations->checkedId();
    if (type == BlocTestDeDepart::Type && (operation == 1 || operation == 3)) aucunChoix(Operations);
    guidage_.typeChoisi(type);
    appliqueActivation();
}

void TParametrage::OperationsClick() {
    guidage_.operationChoisie();
    appliqueActivation();
}

void TParametrage::TablePreciseClick() {
    guidage_.tablePreciseChoisie();
    appliqueActivation();
}

void TParametrage::CocheDecoche1Click() {
    const bool coche = CocheDecoche1->isChecked();
    cocheTout(ListeTable1, coche);
    if (coche) {
        ListeTable1->setCurrentRow(ListeTable1->count() - 1);
        numeroCourant_ = true;
    }
}

void TParametrage::CocheDecoche2Click() { cocheTout(ListeTable2, CocheDecoche2->isChecked()); }

void TParametrage::Ajouter_Button1Click() {
    EntreesTables::Demande d;
    d.operation = Operations->checkedId();
    if (ListeExercices->checkedId() + 1 == BlocTestDeDepart::Type) {
        // The starting test asks the whole tables 1 to 10 of its operation.
        d.mode = EntreesTables::Mode::Precise;
        d.numeroCourant = true;
        for (int n = 1; n <= 10; ++n) d.numerosCoches << n;
        ajouteEntrees(EntreesTables::ajoute(d));
        return;
    }
    d.mode = TablePrecise->isChecked()      ? EntreesTables::Mode::Precise
             : TableIntervalle->isChecked() ? EntreesTables::Mode::Intervalle
             : Complement->isChecked()      ? EntreesTables::Mode::Complement
                                            : EntreesTables::Mode::Aucun;
    d.numeroCourant = numeroCourant_;
    for (int i = 0; i < ListeTable1->count(); ++i)
        if (estCoche(ListeTable1->item(i))) d.numerosCoches << i + 1;
    d.table = NumTable_Edit->text();
    d.gauche = Table_Edit1->text();
    d.droite = Table_Edit2->text();
    d.complement = Complement_Edit->text();
    ajouteEntrees(EntreesTables::ajoute(d));
}

void TParametrage::ajouteEntrees(const EntreesTables::Ajout& ajout) {
    if (!ajout.refus.isEmpty()) {
        Messages::information(ajout.refus);
        return;
    }
    for (const EntreeTable& e : ajout.entrees) ajouteCoche(ListeTable2, EntreesTables::texte(e), true);
    if (ajout.entrees.isEmpty()) return;
    guidage_.entreeAjoutee();
    appliqueActivation();
}

void TParametrage::ListeTable2KeyDown(int touche) {
    if (touche != Qt::Key_Delete) return;
    const int ligne = ListeTable2->currentRow();
    if (ligne < 2 || !ListeTable2->currentItem()->isSelected()) return;
    delete ListeTable2->takeItem(ligne);
}

ChoixExercice TParametrage::choix() const {
    ChoixExercice c;
    c.type = ListeExercices->checkedId() + 1;
    c.doubles = estCoche(ListeTable2->item(0));
    c.successeurs = estCoche(ListeTable2->item(1));
    for (int i = 2; i < ListeTable2->count(); ++i)
        c.entrees << EntreeCochee{ListeTable2->item(i)->text(), estCoche(ListeTable2->item(i))};
    c.tablesDansOrdre = Option0->isChecked();
    c.grandeOperandeAGauche = Option1->isChecked();
    c.nombresRelatifs = Option2->isChecked();
    c.operation = Operations->checkedId();
    c.temps = Temps_RadioButton2->isChecked()   ? ChoixExercice::Temps::Pirate
              : Temps_RadioButton3->isChecked() ? ChoixExercice::Temps::Requin
                                                : ChoixExercice::Temps::Aucun;
    c.tempsPirate = Temps_SpinEdit1->value();
    c.tempsRequin = Temps_SpinEdit2->value();
    c.questions = NbreQuestion->value();
    c.aide = Aide1->isChecked() ? 0 : Aide3->isChecked() ? 2 : 1;
    c.bande = BandeNum->isChecked();
    c.valeurBande = BandeNum_SpinEdit1->value();
    return c;
}

void TParametrage::ajouteExerciceDefini(const QString& libelle, const QString& contenu) {
    ajouteCoche(ListeSequence, libelle, true);
    definis_.libelles << libelle;
    definis_.contenus << contenu;
}

void TParametrage::EnregistrerClick() {
    if (definis_.libelles.size() >= ExercicesDefinis::Max) {
        Messages::information(Limite);
        return;
    }
    const ExerciceConstruit r = ExerciceParametre::construit(choix());
    if (!r.refus.isEmpty()) {
        Messages::information(r.refus);
        return;
    }
    for (const QString& avis : r.avis) Messages::information(avis);
    ++nombreExercices_;
    ajouteExerciceDefini(EtiquetteExercice(nombreExercices_, r.items), r.bloc);
}

void TParametrage::montreChoix(const ChoixExercice& c) {
    choisit(ListeExercices, c.type - 1);
    ListeTable2->item(0)->setCheckState(c.doubles ? Qt::Checked : Qt::Unchecked);
    ListeTable2->item(1)->setCheckState(c.successeurs ? Qt::Checked : Qt::Unchecked);
    for (const EntreeCochee& e : c.entrees) ajouteCoche(ListeTable2, e.texte, e.coche);
    Option0->setChecked(c.tablesDansOrdre);
    Option1->setChecked(c.grandeOperandeAGauche);
    Option2->setChecked(c.nombresRelatifs);
    Temps_SpinEdit1->setValue(c.tempsPirate);
    Temps_SpinEdit2->setValue(c.tempsRequin);
    (c.temps == ChoixExercice::Temps::Pirate   ? Temps_RadioButton2
     : c.temps == ChoixExercice::Temps::Requin ? Temps_RadioButton3
                                               : Temps_RadioButton1)
        ->setChecked(true);
    NbreQuestion->setValue(c.questions);
    (c.aide == 0 ? Aide1 : c.aide == 2 ? Aide3 : Aide2)->setChecked(true);
    BandeNum->setChecked(c.bande);
    BandeNum_SpinEdit1->setValue(c.valeurBande);
}

void TParametrage::CocheLesValeursDeLaSequenceDonnee() {
    const int ligne = ListeSequence->currentRow();
    if (ligne < 0 || ligne >= definis_.contenus.size()) return;
    PetiteInitialisation();
    videListeTable2();
    const ChoixExercice c = ExerciceParametre::charge(definis_.contenus[ligne]);
    montreChoix(c);
    guidage_.exerciceCharge(c.type);
    appliqueActivation();
}

void TParametrage::ListeSequenceClick() { CocheLesValeursDeLaSequenceDonnee(); }
