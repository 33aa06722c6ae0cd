// Exercise 3: the question scene (bubbles, trail, sharks, the fish and its mother) is one panel
// fitted in its proportions, so that the trail still leads from the fish to the bubbles and every
// bubble stays round on any display.
#include "ecrans/exercices/TExo3.h"

#include "logique/base/Garde.h"
#include "logique/base/Minuterie.h"
#include "ecrans/exercices/BulleParole.h"
#include "ecrans/exercices/Pirate.h"
#include "ecrans/exercices/Ramassage.h"
#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/NavigationClavier.h"
#include "logique/etat/SharedState.h"
#include "logique/exercices/Lecture.h"
#include "logique/sons/Sons.h"

#include <QLabel>
#include <QTimer>
#include <algorithm>

using namespace Fabrique;

namespace {
// The scene's design place: everything of a question lies in it.
constexpr int SceneX = 0, SceneY = 176, SceneL = 1024, SceneH = 480;

const QString EnoncePirate = QStringLiteral(
    "Aide le poisson à trouver sa maman cachée derrière\nl'opération intruse avant que le pirate ne lui vole sa "
    "pièce.\nClique sur la bulle dont le résultat de l'opération\nest différent de celui des autres.");
const QString EnonceSansLimite = QStringLiteral(
    "Aide le poisson à trouver sa maman cachée derrière l'opération intruse.\nClique sur la bulle dont le "
    "résultat de l'opération\nest différent de celui des autres.");

struct Place {
    const char* nom;
    int x, y, taille;
};
// The trail of small bubbles from the fish to the three bubbles.
constexpr Place Trainee[] = {
    {"Bulle11", 520, 536, 33}, {"Bulle21", 424, 504, 41}, {"Bulle22", 528, 472, 41}, {"Bulle23", 608, 488, 41},
    {"Bulle31", 336, 464, 49}, {"Bulle32", 536, 416, 49}, {"Bulle33", 680, 448, 49}, {"bulle41", 256, 400, 65},
    {"Bulle42", 536, 340, 65}, {"Bulle43", 752, 400, 65},
};
constexpr std::array<QPoint, 3> Bulles{{{208, 248}, {496, 192}, {808, 256}}};
constexpr std::array<QPoint, 3> Requins{{{168, 240}, {456, 184}, {776, 248}}};
constexpr std::array<QPoint, 3> Poissons{{{168, 256}, {480, 200}, {800, 264}}};
constexpr int Bulle = 145;

// Design places are the screen's; the scene's children are placed from its corner.
int sx(int x) { return x - SceneX; }
int sy(int y) { return y - SceneY; }
}  // namespace

TExo3::TExo3()
    : EcranExercice({QStringLiteral("Exo3"), QStringLiteral("Exercice n°3 (intrus)"), QStringLiteral("EnonceExo3"),
                     QStringLiteral("Enonce2Exo3"), QStringLiteral("QuitterExo3"), 20, false}) {
    Enonce->setFont(Apparence::comic(29, true));
    creeScene();
    // The arrows between the three bubbles; Enter or Space bursts the one with the keyboard.
    new NavigationClavier(this, {{BulleBleu[0]}, {BulleBleu[1]}, {BulleBleu[2]}});
    finitCreation();
    applause->retientLargeur();
    policeOperation_ = operateur[0]->font();
    for (std::size_t i = 0; i < 3; ++i) {
        placesOperateur_[i] = operateur[i]->geometry();
        placesResultat_[i] = resultat[i]->geometry();
    }
    hautScene_ = Scene->y();
    partie_.lignesEntieres = true;
    connect(pirate_, &Pirate::pieceAtteinte, this, [this] { PirateArrive(); });
    connect(pirate_, &Pirate::remonteeFinie, this, [this] {
        if (exerciceFini()) return;
        MauvaiseReponse();
        QuestionSuivante();
    });
    // For a screen reader: the bubbles are named by their operation at each question.
    Accessibilite::nommeTous(Scene, {{"Requin[123]", "Un requin", "Cette bulle n'était pas l'intruse."},
                                     {"bebepoisson[123]", "La maman du poisson", "Cette bulle était l'intruse."},
                                     {"Poissounet", "Le petit poisson"},
                                     {"ok", "OK", "Finir l'exercice."}});
}

void TExo3::creeScene() {
    Scene = panneau(this, QStringLiteral("SceneIntrus"), SceneX, SceneY, SceneL, SceneH);
    Marques::gardeProportions(Scene);
    // From the back: the creatures behind the bubbles, the bubbles, the trail, the bursts, the texts.
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Requin[i] = image(Scene, QStringLiteral("Requin%1").arg(k + 1), QStringLiteral("requin_intrus"), sx(Requins[i].x()),
                          sy(Requins[i].y()), 225, 161);
        bebepoisson[i] = image(Scene, QStringLiteral("bebepoisson%1").arg(k + 1), QStringLiteral("bebe_poisson"),
                               sx(Poissons[i].x()), sy(Poissons[i].y()), 161, 129);
    }
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        BulleBleu[i] = image(Scene, QStringLiteral("BulleBleu%1").arg(k + 1), QStringLiteral("bulle_intrus"), sx(Bulles[i].x()),
                             sy(Bulles[i].y()), Bulle, Bulle, true);
        connect(BulleBleu[i], &Image::clique, this, [this, k] { ClicBulle(k + 1); });
        parNom_.insert(BulleBleu[i]->objectName(), BulleBleu[i]);
    }
    for (const Place& p : Trainee) {
        Image* b = image(Scene, QString::fromLatin1(p.nom), QStringLiteral("bulle_trainee_%1").arg(p.taille), sx(p.x), sy(p.y),
                         p.taille, p.taille);
        trainee_ << b;
        parNom_.insert(b->objectName(), b);
    }
    // Each burst picture at the place of what it replaces.
    for (const auto& etape : Paf::Eclats) {
        for (const Paf::Etape& e : etape) {
            const QString nom = QString::fromLatin1(e.montre);
            if (parNom_.contains(nom)) continue;
            const QWidget* remplace = parNom_.value(QString::fromLatin1(e.cache));
            const bool bleue = remplace->width() == Bulle;
            Image* paf = bleue ? image(Scene, nom, QStringLiteral("eclat_intrus"), remplace->x(), remplace->y() + 8, Bulle, 129)
                               : image(Scene, nom, QStringLiteral("eclat_trainee_%1").arg(remplace->width()), remplace->x(),
                                       remplace->y(), remplace->width(), remplace->height());
            pafs_ << paf;
            parNom_.insert(nom, paf);
        }
    }
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const QPoint b(sx(Bulles[i].x()), sy(Bulles[i].y()));
        // The result under the caption, both centred on the bubble and in one face (they read as
        // one line, "4×5 = 20"); clicks go through to it.
        resultat[i] = etiquette(Scene, QStringLiteral("resultat%1").arg(k + 1), Apparence::nombres(40), Qt::black, b.x(),
                                b.y() + 80, Bulle, 40);
        operateur[i] = etiquette(Scene, QStringLiteral("operateur%1").arg(k + 1), Apparence::nombres(40), Qt::black, b.x(),
                                 b.y() + 28, Bulle, 52);
        for (QLabel* l : {resultat[i], operateur[i]}) {
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
            parNom_.insert(l->objectName(), l);
        }
        parNom_.insert(Requin[i]->objectName(), Requin[i]);
        parNom_.insert(bebepoisson[i]->objectName(), bebepoisson[i]);
    }
    Poissounet = image(Scene, QStringLiteral("Poissounet"), QStringLiteral("poissonnet"), sx(552), sy(568), 81, 57, true);
    connect(Poissounet, &Image::clique, this, [this] { PoissounetClick(); });
    // "OK" beside the fish rather than on it: both end the exercise when no question is possible.
    ok = image(Scene, QStringLiteral("ok"), QStringLiteral("ok"), sx(648), sy(576), 64, 40, true);
    connect(ok, &Image::clique, this, [this] { PoissounetClick(); });
    applause = new BulleParole(Scene);
    applause->setObjectName(QStringLiteral("applause"));
    applause->setStyleSheet(Apparence::styleBulleParole());
    applause->placeAGaucheDe(Poissounet);
}

int TExo3::hautDeLaScene() const {
    return Requin[1]->y() + height() - Affichage::enY(8) - (Poissounet->y() + Poissounet->height());
}

void TExo3::FormShow() {
    commenceExercice();
    SharedState& e = Etat();
    tireur_ = std::make_unique<TirageOperation>(e);
    repertoire_ = std::make_unique<RepertoireOperations>(*tireur_);
    IntrusImpossible = false;
    Enonce->setText(mode() == Mode::Pirate ? EnoncePirate : EnonceSansLimite);
    Enonce2->clear();
    placeEnonces();
    Enonce2->hide();
    // The statement uncovered, however tall the display makes it.
    Scene->move(Scene->x(), std::max(hautScene_, basDesEnonces() - Requin[1]->y()));
    questionSuivante();
}

void TExo3::questionSuivante() {
    question_ = GenereExo3(*tireur_, *repertoire_);
    IntrusImpossible = question_.impossible();
    PrepareQuestion();
    if (IntrusImpossible) {
        clics_.QuestionTerminee = true;
        QLabel* message = operateur[0];
        message->setText(TexteIntrusImpossible());
        // Sentences read in the plain face of the numbers, with room inside their frame.
        QFont lecture = policeOperation_;
        lecture.setBold(false);
        message->setFont(lecture);
        message->setStyleSheet(Apparence::styleBulleMessage());
        message->adjustSize();
        message->move((Scene->width() - message->width()) / 2, (Poissounet->y() - message->height()) / 2);
        return;
    }
    afficheQuestion();
    Sons::litQuestion(Lecture::operations({question_.bulles.begin(), question_.bulles.end()}));
    QList<Fait> montrees;
    for (const QuestionOperation& b : question_.bulles) montrees << FaitDe(b);
    suivi_.commence(Etat(), tempsAccorde(), montrees[question_.PositionIntrus - 1]);
    suivi_.montre(montrees);
    if (mode() == Mode::Pirate) pirate_->lance(*tempsAccorde());
}

void TExo3::PrepareQuestion() {
    QList<QWidget*> question = trainee_;
    question << BulleBleu[0] << BulleBleu[1] << BulleBleu[2] << operateur[1] << operateur[2] << Enonce;
    for (QWidget* w : question) w->setVisible(!IntrusImpossible);
    ok->setVisible(IntrusImpossible);
    Poissounet->setCliquable(IntrusImpossible);
    for (std::size_t i = 0; i < 3; ++i) {
        for (QLabel* l : {operateur[i], resultat[i]}) l->setStyleSheet(QString());
        operateur[i]->setFont(policeOperation_);
        operateur[i]->setGeometry(placesOperateur_[i]);
        resultat[i]->setGeometry(placesResultat_[i]);
    }
    operateur[0]->show();

    pirate_->cache();
    ramassage_->cache();
    QList<QWidget*> caches = pafs_;
    for (std::size_t i = 0; i < 3; ++i) caches << resultat[i] << Requin[i] << bebepoisson[i];
    caches << applause;
    for (QWidget* w : caches) w->hide();
    piece->show();

    Minuterie::libere(paf_);
    EtapePaf = 0;
    BulleEclatee = 0;
    clics_.prepare();
}

void TExo3::afficheQuestion() {
    for (std::size_t i = 0; i < 3; ++i) {
        operateur[i]->setText(TexteOperation(question_.bulles[i], false));
        resultat[i]->setText(TexteResultat(question_.bulles[i]));
        Accessibilite::nomme(BulleBleu[i], Lecture::question(question_.bulles[i]), QStringLiteral("Est-ce l'intruse ?"));
    }
}

void TExo3::ClicBulle(int k) {
    if (exerciceFini()) return;
    const ClicsExo3::Clic clic = clics_.clique(k, question_.PositionIntrus);
    if (clic != ClicsExo3::Clic::Ignore) {
        suivi_.action(k - 1, ActionOperation::Intrus, false);
        suivi_.essai(clic == ClicsExo3::Clic::Intrus);
    }
    switch (clic) {
        case ClicsExo3::Clic::Ignore: return;
        case ClicsExo3::Clic::Intrus:
            Sons::joue(Effet::Juste);
            LancePaf(k);
            if (mode() == Mode::Pirate) {
                pirate_->arreteDescente();
                pirate_->cache();
            }
            dit(QStringLiteral("Bravo!"));
            return;
        case ClicsExo3::Clic::Mauvais:
            Sons::joue(Effet::Faux);
            LancePaf(k);
            MauvaiseReponse();
            return;
    }
}

void TExo3::MauvaiseReponse() {
    if (!clics_.PieceVolee) {
        dit(QStringLiteral("Perdu! Essaie encore!"));
        ditMessagePerdu();
    }
    partie_.valide(Etat(), false);
}

void TExo3::LancePaf(int bulle) {
    EtapePaf = 0;
    BulleEclatee = bulle;
    Sons::joue(Effet::Bulle);
    etapeSuivante();
}

void TExo3::etapeSuivante() {
    if (EtapePaf >= Paf::Etapes) return;
    Minuterie::libere(paf_);
    paf_ = Minuterie::cree(this);
    paf_->setSingleShot(true);
    ++EtapePaf;
    Garde::connecte(paf_, &QTimer::timeout, this, [this] { affichepaf(); });
    Minuterie::demarre(paf_, Paf::IntervalleMs);
}

void TExo3::affichepaf() {
    Minuterie::libere(paf_);
    if (exerciceFini()) return;
    const int s = EtapePaf;
    const auto k = static_cast<std::size_t>(BulleEclatee - 1);
    if (s < Paf::EtapesVisibles) {
        const Paf::Etape& e = Paf::Eclats[static_cast<std::size_t>(s - 1)][k];
        parNom_.value(QString::fromLatin1(e.montre))->show();
        parNom_.value(QString::fromLatin1(e.cache))->hide();
    } else if (s == Paf::EtapesVisibles) {
        const Paf::Revelation& r = Paf::Revelations[k];
        parNom_.value(QString::fromLatin1(r.cache))->hide();
        QWidget* creature = parNom_.value(QString::fromLatin1(question_.estIntrus(BulleEclatee) ? r.poisson : r.requin));
        surFond(operateur[k]);
        surFond(resultat[k]);
        resultat[k]->show();
        creature->show();
        // In front of the trail's bursts, its words under it in front of everything.
        creature->raise();
        placeSous(creature, k);
    }
    switch (Paf::apres(s, partie_.ErreursQuestion, clics_.QuestionTerminee, clics_.PieceVolee)) {
        case Paf::Suite::EtapeSuivante: etapeSuivante(); return;
        case Paf::Suite::QuestionSuivante:
            clics_.ClicPermis = true;
            QuestionSuivante();
            return;
        case Paf::Suite::Ramassage:
            clics_.ClicPermis = true;
            lanceRamassage();
            dit(QStringLiteral("Bravo !"));
            return;
        case Paf::Suite::Attente: clics_.ClicPermis = true; return;
    }
}

// The pirate took the coin: the intruder bursts by itself through the click's rules (while another
// bubble bursts it stays whole), every result shows, the question is lost (counted when he is out
// of sight).
void TExo3::PirateArrive() {
    if (exerciceFini()) return;
    suivi_.finParCreature();
    clics_.PieceVolee = true;
    const int intrus = question_.PositionIntrus;
    if (clics_.clique(intrus, intrus) == ClicsExo3::Clic::Intrus) LancePaf(intrus);
    clics_.QuestionTerminee = true;
    for (QLabel* r : resultat) {
        surFond(r);
        r->show();
    }
    ditMessagePerdu();
}

void TExo3::QuestionSuivante() {
    if (!clics_.QuestionTerminee || exerciceFini()) return;
    questionFinie();
}

// The fish or "OK" after the impossible message: the exercise ends, nothing recorded.
void TExo3::PoissounetClick() {
    if (exerciceFini() || !IntrusImpossible) return;
    termineExercice();
}

QString TExo3::texteErreurs(bool) const {
    return LigneErreursExo3(operateur[0]->text(), operateur[1]->text(), operateur[2]->text(), partie_.ErreursQuestion);
}

void TExo3::libereMinuteries() {
    EcranExercice::libereMinuteries();
    Minuterie::libere(paf_);
}

// A caption over a creature or a bubble: on a pale ground of its own size, at the same centre.
void TExo3::surFond(QLabel* etiquette) {
    const QPoint centre = etiquette->geometry().center();
    etiquette->setStyleSheet(
        QStringLiteral("QLabel { background-color: rgba(255, 255, 255, 200); border-radius: 10px; padding: 0 8px; }"));
    etiquette->adjustSize();
    etiquette->move(centre - QPoint(etiquette->width() / 2, etiquette->height() / 2));
}

// The revealed operation and its result under the creature that was behind the bubble, never on
// its face.
void TExo3::placeSous(const QWidget* creature, std::size_t k) {
    const int centre = creature->geometry().center().x();
    QLabel* o = operateur[k];
    QLabel* r = resultat[k];
    o->move(centre - o->width() / 2, creature->y() + creature->height());
    r->move(centre - r->width() / 2, o->y() + o->height());
    o->raise();
    r->raise();
}

// What the fish says, beside it on the left.
void TExo3::dit(const QString& texte) { applause->dit(texte); }

void TExo3::ditMessagePerdu() { applause->ditMessagePerdu(); }
