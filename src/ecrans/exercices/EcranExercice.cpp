#include "ecrans/exercices/EcranExercice.h"

#include "ecrans/commun/Passage.h"
#include "logique/base/Garde.h"
#include "logique/amenagements/AmenagementsEnCours.h"
#include "logique/parametres/BlocTestDeDepart.h"
#include "ecrans/exercices/BandeauEnonces.h"
#include "ecrans/exercices/BulleParole.h"
#include "logique/journal/Journal.h"
#include "ecrans/exercices/BulleRequin.h"
#include "ecrans/exercices/Geometrie.h"
#include "ecrans/exercices/Pirate.h"
#include "ecrans/exercices/Ramassage.h"
#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/Dessins.h"
#include "logique/resultats/ResultatExercice.h"
#include "ecrans/session/SequenceDriver.h"
#include "logique/sons/Phrases.h"
#include "logique/sons/ReglagesClasse.h"
#include "logique/etat/SharedState.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <algorithm>

namespace {
// The built-in sea's drawing, and the top of its sand in it.
constexpr QSize TailleDessinFond(1024, 665);
constexpr int HautDuSableDansLeDessin = 590;
}  // namespace

EcranExercice::EcranExercice(const Definition& d) : Fenetre(d.nom, d.titre, Apparence::Mer), definition_(d) {
    Apparence::pourLEnfant(this);
    // The sea under the whole window, its sand along the bottom edge (the crab's walk); the
    // statements on their band over it.
    ImageFond = Fabrique::image(this, QStringLiteral("ImageFond"), QString(), 0, 0, 1024, 768);
    ImageFond->couvre();
    Enonce = Fabrique::etiquette(this, d.enonce, Apparence::comic(32, true), Qt::blue, 0, 0, 1024, 40);
    Enonce2 = Fabrique::etiquette(this, d.enonce2, Apparence::comic(19), Qt::blue, 0, 40, 1024, 31);
    for (QLabel* enonce : {Enonce, Enonce2}) enonce->setWordWrap(true);
    bandeau_ = new BandeauEnonces(this, {Enonce, Enonce2});
    bandeau_->stackUnder(Enonce);
}

void EcranExercice::finitCreation() {
    Bravo = Fabrique::etiquette(this, QStringLiteral("Bravo"), Apparence::comic(32, true), Apparence::Orange, 792, 232);
    Bravo->setStyleSheet(Apparence::styleBulleParole());
    Bravo->setText(QStringLiteral("Bravo !"));
    Bravo->adjustSize();
    Bravo->hide();
    piece = new Forme(this, QStringLiteral("piece"), Forme::Genre::Cercle, Apparence::Or, QColor(0xc9, 0x97, 0x00), 2);
    piece->setGeometry(96, 704, 25, 25);
    Crabe = Fabrique::image(this, QStringLiteral("Crabe"), QStringLiteral("crabe"), 0, 732, 54, 35);
    ramassage_ = new Ramassage(this, piece);
    pirate_ = new Pirate(this, piece, definition_.tickPirate);
    requin_ = new BulleRequin(this);
    Perdu = new BulleParole(this);
    Quitter = Fabrique::image(this, definition_.quitter, QStringLiteral("quitter"), 912, 632, 100, 120, true);
    connect(Quitter, &Image::clique, this, [this] { quitte(); });
    connect(ramassage_, &Ramassage::termine, this, [this] { ramassageFini(); });
    nommePiecesCommunes();

    CalculeEchelle(this);
    AdapteFenetre(this);
    Perdu->retientLargeur();
    // A missing background is reported and the screen goes on without it. The picture keeps its
    // own proportions (the built-in one is drawn in those of its drawing), cut at the top or the
    // sides rather than stretched.
    Garde::execute([this] {
        const QPixmap fond = Dessins::charge(QStringLiteral("Images/FondMarin.jpg"),
                                             TailleDessinFond.scaled(ImageFond->size(), Qt::KeepAspectRatioByExpanding));
        ImageFond->gardeProportions(fond.size());
        ImageFond->setPixmap(fond);
    });
    partie_ = PartieReponses{};
    Etat().NombreErreurs = 0;
}

// What a screen reader says of the pieces every exercise shares (the sea and the bubbles' own
// pictures say nothing); each screen names its question and its bubbles.
void EcranExercice::nommePiecesCommunes() {
    Accessibilite::nomme(Quitter, QStringLiteral("Quitter l'exercice"),
                         QStringLiteral("Le hublot : revenir au choix des jeux, sans rien enregistrer."));
    Accessibilite::nommeTous(this,
                             {{"Crabe", "Le crabe", "Il avance d'un pas à chaque question."},
                              {"piece", "La pièce du poisson"},
                              {"pirate_descend", "Le pirate descend prendre la pièce", "Réponds avant qu'il l'atteigne."},
                              {"pirate_monte", "Le pirate remonte avec la pièce"},
                              {"ramasse_piece1", "L'hippocampe vient chercher la pièce"},
                              {"ramasse_piece2", "L'hippocampe emporte la pièce"},
                              {"Requin", "Le requin", "Il éclate la bulle quand elle l'atteint : réponds avant."},
                              {"PapaRequin", "La famille requin", "Elle éclate les bulles qui l'atteignent : réponds avant."},
                              {"BulleExplose", "La bulle a éclaté"},
                              {"Aide", "Aide", "La pieuvre montre de quoi t'aider."},
                              {"EnleverAide", "Enlever l'aide"},
                              {"AideGrisee", "Pas d'aide pour cette question"},
                              {"PoissonRes", "Valider ma réponse", "Le poisson jaune."},
                              {"SolutionImage", "Voir la solution"},
                              {"Poisson", "Le poisson"}});
}

void EcranExercice::commenceExercice() {
    SharedState& e = Etat();
    const Amenagements& amenagements = AmenagementsEnCours::courants();
    tempsAccorde_ = amenagements.tempsAccordeMs(e.TempsDeReponse);
    if (tempsAccorde_) mode_ = e.AvecPirate || !definition_.avecRequin ? Mode::Pirate : Mode::Requin;
    else mode_ = Mode::SansLimite;
    // Fewer questions cut the count of this exercise only; the starting test sets its own bound.
    questionsDeLaSequence_ = e.NombreDeQuestions;
    if (e.TypeExercice != BlocTestDeDepart::Type) e.NombreDeQuestions = amenagements.nombreDeQuestions(e.NombreDeQuestions);
    fini_ = false;
    // The places of the coin and the crab scale with the display's true ratios: on the sand
    // whatever its shape.
    piece->move(Affichage::enX(96), Affichage::enY(704));
    // A questions count of 0 or less would divide by zero: the crab then takes one step.
    pasCrabe_ = Affichage::taille().width() / std::max(1, e.NombreDeQuestions);
    Crabe->move(Affichage::enX(16), Affichage::enY(732));
    partie_.commence(e);
    pirate_->cache();
    ramassage_->cache();
    piece->show();
    Perdu->hide();
    Bravo->hide();
    libereMinuteries();
    Sons::Reglages reglages = ReglagesClasse::lit(e.RepertoireClasse);
    reglages.voix = amenagements.voixActive(reglages.voix);
    Sons::regle(reglages);
    ramassage_->arme();
    if (mode_ == Mode::Pirate) pirate_->arme();
    if (mode_ == Mode::Requin) {
        requin_->arme();
        e.BandeNumerique = 10;  // no strip against the shark, until the settings are read again
    }
}

void EcranExercice::placeEnonces() {
    // A pupil's larger or wider type where it fits, a little less each time where it does not
    // (a wide font on a narrow display), as a number too wide for its bubble.
    for (double part = 1.0;; part *= 0.9) {
        // The band leaves a little sea above it.
        int haut = Affichage::enY(10);
        for (QLabel* enonce : {Enonce, Enonce2}) {
            Apparence::reduit(enonce, part);
            gardeLesRetoursUtiles(enonce);
            enonce->show();
            const int hauteur = enonce->heightForWidth(width());
            enonce->setGeometry(0, haut, width(), hauteur > 0 ? hauteur : enonce->sizeHint().height());
            haut += enonce->height();
        }
        bandeau_->ajuste();
        if (basDesEnonces() <= hautDeLaScene() || part < 0.4) break;
    }
    // The pirate's rope comes out of the sea, under the statements.
    pirate_->limiteEnHaut(std::max(ImageFond->y(), basDesEnonces()));
    Sons::litConsigne(Phrases::consigne({Enonce->text(), Enonce2->text()}));
}

// A line break set for the program's type would leave a short line under a line the pupil's
// larger type wraps anyway: the text then flows as one.
void EcranExercice::gardeLesRetoursUtiles(QLabel* enonce) const {
    const QFontMetrics mesure(enonce->font());
    const QStringList lignes = enonce->text().split(QLatin1Char('\n'));
    if (lignes.size() > 1 && std::any_of(lignes.begin(), lignes.end(), [&](const QString& l) {
            return mesure.horizontalAdvance(l) > width() - (enonce->width() - enonce->contentsRect().width());
        }))
        enonce->setText(enonce->text().replace(QRegularExpression(QStringLiteral("\\s*\n\\s*")), QStringLiteral(" ")));
}

// The background covers the screen in its proportions, its bottom edge on the screen's.
int EcranExercice::hautDuSable() const {
    const QSize dessin = TailleDessinFond.scaled(ImageFond->size(), Qt::KeepAspectRatioByExpanding);
    const double echelle = double(dessin.height()) / TailleDessinFond.height();
    return basDe(ImageFond) - Ajustement::arrondi((TailleDessinFond.height() - HautDuSableDansLeDessin) * echelle);
}

int EcranExercice::basDesEnonces() const {
    if (bandeau_->isHidden()) return 0;
    return bandeau_->y() + bandeau_->height();
}

void EcranExercice::ramassageFini() {
    partie_.RamassageEnCours = false;
    apresRamassage();
    questionFinie();
}

void EcranExercice::questionFinie() {
    if (suivi_.enCours()) {
        const EntreeJournal entree = suivi_.termine();
        questionNotee(entree);
        Journal::ecrit(entree, Etat().RepertoireClasse);
    }
    Crabe->move(Crabe->x() + pasCrabe_, Crabe->y());
    if (partie_.resteDesQuestions(Etat().NombreDeQuestions)) {
        partie_.passeALaSuivante(texteErreurs(false));
        questionSuivante();
        return;
    }
    termineExercice();
}

void EcranExercice::termineExercice() {
    fini_ = true;
    SharedState& e = Etat();
    const Fin f = fin();
    MarqueFinExercice(e);
    if (f.enregistre) {
        partie_.termineLaDerniere(texteErreurs(true));
        EnregistreResultats(e, ResultatExercice::de(e, e.NombreErreurs, partie_.ListeErreurs), f.enregistreLAnonyme);
    }
    // The last answers are in the journal before the summary, unless a disk or a lock holds them
    // more than about 2 s: they are then stored later, in the background. A failure of the
    // session is told now, between two exercises, never over a question.
    Journal::attendsBrievement();
    Journal::signaleEchecs();
    libereMinuteries();
    EnchaineApresExercice(e, this, f.bilan);
}

void EcranExercice::lanceRamassage() {
    partie_.RamassageEnCours = true;
    if (!avecRamassage()) {
        // After the handler that shows "Bravo !" has returned.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!fini_) Garde::execute([this] { ramassageFini(); });
            },
            Qt::QueuedConnection);
        return;
    }
    if (mode_ == Mode::Pirate) pirate_->arreteDescente();
    ramassage_->lance();
}

void EcranExercice::ecouteEntree(QLineEdit* champ) { champ->installEventFilter(this); }

namespace {
bool estEntree(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }
}  // namespace

bool EcranExercice::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(objet) &&
        estEntree(static_cast<QKeyEvent*>(evenement))) {
        Garde::execute([this] {
            if (!fini_) entreeTapee();
        });
        return true;
    }
    return Fenetre::eventFilter(objet, evenement);
}

void EcranExercice::keyPressEvent(QKeyEvent* evenement) {
    if (!estEntree(evenement)) return Fenetre::keyPressEvent(evenement);
    Garde::execute([this] {
        if (!fini_) entreeTapee();
    });
}

void EcranExercice::rendLesQuestions() { Etat().NombreDeQuestions = questionsDeLaSequence_; }

void EcranExercice::quitte() {
    // While the exercise hands over to what follows it (its answers waited for, the summary), the
    // quit picture, clicked or pressed with a key, does nothing: two screens would show.
    if (fini_) return;
    libereMinuteries();
    fini_ = true;
    rendLesQuestions();
    const Passage passage(this);
    hide();
    Ecrans::montre(Ecrans::Role::ChoixOperateur);
}

void EcranExercice::hideEvent(QHideEvent* evenement) {
    if (!evenement->spontaneous() && !fini_) {
        fini_ = true;
        libereMinuteries();
        rendLesQuestions();
    }
    Fenetre::hideEvent(evenement);
}

// Released after the running event returns: a timer whose own event ends the exercise outlives it.
void EcranExercice::libereMinuteries() {
    ramassage_->libere();
    pirate_->libere();
    requin_->libere();
}
