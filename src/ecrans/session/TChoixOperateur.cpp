#include "ecrans/session/TChoixOperateur.h"

#include "ecrans/commun/Passage.h"
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

#include <QLabel>
#include <algorithm>

namespace {
constexpr int kRequin = 0, kPirate = 1, kBaleine = 2;
}  // namespace

TChoixOperateur::TChoixOperateur()
    : Fenetre(QStringLiteral("ChoixOperateur"), QStringLiteral("Choix de l'opérateur"), Apparence::Mer) {
    Enonce = Fabrique::etiquette(this, QStringLiteral("Enonce"), Apparence::comic(32, true), Qt::blue, 0, 0, 1024, 45);
    Enonce->setText(QStringLiteral("Choix d'un exercice"));

    ImageFond = image(QStringLiteral("ImageFond"), QString(), QRect(0, 45, 1014, 688));
    ImageFond->couvre();

    using T = TChoixOperateur;
    exercices_ = {choix(QStringLiteral("ImageExo1"), QStringLiteral("exo1"), {136, 64, 280, 100}, &T::ImageExo1Click),
                  choix(QStringLiteral("ImageExo2"), QStringLiteral("exo2"), {56, 176, 280, 100}, &T::ImageExo2Click),
                  choix(QStringLiteral("ImageExo3"), QStringLiteral("exo3"), {48, 328, 280, 100}, &T::ImageExo3Click),
                  choix(QStringLiteral("ImageExo4"), QStringLiteral("exo4"), {104, 448, 280, 100}, &T::ImageExo4Click),
                  choix(QStringLiteral("ImageRevision"), QStringLiteral("revision"), {56, 568, 280, 100},
                        &T::ImageRevisionClick)};
    signes_ = {choix(QStringLiteral("SigneBulleAddition"), QStringLiteral("signe_addition"), {432, 144, 78, 78},
                     &T::SigneBulleAdditionClick),
               choix(QStringLiteral("SigneBulleSoustraction"), QStringLiteral("signe_soustraction"), {496, 224, 78, 78},
                     &T::SigneBulleSoustractionClick),
               choix(QStringLiteral("SigneBulleMultiplication"), QStringLiteral("signe_multiplication"), {432, 304, 78, 78},
                     &T::SigneBulleMultiplicationClick),
               choix(QStringLiteral("SigneBulleDivision"), QStringLiteral("signe_division"), {488, 384, 78, 78},
                     &T::SigneBulleDivisionClick)};
    creatures_ = {choix(QStringLiteral("Requin"), QStringLiteral("requin_choix"), {588, 76, 240, 130}, &T::RequinClick),
                  choix(QStringLiteral("Pirate"), QStringLiteral("pirate_choix"), {712, 224, 110, 180}, &T::PirateClick),
                  choix(QStringLiteral("Baleine"), QStringLiteral("baleine"), {608, 416, 300, 115}, &T::BaleineClick)};
    // Lies over the shark and takes its clicks while exercises 3 and 4 are chosen.
    RequinGrise = image(QStringLiteral("RequinGrise"), QStringLiteral("requin_choix_grise"), {588, 76, 240, 130});

    PoissonJouer = image(QStringLiteral("PoissonJouer"), QStringLiteral("poisson"), {472, 536, 150, 110});
    PoissonJouer->setCliquable(true);
    connect(PoissonJouer, &Image::clique, this, &T::JouerClick);

    // Black text on a light bubble, readable over the seaweed and the coral.
    Parole = Fabrique::etiquette(this, QStringLiteral("Parole"), Apparence::comic(19), Qt::black, 0, 0, 10, 10);
    Parole->setStyleSheet(Apparence::styleBulleParole());
    Parole->setWordWrap(true);
    Parole->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Parole->hide();

    QuitterChoixOperateur = image(QStringLiteral("QuitterChoixOperateur"), QStringLiteral("quitter"), {917, 634, 100, 120});
    QuitterChoixOperateur->setCliquable(true);
    connect(QuitterChoixOperateur, &Image::clique, this, &T::QuitterChoixOperateurClick);
    Garde::connecte(&lecture_, &QFutureWatcher<bool>::finished, this, [this] { journalLu(); });

    FormCreate();
}

Image* TChoixOperateur::image(const QString& nom, const QString& dessin, const QRect& place) {
    return Fabrique::image(this, nom, dessin, place.x(), place.y(), place.width(), place.height());
}

TChoixOperateur::Choix TChoixOperateur::choix(const QString& nom, const QString& dessin, const QRect& place,
                                              void (TChoixOperateur::*clic)()) {
    Choix c{image(nom, dessin, place),
            image(nom + QStringLiteral("Selectionne"), dessin + QStringLiteral("_selectionne"), place)};
    for (Image* i : {c.image, c.selectionne}) {
        i->setCliquable(true);
        connect(i, &Image::clique, this, clic);
    }
    c.selectionne->hide();
    return c;
}

void TChoixOperateur::FormCreate() {
    CalculeEchelle(this);
    AdapteFenetre(this);
    // The background is a data picture a teacher may replace; a missing one is reported and the
    // screen stays usable on its plain colour.
    Garde::execute([this] { ImageFond->setPixmap(Dessins::charge(QStringLiteral("Images/FondMarin.jpg"), ImageFond->size())); });
    // The fish speaks from its right edge, a third of its height below its top.
    const QRect poisson = PoissonJouer->geometry();
    Parole->move(poisson.x() + poisson.width(), poisson.y() + poisson.height() / 3);
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
    RequinGrise->hide();
}

template <std::size_t N>
void TChoixOperateur::surligne(Colonne<N>& colonne, int choisi) {
    for (int i = 0; i < static_cast<int>(N); ++i) {
        colonne[i].image->setVisible(i != choisi);
        colonne[i].selectionne->setVisible(i == choisi);
    }
}

void TChoixOperateur::choisitExercice(int type) {
    Etat().TypeExercice = type;
    surligne(exercices_, type - 1);
    RequinGrise->setVisible(type == 3 || type == 4);
}

void TChoixOperateur::choisitSigne(int operation) {
    RempliSigneDansTableAEntrainer(Etat(), operation);
    SigneChoisi = true;
    signe_ = operation;
    surligne(signes_, operation);
}

void TChoixOperateur::RequinClick() {
    ChoixOperateur::choisitCreature(Etat(), ChoixOperateur::Creature::Requin);
    TempsChoisi = true;
    surligne(creatures_, kRequin);
}

void TChoixOperateur::PirateClick() {
    ChoixOperateur::choisitCreature(Etat(), ChoixOperateur::Creature::Pirate);
    TempsChoisi = true;
    surligne(creatures_, kPirate);
}

void TChoixOperateur::BaleineClick() {
    ChoixOperateur::choisitCreature(Etat(), ChoixOperateur::Creature::Baleine);
    TempsChoisi = true;
    surligne(creatures_, kBaleine);
}

void TChoixOperateur::dit(const QString& texte) {
    // As wide as the text, wrapped before the screen's right edge.
    const int marge = Ajustement::arrondi(10 * Ajustement::facteurs().horizontal);
    const int place = width() - Parole->x() - marge;
    const QMargins cadre = Parole->contentsMargins();
    const int largeur = Parole->fontMetrics().horizontalAdvance(texte) + cadre.left() + cadre.right() + 24;
    Parole->setText(texte);
    Parole->resize(std::min(largeur, place), 1);
    Parole->resize(Parole->width(), Parole->heightForWidth(Parole->width()));
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
