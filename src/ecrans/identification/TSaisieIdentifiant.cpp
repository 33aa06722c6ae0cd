#include "ecrans/identification/TSaisieIdentifiant.h"

#include "ecrans/commun/Passage.h"
#include "ecrans/session/SequenceDriver.h"
#include "ecrans/commun/Ajustement.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Garde.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "ecrans/commun/UtilsEcran.h"
#include "logique/identification/ConnexionEleve.h"
#include "ecrans/identification/Delegues.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/amenagements/AmenagementsEnCours.h"
#include "logique/journal/Journal.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
// A display wider than the design's 4:3 by this much gives the pupils two columns: the list gains
// more width than its rows need (they keep a name of usual length, "Léa Martin en classe…").
constexpr double LargeurPourDeuxColonnes = 1.15;
const QString PasSupprimable = QStringLiteral("Il n est pas possible de supprimer ce parametre");

QString selection(const QListWidget* liste) {
    // The last selected entry, as the pupil connection wants it; empty when none.
    QString texte;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->isSelected()) texte = liste->item(i)->text();
    return texte;
}

bool aUneSelection(const QListWidget* liste) { return !liste->selectedItems().isEmpty(); }

void active(std::initializer_list<QWidget*> controles, bool actif) {
    for (QWidget* w : controles) w->setEnabled(actif);
}

// Each entry's whole text on hover: a long one shows without its middle.
void textesEntiers(QListWidget* liste) {
    for (int i = 0; i < liste->count(); ++i) liste->item(i)->setToolTip(liste->item(i)->text());
}

// The choice in a drop-down, empty when nothing is chosen.
QString choix(const QComboBox* liste) { return liste->currentIndex() < 0 ? QString() : liste->currentText(); }

// The teacher list file, or what start-up would have put in it when it has gone missing.
void remplitCombo(QComboBox* liste) {
    const QSignalBlocker bloque(liste);
    SharedState& e = Etat();
    if (FichierTexte::existe(e.FichierEnseignants)) {
        RemplitComboDepuisFichier(e, e.FichierEnseignants, liste);
    } else {
        liste->clear();
        liste->addItem(Registre::Aucun);
    }
}
}  // namespace

TSaisieIdentifiant::TSaisieIdentifiant()
    : Fenetre(QStringLiteral("SaisieIdentifiant"), QStringLiteral("Marivelle"), QColor(255, 255, 128)) {
    creeControles();
    relieControles();
    Garde::execute([this] { FormCreate(); });
}

void TSaisieIdentifiant::relieControles() {
    Garde::connecte(lb_nom_ens_param, &QListWidget::itemSelectionChanged, this, [this] { lb_nom_ens_paramClick(); });
    Garde::connecte(nom_ens, &QLineEdit::textChanged, this, [this] { nom_ensChange(); });
    Garde::connecte(enregistrer_ens, &QPushButton::clicked, this, [this] { enregistrer_ensClick(); });
    Garde::connecte(Parametre, &QPushButton::clicked, this, [this] { ParametreClick(); });
    Garde::connecte(Suivi, &QPushButton::clicked, this, [this] { SuiviClick(); });
    Garde::connecte(cb_nom_ens, &QComboBox::activated, this, [this] { cb_nom_ensChange(); });
    Garde::connecte(lb_nom_eleve, &QListWidget::itemSelectionChanged, this, [this] { lb_nom_eleveClick(); });
    Garde::connecte(cb_mon_ens_ins, &QComboBox::activated, this, [this] { cb_mon_ens_insChange(); });
    Garde::connecte(nom_eleve, &QLineEdit::textChanged, this, [this] { nom_eleveChange(); });
    Garde::connecte(enregistrer_eleve, &QPushButton::clicked, this, [this] { enregistrer_eleveClick(); });
    Garde::connecte(Jouer, &QPushButton::clicked, this, [this] { JouerClick(); });
    Garde::connecte(Quitter, &QPushButton::clicked, this, [this] { QuitterClick(); });
    Garde::connecte(Importer, &QPushButton::clicked, this, [this] { ImporterClick(); });
    Garde::connecte(Exporter, &QPushButton::clicked, this, [this] { ExporterClick(); });
    lb_nom_ens_param->installEventFilter(this);
    lb_nom_eleve->installEventFilter(this);
    CheckListBox1->installEventFilter(this);
    lb_nom_eleve->viewport()->installEventFilter(this);
}

bool TSaisieIdentifiant::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (objet == lb_nom_ens_param && touche == Qt::Key_Delete) {
            Garde::execute([this, touche] { lb_nom_ens_paramKeyDown(touche); });
            return true;
        }
        if (objet == lb_nom_eleve && touche == Qt::Key_Delete) {
            Garde::execute([this, touche] { lb_nom_eleveKeyDown(touche); });
            return true;
        }
    } else if (evenement->type() == QEvent::Resize && objet == CheckListBox1) {
        placeNiveaux();
    } else if (evenement->type() == QEvent::Resize && objet == lb_nom_eleve->viewport()) {
        placeEleves();
    }
    return Fenetre::eventFilter(objet, evenement);
}

void TSaisieIdentifiant::placeNiveaux() {
    // The six levels sit in three columns and two rows at any fitted size.
    const QSize zone = CheckListBox1->contentsRect().size();
    CheckListBox1->setGridSize(QSize(zone.width() / 3, zone.height() / 2));
}

void TSaisieIdentifiant::placeEleves() {
    const QFontMetrics lettres(lb_nom_eleve->font());
    const int largeur = lb_nom_eleve->viewport()->width();
    const Ajustement::Facteurs& f = Ajustement::facteurs();
    const bool deux = f.horizontal >= f.vertical * LargeurPourDeuxColonnes;
    lb_nom_eleve->setFlow(deux ? QListView::LeftToRight : QListView::TopToBottom);
    lb_nom_eleve->setWrapping(deux);
    lb_nom_eleve->setGridSize(deux ? QSize(largeur / 2, DelegueLigneHaute::hauteurLigne(lettres)) : QSize());
}

void TSaisieIdentifiant::decocheNiveaux() {
    for (int i = 0; i < CheckListBox1->count(); ++i) CheckListBox1->item(i)->setCheckState(Qt::Unchecked);
}

void TSaisieIdentifiant::FormCreate() {
    move(0, 0);
    CalculeEchelle(this);
    premierAffichage_ = true;
    LibellesExercices.clear();
    ContenusExercices.clear();
}

void TSaisieIdentifiant::FormShow() {
    // Back here, nobody plays: a teacher may be at the screen.
    AvisEnseignant::finDeSeance();
    AmenagementsEnCours::retire();
    if (premierAffichage_) {
        // Later shows keep the fitted size: setting the design size again would shrink the
        // window under its already fitted controls.
        resize(1024, 768);
        AdapteFenetre(this);
        placeNiveaux();
        for (QListWidget* liste : {lb_nom_ens_param, lb_nom_eleve}) ajusteAuxLignesEntieres(liste);
        premierAffichage_ = false;
    }
    {
        const QSignalBlocker b1(nom_ens), b2(nom_eleve), b3(lb_nom_eleve), b4(lb_nom_ens_param);
        nom_ens->clear();
        nom_eleve->clear();
        lb_nom_eleve->clear();
        lb_nom_ens_param->clear();
    }
    decocheNiveaux();
    cb_mon_ens_ins->clear();
    cb_eleve_classe->clear();
    active({cb_mon_ens_ins, nom_eleve, cb_eleve_classe, CheckListBox1, nom_ens, lb_nom_eleve, nom_eleve_con, nom_eleve_ins,
            classe_de_ins, classe_ins, nom_ens_param, classe_param},
           false);
    LibellesExercices.clear();
    ContenusExercices.clear();
    // Nothing of the previous user stays chosen.
    Etat().EnseignantParametrage.clear();
    remplitEnseignants();
    cb_nom_ens->setCurrentIndex(0);
    // Pupils are the most frequent users: their first choice has the keyboard.
    cb_nom_ens->setFocus();
}

void TSaisieIdentifiant::remplitEnseignants() {
    remplitCombo(cb_nom_ens);
    const QSignalBlocker bloque(lb_nom_ens_param);
    SharedState& e = Etat();
    if (FichierTexte::existe(e.FichierEnseignants)) {
        RemplitListeDepuisFichier(e, e.FichierEnseignants, lb_nom_ens_param);
    } else {
        lb_nom_ens_param->clear();
        lb_nom_ens_param->addItems({Registre::EnseignantNonInscrit, Registre::Aucun});
    }
    textesEntiers(lb_nom_ens_param);
    // "Enseignant non inscrit" and "aucun" only: nobody has registered yet.
    PremierPas->setVisible(lb_nom_ens_param->count() <= 2);
}

void TSaisieIdentifiant::remplitElevesDe(const QString& enseignant) {
    const QSignalBlocker bloque(lb_nom_eleve);
    const QString liste = Registre::FichierListeEleves(enseignant);
    if (FichierTexte::existe(liste)) {
        RemplitListeDepuisFichier(Etat(), liste, lb_nom_eleve);
    } else {
        // Without a list yet, the entry for a new pupil is still there, so a first pupil can
        // register.
        lb_nom_eleve->clear();
        lb_nom_eleve->addItem(Registre::EleveNonInscrit);
    }
    textesEntiers(lb_nom_eleve);
    active({lb_nom_eleve, nom_eleve_con}, true);
}

void TSaisieIdentifiant::activeInscriptionEleve(bool actif) {
    active({nom_eleve, nom_eleve_ins, cb_eleve_classe, classe_ins}, actif);
}

// Teacher's half.

void TSaisieIdentifiant::lb_nom_ens_paramClick() {
    if (!aUneSelection(lb_nom_ens_param)) return;
    const QString enseignant = selection(lb_nom_ens_param);
    Etat().EnseignantParametrage = enseignant;
    if (enseignant == Registre::EnseignantNonInscrit) active({nom_ens, nom_ens_param}, true);
}

void TSaisieIdentifiant::nom_ensChange() { active({CheckListBox1, classe_param}, true); }

void TSaisieIdentifiant::enregistrer_ensClick() {
    QList<int> niveaux;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        if (CheckListBox1->item(i)->checkState() == Qt::Checked) niveaux << i;
    const auto issue = Registre::EnregistreEnseignant(Etat(), nom_ens->text(), niveaux);
    if (issue == Registre::Issue::Refuse) return;
    nom_ens->clear();
    // The next teacher starts with no level ticked.
    if (issue == Registre::Issue::Enregistre) decocheNiveaux();
    const QString choixJeux = choix(cb_nom_ens);
    remplitEnseignants();
    cb_nom_ens->setCurrentIndex(std::max(0, cb_nom_ens->findText(choixJeux, Qt::MatchExactly | Qt::MatchCaseSensitive)));
    nom_ens->setFocus();
}

// The teacher chosen for the settings or the progress view ("aucun" included); empty when none
// can open them (nothing is said for "Enseignant non inscrit").
QString TSaisieIdentifiant::enseignantChoisi() {
    SharedState& e = Etat();
    const QString enseignant = e.EnseignantParametrage;
    if (enseignant == Registre::EnseignantNonInscrit) return {};
    if (enseignant.isEmpty()) {
        Messages::information(QStringLiteral("Aucun identifiant n'a été saisie"));
        return {};
    }
    e.RepertoireClasse = NomsDossier::repertoireClasse(enseignant);
    return enseignant;
}

void TSaisieIdentifiant::ParametreClick() {
    const QString enseignant = enseignantChoisi();
    if (enseignant.isEmpty()) return;
    Journal::signaleRefus();
    LibellesExercices.clear();
    ContenusExercices.clear();
    ChargeExercicesEnseignant(enseignant);
    const Passage passage(this);
    hide();
    Ecrans::montre(Ecrans::Role::Parametrage);
    // What the answer journal keeps for the teacher (never told on a child's screen).
    Journal::ditALEnseignant(Etat().RepertoireClasse);
}

void TSaisieIdentifiant::SuiviClick() {
    if (enseignantChoisi().isEmpty()) return;
    Journal::signaleRefus();
    const Passage passage(this);
    hide();
    Ecrans::montre(Ecrans::Role::SuiviEleves);
}

void TSaisieIdentifiant::lb_nom_ens_paramKeyDown(int touche) {
    if (touche != Qt::Key_Delete || !aUneSelection(lb_nom_ens_param)) return;
    const QString enseignant = selection(lb_nom_ens_param);
    if (enseignant == Registre::Aucun || enseignant == Registre::EnseignantNonInscrit) {
        Messages::information(PasSupprimable);
        return;
    }
    if (!Messages::confirmation(QStringLiteral("La suppression de cet enseignant entrainera la perte des données "
                                               "concernant aussi tous ses élèves! Voulez-vous vraiment supprimer cet "
                                               "enseignant?")))
        return;
    // The lists are refilled even when the folder could not be removed: the teacher has left
    // the teacher list by then.
    const auto apres = [this, enseignant] {
        SharedState& e = Etat();
        if (e.EnseignantParametrage == enseignant) e.EnseignantParametrage.clear();
        const QString choixJeux = choix(cb_nom_ens);
        const QString choixInscription = choix(cb_mon_ens_ins);
        remplitEnseignants();
        const int jeux = cb_nom_ens->findText(choixJeux, Qt::MatchExactly | Qt::MatchCaseSensitive);
        cb_nom_ens->setCurrentIndex(std::max(0, jeux));
        if (jeux < 0 || choixJeux == enseignant) {
            // The pupils shown belonged to the removed teacher.
            const QSignalBlocker bloque(lb_nom_eleve);
            lb_nom_eleve->clear();
            active({lb_nom_eleve, nom_eleve_con}, false);
        }
        if (cb_mon_ens_ins->isEnabled()) {
            remplitCombo(cb_mon_ens_ins);
            const int ins = cb_mon_ens_ins->findText(choixInscription, Qt::MatchExactly | Qt::MatchCaseSensitive);
            cb_mon_ens_ins->setCurrentIndex(ins);
            if (ins < 0) {
                cb_eleve_classe->clear();
                activeInscriptionEleve(false);
            }
        }
    };
    try {
        Registre::SupprimeEnseignant(Etat(), enseignant);
    } catch (...) {
        apres();
        throw;
    }
    apres();
}

// Pupil's half.

void TSaisieIdentifiant::cb_nom_ensChange() {
    {
        const QSignalBlocker bloque(lb_nom_eleve);
        lb_nom_eleve->clear();
    }
    remplitElevesDe(choix(cb_nom_ens));
}

void TSaisieIdentifiant::lb_nom_eleveClick() {
    if (!aUneSelection(lb_nom_eleve) || selection(lb_nom_eleve) != Registre::EleveNonInscrit) return;
    remplitCombo(cb_mon_ens_ins);
    cb_mon_ens_ins->setCurrentIndex(-1);
    active({cb_mon_ens_ins, classe_de_ins}, true);
}

void TSaisieIdentifiant::cb_mon_ens_insChange() {
    cb_eleve_classe->clear();
    const auto niveaux = Registre::NiveauxEnseignant(Etat(), choix(cb_mon_ens_ins));
    if (!niveaux) return;
    active({nom_eleve, nom_eleve_ins}, true);
    cb_eleve_classe->addItems(*niveaux);
    cb_eleve_classe->setCurrentIndex(-1);
}

void TSaisieIdentifiant::nom_eleveChange() { active({cb_eleve_classe, classe_ins}, true); }

void TSaisieIdentifiant::enregistrer_eleveClick() {
    const QString enseignant = choix(cb_mon_ens_ins);
    if (Registre::EnregistreEleve(Etat(), nom_eleve->text(), enseignant, choix(cb_eleve_classe)) == Registre::Issue::Refuse)
        return;
    nom_eleve->clear();
    // The list shown is the registration teacher's: the teacher above follows, so that playing
    // or removing works on the pupil's own class.
    cb_nom_ens->setCurrentIndex(cb_nom_ens->findText(enseignant, Qt::MatchExactly | Qt::MatchCaseSensitive));
    remplitElevesDe(enseignant);
    nom_eleve->setFocus();
}

void TSaisieIdentifiant::lb_nom_eleveKeyDown(int touche) {
    if (touche != Qt::Key_Delete || !aUneSelection(lb_nom_eleve)) return;
    const QString eleve = selection(lb_nom_eleve);
    const QString enseignant = choix(cb_nom_ens);
    if (eleve == Registre::EleveNonInscrit) {
        Messages::information(PasSupprimable);
        return;
    }
    // After a removal the teacher above is blank until chosen again: no class to remove from.
    if (enseignant.isEmpty()) return;
    if (!Messages::confirmation(QStringLiteral("Voulez-vous vraiment supprimer cet eleve?"))) return;
    Registre::SupprimeEleve(eleve, enseignant);
    remplitElevesDe(enseignant);
    cb_nom_ens->setCurrentIndex(-1);
}

void TSaisieIdentifiant::JouerClick() {
    SharedState& e = Etat();
    if (!ConnecteEleve(e, selection(lb_nom_eleve), choix(cb_nom_ens))) return;
    const Passage passage(this);
    hide();
    ExerciceSuivant(e);
}

void TSaisieIdentifiant::QuitterClick() {
    RestaureResolution();
    Ecrans::termine();
}
