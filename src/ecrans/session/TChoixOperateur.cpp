#include "ecrans/session/TChoixOperateur.h"

#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Passage.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/LignesEquilibrees.h"
#include "ecrans/session/CaseChoix.h"
#include "ecrans/session/EtapeChoix.h"
#include "logique/base/Nombres.h"
#include "logique/session/ChoixOperateur.h"
#include "logique/session/OffreTestDeDepart.h"
#include "logique/base/EnFond.h"
#include "logique/base/Erreurs.h"
#include "logique/base/Messages.h"
#include "logique/parametres/BlocTestDeDepart.h"
#include "ecrans/session/SequenceDriver.h"
#include "ecrans/commun/Ajustement.h"
#include "logique/base/Garde.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Dessins.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "logique/resultats/Enregistreurs.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace {
constexpr int kRequin = 0;
// The picture of the sea as the program draws it (a teacher's own picture keeps its own shape).
const QSize FondDesign(1024, 665);
// What the fish says once the three choices are made.
const QString CestParti = QStringLiteral("C'est parti\u00A0!");
}  // namespace

TChoixOperateur::TChoixOperateur()
    : Fenetre(QStringLiteral("ChoixOperateur"), QStringLiteral("Choix de l'opérateur"), Apparence::Mer) {
    Apparence::pourLEnfant(this);
    // The sea under the whole window, the title on a light band over it.
    ImageFond = image(QStringLiteral("ImageFond"), QString(), QRect(0, 0, 1024, 768));
    Enonce = Fabrique::etiquette(this, QStringLiteral("Enonce"), Apparence::comic(32, true), Qt::blue, 262, 6, 500, 48);
    Enonce->setText(QStringLiteral("Choix d'un exercice"));
    Enonce->setAccessibleName(Enonce->text());
    Enonce->setStyleSheet(Apparence::styleBulleParole());

    using T = TChoixOperateur;
    etapes_ = {new EtapeChoix(this, QStringLiteral("EtapeSigne"), 1, QStringLiteral("Choisis le signe")),
               new EtapeChoix(this, QStringLiteral("EtapeExercice"), 2, QStringLiteral("Choisis le jeu")),
               new EtapeChoix(this, QStringLiteral("EtapeTemps"), 3, QStringLiteral("Choisis le temps"))};
    etapes_[0]->setGeometry(12, 66, 1000, 136);
    etapes_[1]->setGeometry(12, 208, 1000, 168);
    etapes_[2]->setGeometry(12, 382, 1000, 186);

    // The games and the creatures are named under their pictures.
    const QSize bulle(96, 96);
    signes_ = {choix(etapes_[0], QStringLiteral("SigneBulleAddition"), QStringLiteral("signe_addition"),
                     QStringLiteral("Addition"), bulle, &T::SigneBulleAdditionClick),
               choix(etapes_[0], QStringLiteral("SigneBulleSoustraction"), QStringLiteral("signe_soustraction"),
                     QStringLiteral("Soustraction"), bulle, &T::SigneBulleSoustractionClick),
               choix(etapes_[0], QStringLiteral("SigneBulleMultiplication"), QStringLiteral("signe_multiplication"),
                     QStringLiteral("Multiplication"), bulle, &T::SigneBulleMultiplicationClick),
               choix(etapes_[0], QStringLiteral("SigneBulleDivision"), QStringLiteral("signe_division"),
                     QStringLiteral("Division"), bulle, &T::SigneBulleDivisionClick)};
    const QSize carte(174, 62);
    exercices_ = {choix(etapes_[1], QStringLiteral("ImageExo1"), QStringLiteral("exo1"), QStringLiteral("Résultat"), carte,
                        &T::ImageExo1Click),
                  choix(etapes_[1], QStringLiteral("ImageExo2"), QStringLiteral("exo2"), QStringLiteral("Trou"), carte,
                        &T::ImageExo2Click),
                  choix(etapes_[1], QStringLiteral("ImageExo3"), QStringLiteral("exo3"), QStringLiteral("Intrus"), carte,
                        &T::ImageExo3Click),
                  choix(etapes_[1], QStringLiteral("ImageExo4"), QStringLiteral("exo4"), QStringLiteral("Même résultat"), carte,
                        &T::ImageExo4Click),
                  choix(etapes_[1], QStringLiteral("ImageRevision"), QStringLiteral("revision"), QStringLiteral("Révision"),
                        carte, &T::ImageRevisionClick)};
    creatures_ = {choix(etapes_[2], QStringLiteral("Requin"), QStringLiteral("requin_choix"), QStringLiteral("Requin"),
                        {214, 116}, &T::RequinClick),
                  choix(etapes_[2], QStringLiteral("Pirate"), QStringLiteral("pirate_choix"), QStringLiteral("Pirate"), {71, 116},
                        &T::PirateClick),
                  choix(etapes_[2], QStringLiteral("Baleine"), QStringLiteral("baleine"),
                        QStringLiteral("Baleine\u00A0: pas de temps"), {302, 116}, &T::BaleineClick)};
    // In the shark's place while exercises 3 and 4 are chosen; the shark cannot be chosen then.
    Image* RequinGrise = creatures_[kRequin]->ajouteImage(QStringLiteral("RequinGrise"), QStringLiteral("requin_choix_grise"));
    RequinGrise->setAccessibleName(QStringLiteral("Requin, pas pour ce jeu"));

    poisson_ = seule(QStringLiteral("PoissonJouer"), QStringLiteral("poisson"), QStringLiteral("Le poisson\u00A0: jouer"),
                     {330, 612, 150, 110}, &T::JouerClick);
    PoissonJouer = poisson_->findChild<Image*>(QStringLiteral("PoissonJouer"));

    // Black text on a light bubble, readable over the seaweed and the coral; as large as the names.
    Parole = Fabrique::etiquette(this, QStringLiteral("Parole"), Apparence::comic(24), Qt::black, 0, 0, 10, 10);
    Parole->setStyleSheet(Apparence::styleBulleParole());
    Parole->setWordWrap(true);
    Parole->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A reader says it as it shows (Accessibilite::annonce), as the fish's words in the games.
    Accessibilite::role(Parole, QAccessible::Notification);
    Parole->hide();

    // Whole and away from the edges at any ratio, its arrow included.
    quitter_ = seule(QStringLiteral("QuitterChoixOperateur"), QStringLiteral("quitter"), QStringLiteral("Quitter"),
                     {884, 614, 100, 120}, &T::QuitterChoixOperateurClick);
    QuitterChoixOperateur = quitter_->findChild<Image*>(QStringLiteral("QuitterChoixOperateur"));
    Garde::connecte(&lecture_, &QFutureWatcher<bool>::finished, this, [this] { journalLu(); });
    // The screen itself holds the keyboard until a key is pressed: no ring for a child who uses
    // the mouse, and a click takes the ring away again.
    setFocusPolicy(Qt::StrongFocus);

    FormCreate();
}

Image* TChoixOperateur::image(const QString& nom, const QString& dessin, const QRect& place) {
    return Fabrique::image(this, nom, dessin, place.x(), place.y(), place.width(), place.height());
}

CaseChoix* TChoixOperateur::choix(EtapeChoix* etape, const QString& nom, const QString& dessin, const QString& texte,
                                  const QSize& design, void (TChoixOperateur::*clic)()) {
    CaseChoix* c = etape->ajouteCase(nom + QStringLiteral("Case"), texte, design);
    c->ajouteImage(nom, dessin);
    c->ajouteImage(nom + QStringLiteral("Selectionne"), dessin + QStringLiteral("_selectionne"));
    // The signs are their own names.
    if (etape != etapes_[0]) c->nomme(nom + QStringLiteral("Nom"), texte);
    connect(c, &CaseChoix::choisie, this, clic);
    connect(c, &CaseChoix::choisie, this, [this](bool auClavier) {
        if (auClavier) suitLaLumiere();
    });
    return c;
}

CaseChoix* TChoixOperateur::seule(const QString& nom, const QString& dessin, const QString& nomAccessible, const QRect& place,
                                  void (TChoixOperateur::*clic)()) {
    CaseChoix* c = new CaseChoix(this, nom + QStringLiteral("Case"), nomAccessible, place.size());
    c->ajouteImage(nom, dessin);
    // Its place on the design with room for the ring; fitted in its proportions, centred.
    const int m = c->tailleVoulue().width() - place.width();
    c->setGeometry(place.adjusted(-m / 2, -m / 2, m - m / 2, m - m / 2));
    Marques::gardeProportions(c);
    Marques::contenuPlaceParLEcran(c);
    connect(c, &CaseChoix::choisie, this, clic);
    return c;
}

void TChoixOperateur::FormCreate() {
    CalculeEchelle(this);
    AdapteFenetre(this);
    const double k = std::min(Affichage::rapportX(), Affichage::rapportY());
    for (CaseChoix* c : {poisson_, quitter_}) c->metALEchelle(k);
    for (std::size_t i = 0; i < etapes_.size(); ++i) placesEtapes_[i] = etapes_[i]->geometry();
    placeLeTitre();
    // The background is a data picture a teacher may replace; a missing one is reported and the
    // screen stays usable on its plain colour. It covers the window in its own proportions, its
    // sand at the bottom.
    Garde::execute([this] {
        const QPixmap fond = Dessins::charge(QStringLiteral("Images/FondMarin.jpg"),
                                             FondDesign.scaled(ImageFond->size(), Qt::KeepAspectRatioByExpanding));
        ImageFond->gardeProportions(fond.size());
        ImageFond->couvre();
        ImageFond->setPixmap(fond);
    });
}

void TChoixOperateur::placeLeTitre() {
    const double k = std::min(Affichage::rapportX(), Affichage::rapportY());
    Enonce->setFont(Apparence::comic(std::max(1, Nombres::arrondi(32 * k)), true));
    // A pupil's larger type needs a taller band: the steps come down as much, the first one whole
    // (its signs beside its title), the others each a little shorter, the last one ending where
    // it did (at most a tenth of their height given).
    Apparence::reduit(Enonce, 1.0);
    const int bas = placesEtapes_.back().bottom() + 1, debut = placesEtapes_[1].top();
    const int descente = std::clamp(Enonce->sizeHint().height() + Affichage::enY(10) - placesEtapes_.front().top(), 0,
                                    (bas - debut) / 10);
    const double serre = double(bas - debut - descente) / (bas - debut);
    etapes_.front()->setGeometry(placesEtapes_.front().translated(0, descente));
    for (std::size_t i = 1; i < etapes_.size(); ++i) {
        const QRect& p = placesEtapes_[i];
        const int y = debut + descente + Nombres::arrondi((p.top() - debut) * serre);
        etapes_[i]->setGeometry(p.x(), y, p.width(), debut + descente + Nombres::arrondi((p.bottom() + 1 - debut) * serre) - y);
    }
    // A pupil's larger type as far as it stays above the first step.
    const QMargins bords = Enonce->contentsMargins();
    Apparence::reduitPourTenir(Enonce, QSize(width(), etapes_[0]->y() - Affichage::enY(10) - bords.top() - bords.bottom()));
    const QSize texte = Enonce->sizeHint();
    const int largeur = texte.width() + Nombres::arrondi(48 * k);
    Enonce->setGeometry((width() - largeur) / 2, Affichage::enY(6), largeur, texte.height());
}

void TChoixOperateur::FormShow() {
    SharedState& e = Etat();
    e.TypeExercice = -1;
    e.TempsDeReponse = -1;
    SigneChoisi = TempsChoisi = false;
    signe_ = -1;
    Parole->hide();
    surligne(exercices_, -1);
    surligne(signes_, -1);
    surligne(creatures_, -1);
    creatures_[kRequin]->couvre(false);
    // In the look of the pupil at the screen.
    placeLeTitre();
    for (EtapeChoix* etape : etapes_) etape->dispose();
    // A new showing starts without the keyboard on any choice.
    if (QWidget* f = focusWidget()) f->update();
    setFocus(Qt::OtherFocusReason);
    actualise();
}

template <std::size_t N>
void TChoixOperateur::surligne(Colonne<N>& colonne, int choisi) {
    for (int i = 0; i < static_cast<int>(N); ++i) colonne[i]->montreChoisie(i == choisi);
}

void TChoixOperateur::choisitExercice(int type) {
    Etat().TypeExercice = type;
    surligne(exercices_, type - 1);
    creatures_[kRequin]->couvre(type == 3 || type == 4);
    actualise();
}

void TChoixOperateur::choisitSigne(int operation) {
    RempliSigneDansTableAEntrainer(Etat(), operation);
    SigneChoisi = true;
    signe_ = operation;
    surligne(signes_, operation);
    actualise();
}

// The creatures' row is in the order of `Creature`: shark, pirate, whale.
void TChoixOperateur::choisitCreature(ChoixOperateur::Creature creature) {
    ChoixOperateur::choisitCreature(Etat(), creature);
    TempsChoisi = true;
    surligne(creatures_, static_cast<int>(creature));
    actualise();
}

void TChoixOperateur::actualise() {
    const SharedState& e = Etat();
    const auto etats = ChoixOperateur::etatsDesEtapes(SigneChoisi, e.TypeExercice != -1, TempsChoisi);
    for (std::size_t i = 0; i < etapes_.size(); ++i) etapes_[i]->montreEtat(etats[i]);
    const bool pret = ChoixOperateur::manque(e.TypeExercice, SigneChoisi, TempsChoisi) == ChoixOperateur::Manque::Rien;
    if (pret) dit(CestParti);
    else Parole->hide();
}

QList<QWidget*> TChoixOperateur::arrets() const {
    QList<QWidget*> liste;
    for (EtapeChoix* etape : etapes_) liste << etape;
    return liste << poisson_ << quitter_;
}

void TChoixOperateur::suitLaLumiere() {
    for (EtapeChoix* etape : etapes_)
        if (etape->etat() == ChoixOperateur::EtatEtape::EnCours && etape->entree()) {
            etape->entree()->prendLeClavier(Qt::OtherFocusReason);
            return;
        }
    poisson_->prendLeClavier(Qt::OtherFocusReason);
}

bool TChoixOperateur::focusNextPrevChild(bool suivant) {
    // The stops in turn: the three steps, the fish, the quit picture.
    const QList<QWidget*> liste = arrets();
    const QWidget* ici = focusWidget();
    const auto i = std::find_if(liste.begin(), liste.end(),
                                [ici](QWidget* w) { return ici && (w == ici || w->isAncestorOf(ici)); });
    if (i == liste.end()) {
        // From nowhere: the step to take.
        suitLaLumiere();
        return true;
    }
    const int n = static_cast<int>(liste.size());
    for (int j = static_cast<int>(i - liste.begin()), essai = 0; essai < n; ++essai) {
        j = (j + (suivant ? 1 : -1) + n) % n;
        auto* etape = qobject_cast<EtapeChoix*>(liste[j]);
        CaseChoix* cible = etape ? etape->entree() : qobject_cast<CaseChoix*>(liste[j]);
        if (cible) {
            cible->prendLeClavier(suivant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void TChoixOperateur::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!qobject_cast<CaseChoix*>(focusWidget())) {
                e->accept();
                suitLaLumiere();
                return;
            }
            break;
        default: break;
    }
    Fenetre::keyPressEvent(e);
}

void TChoixOperateur::RequinClick() { choisitCreature(ChoixOperateur::Creature::Requin); }
void TChoixOperateur::PirateClick() { choisitCreature(ChoixOperateur::Creature::Pirate); }
void TChoixOperateur::BaleineClick() { choisitCreature(ChoixOperateur::Creature::Baleine); }

void TChoixOperateur::dit(const QString& texte) {
    // The fish speaks from its right edge, a third of its height below its top; a pupil's larger
    // type that would run off the screen there rises as far as it needs, staying under the steps.
    const QRect poisson = poisson_->geometry();
    const int haut = poisson.y() + poisson.height() / 3;
    Parole->move(poisson.x() + poisson.width(), haut);
    // On one line when it fits before the quit picture, else on even lines.
    const QString affiche = LignesEquilibrees::typographie(texte);
    const int marge = Nombres::arrondi(10 * std::min(Affichage::rapportX(), Affichage::rapportY()));
    const int plafond = etapes_.back()->geometry().bottom() + 1 + marge;
    const int place = quitter_->x() - Parole->x() - marge;
    Parole->setText(affiche);
    Accessibilite::annonce(Parole, texte);
    // A pupil's larger type as far as the speech stays on the screen.
    for (double part = 1.0; part >= 0.4; part *= 0.9) {
        Apparence::reduit(Parole, part);
        Parole->setWordWrap(false);
        const int bords = Parole->sizeHint().width() - Parole->fontMetrics().horizontalAdvance(affiche);
        Parole->setWordWrap(true);
        const int largeur = std::min(place, LignesEquilibrees::largeur(Parole->font(), texte, place - bords) + bords);
        Parole->setGeometry(Parole->x(), std::min(haut, std::max(plafond, height() - marge - Parole->heightForWidth(largeur))),
                            largeur, Parole->heightForWidth(largeur));
        if (Parole->y() + Parole->height() <= height() - marge) break;
    }
    Parole->show();
}

void TChoixOperateur::JouerClick() {
    // The journal is being read for the click before: the game comes once it is read.
    if (lecture_.isRunning()) return;
    SharedState& e = Etat();
    const auto manque = ChoixOperateur::manque(e.TypeExercice, SigneChoisi, TempsChoisi);
    if (manque != ChoixOperateur::Manque::Rien) {
        dit(ChoixOperateur::parole(manque));
        return;
    }
    Parole->hide();
    if (!OffreTestDeDepart::proposable(e, signe_)) {
        joue();
        return;
    }
    signeLu_ = signe_;
    lecture_.setFuture(
        EnFond::lance([enseignant = e.NomEnseignant, eleve = e.NomEleve, classe = e.RepertoireClasse, operation = signe_] {
            try {
                return OffreTestDeDepart::aDejaRepondu(enseignant, eleve, classe, operation);
            } catch (const ErreurMarivelle&) {
                return true;  // nothing to tell from: no offer, the game goes on
            }
        }));
}

void TChoixOperateur::journalLu() {
    if (!isVisible()) return;
    // Another sign chosen meanwhile: its own reading.
    if (signeLu_ != signe_) {
        JouerClick();
        return;
    }
    if (!lecture_.result()) {
        if (Messages::confirmation(OffreTestDeDepart::question(signe_), OffreTestDeDepart::Titre))
            Etat().TypeExercice = BlocTestDeDepart::Type;
        // A refusal that cannot be kept is told; the game chosen comes all the same.
        else Garde::execute([this] { OffreTestDeDepart::noteRefus(Etat(), signe_); });
    }
    joue();
}

void TChoixOperateur::joue() {
    SharedState& e = Etat();
    ChoixOperateur::prepareExerciceLibre(e);
    const Passage passage(this);
    hide();
    e.EnPratiqueLibre = true;
    DemarreExercice(e);
}

void TChoixOperateur::QuitterChoixOperateurClick() {
    EcritDateDeconnexion(Etat());
    const Passage passage(this);
    hide();
    Ecrans::montre(Ecrans::Role::SaisieIdentifiant);
}
