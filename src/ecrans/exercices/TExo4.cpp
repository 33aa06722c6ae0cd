// Exercise 4: the ten bubbles keep their design arrangement on any display (one proportioned
// panel); each bubble stacks its yellow picture, its blue one, its four solution pictures and its
// two captions.
#include "ecrans/exercices/TExo4.h"

#include "logique/base/Garde.h"
#include "logique/base/Minuterie.h"
#include "ecrans/exercices/BulleParole.h"
#include "ecrans/exercices/Pirate.h"
#include "ecrans/exercices/Ramassage.h"
#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "ecrans/commun/NavigationClavier.h"
#include "logique/etat/SharedState.h"
#include "logique/exercices/Lecture.h"
#include "logique/sons/Phrases.h"
#include "logique/sons/Sons.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

using namespace Fabrique;

namespace {
// The bubbles' design places; the panel holding them starts at the leftmost and topmost.
constexpr std::array<QPoint, BullesExo4> PlacesBulles{
    {{248, 128}, {488, 128}, {712, 128}, {136, 248}, {368, 248}, {600, 248}, {824, 248}, {256, 368}, {488, 368}, {712, 368}}};
constexpr QPoint OrigineBulles(136, 128);
constexpr int TailleBulle = 137;
// In a bubble of the solution (design places from its corner): the operation above its result in
// the middle, the small fish in the cap above them, the word on the rim below them.
constexpr int HautOperation = 28, HautResultat = 64, HauteurLibelle = 42;
constexpr QRect MarquePoisson(48, 2, 41, 28);
constexpr QRect MarqueMot(6, 108, 125, 28);  // widened to its longest word, centred on the bubble
// Between the end of a question and the next one: the pupil sees how it ended, and a second
// click of a quick double click falls in it instead of on the new question.
constexpr int PauseEntreQuestions = 500;

const QString EnonceSansLimite = QStringLiteral("Aide le poisson à retrouver toutes les bulles qui lui appartiennent");
const QString EnoncePirate = QStringLiteral(
    " Aide le poisson à retrouver toutes les bulles qui lui\nappartiennent avant que le pirate ne lui vole sa pièce!");
const QString Enonce2Texte = QStringLiteral("Clique sur toutes ses bulles, puis clique sur le poisson pour valider");

std::size_t indice(int i) { return static_cast<std::size_t>(i - 1); }
}  // namespace

TExo4::TExo4()
    : EcranExercice({QStringLiteral("Exo4"), QStringLiteral("Exercice n°4 (même résultat)"), QStringLiteral("Enonce1"),
                     QStringLiteral("Enonce2"), QStringLiteral("Quitter"), 20, false}) {
    creeBulles();
    // The arrows between the ten bubbles, each its yellow picture under its blue one; Enter or
    // Space chooses or leaves the one with the keyboard.
    QList<QList<QWidget*>> places;
    for (std::size_t i = 0; i < BullesExo4; ++i) places << QList<QWidget*>{BulleJaune[i], BulleBleu[i]};
    new NavigationClavier(this, places);
    // The fish and its number on the board it holds stay together on any display.
    PanneauPoisson = panneau(this, QStringLiteral("PanneauPoisson"), 376, 552, 161, 105);
    Marques::gardeProportions(PanneauPoisson);
    PoissonVal = image(PanneauPoisson, QStringLiteral("PoissonVal"), QStringLiteral("poisson_cible"), 0, 0, 161, 105, true);
    connect(PoissonVal, &Image::clique, this, [this] { PoissonValClick(); });
    nbre_intrus = etiquette(PanneauPoisson, QStringLiteral("nbre_intrus"), Apparence::arial(32, true), Apparence::Marine, 44, 20,
                            74, 52);
    nbre_intrus->setCursor(Qt::PointingHandCursor);
    nbre_intrus->installEventFilter(this);

    voir_solution = image(this, QStringLiteral("voir_solution"), QStringLiteral("solution"), 856, 488, 159, 125, true);
    connect(voir_solution, &Image::clique, this, [this] { voir_solutionClick(); });
    // The octopus right of the coral on the sand (wherever the display's shape puts it), under
    // the bubbles; its words left of it, above the coin.
    Aide = image(this, QStringLiteral("Aide"), QStringLiteral("aide"), 236, 556, 110, 120, true);
    connect(Aide, &Image::clique, this, [this] { AideClick(); });
    aide_barrer = image(this, QStringLiteral("aide_barrer"), QStringLiteral("enlever_aide"), 236, 556, 110, 120, true);
    connect(aide_barrer, &Image::clique, this, [this] { aide_barrerClick(); });
    // The octopus says the help above it on the left, in the water left of the bubbles.
    Label_aide = etiquette(this, QStringLiteral("Label_aide"), Apparence::comic(19), Qt::black, 8, 440, 240, 116,
                           Qt::AlignHCenter | Qt::AlignTop);
    Label_aide->setWordWrap(true);
    Label_aide->setStyleSheet(Apparence::styleBulleParole());

    finitCreation();
    largeurAide_ = Label_aide->width();
    placePoulpe_ = Aide->pos();
    placePoisson_ = PanneauPoisson->pos();
    Perdu->setObjectName(QStringLiteral("Applause"));
    // The speech bubble comes out from behind the fish that says it.
    Perdu->stackUnder(PanneauPoisson);
    hautBulles_ = PanneauBulles->y();
    policeLibelle_ = operateur[0]->font();
    partie_.formeEntree = &LigneErreursExo4;
    connect(pirate_, &Pirate::pieceAtteinte, this, [this] { pieceAtteinte(); });
    connect(pirate_, &Pirate::remonteeFinie, this, [this] {
        if (!exerciceFini() && !QuestionTerminee) Valide();
    });
    // For a screen reader: the bubbles are named by their operation at each question.
    Accessibilite::nommeTous(
        this, {{"voir_solution", "Voir la solution"}, {"aide_barrer", "Enlever l'aide"}, {"PoissonVal", "Valider mes bulles"}});
}

void TExo4::creeBulles() {
    PanneauBulles = panneau(this, QStringLiteral("PanneauBulles"), OrigineBulles.x(), OrigineBulles.y(), 825, 377);
    Marques::gardeProportions(PanneauBulles);
    for (int i = 1; i <= BullesExo4; ++i) {
        const QPoint p = PlacesBulles[indice(i)] - OrigineBulles;
        const auto bulle = [&](const QString& nom, const char* dessin) {
            return image(PanneauBulles, nom + QString::number(i), QString::fromLatin1(dessin), p.x(), p.y(), TailleBulle,
                         TailleBulle, true);
        };
        BulleJaune[indice(i)] = bulle(QStringLiteral("BulleJaune"), "bulle4_jaune");
        connect(BulleJaune[indice(i)], &Image::clique, this, [this, i] { BulleJauneClick(i); });
        BulleBleu[indice(i)] = bulle(QStringLiteral("BulleBleu"), "bulle4_bleue");
        connect(BulleBleu[indice(i)], &Image::clique, this, [this, i] { BulleBleuClick(i); });
        // The solution pictures take no click: only the caption over them still toggles.
        for (std::size_t k = 0; k < ImagesSolution; ++k) {
            Image* solution = bulle(QString::fromLatin1(MarquesSolution[k].composant), MarquesSolution[k].image);
            solution->setCliquable(false);
            BullesSolution[indice(i)][k] = solution;
        }
    }
    // The captions over every bubble: a caption spilling over a neighbour stays readable. The
    // operation toggles its bubble; the result takes no click.
    for (int i = 1; i <= BullesExo4; ++i) {
        const QPoint p = PlacesBulles[indice(i)] - OrigineBulles;
        QLabel* o = etiquette(PanneauBulles, QStringLiteral("operateur%1").arg(i), Apparence::nombres(32), Qt::black, p.x(),
                              p.y(), TailleBulle, TailleBulle);
        QLabel* r = etiquette(PanneauBulles, QStringLiteral("resultat%1").arg(i), Apparence::nombres(32), Qt::black, p.x(),
                              p.y() + 70, TailleBulle, 42);
        o->setCursor(Qt::PointingHandCursor);
        o->installEventFilter(this);
        operateur[indice(i)] = o;
        resultat[indice(i)] = r;
    }
    // The solution's marks above the captions, in the room the captions leave (placeLibelles).
    for (int i = 1; i <= BullesExo4; ++i) {
        const QPoint p = PlacesBulles[indice(i)] - OrigineBulles;
        PoissonBulle[indice(i)] = image(PanneauBulles, QStringLiteral("PoissonBulle%1").arg(i), QStringLiteral("poissonnet"),
                                        p.x() + MarquePoisson.x(), p.y() + MarquePoisson.y(), MarquePoisson.width(),
                                        MarquePoisson.height());
        QLabel* mot = etiquette(PanneauBulles, QStringLiteral("MotSolution%1").arg(i), Apparence::comic(20, true),
                                Apparence::Marine, p.x() + MarqueMot.x(), p.y() + MarqueMot.y(), MarqueMot.width(),
                                MarqueMot.height());
        mot->setStyleSheet(Apparence::styleMarqueDouce());
        MotSolution[indice(i)] = mot;
    }
}

int TExo4::hautDeLaScene() const {
    return std::min(Aide->y(), PanneauPoisson->y()) - (PanneauBulles->childrenRect().bottom() + 1);
}

int TExo4::descentePossible(const QWidget* w, const QPoint& place) const {
    return std::max(0, Crabe->y() - Affichage::enY(4) - (place.y() + w->height()));
}

void TExo4::FormShow() {
    commenceExercice();
    pause_ = Minuterie::cree(this);
    pause_->setSingleShot(true);
    Garde::connecte(pause_, &QTimer::timeout, this, [this] {
        if (!exerciceFini()) questionFinie();
    });
    SharedState& e = Etat();
    // The settings stay the same during an exercise: the draw is prepared once.
    tireur_.emplace(e);
    repertoire_.emplace(*tireur_);
    Enonce->setText(mode() == Mode::Pirate ? EnoncePirate : EnonceSansLimite);
    Enonce2->setText(Enonce2Texte);
    for (QWidget* poulpe : {Aide, aide_barrer}) poulpe->move(placePoulpe_);
    PanneauPoisson->move(placePoisson_);
    placeEnonces();
    // Taller statements on a wide display push the bubbles down, never over the words. A pupil's
    // that cannot give back more of their size push the octopus and the fish lower on the sand
    // too, as far as the bubbles need, above the crab's walk.
    PanneauBulles->move(PanneauBulles->x(), std::max(hautBulles_, basDesEnonces()));
    const int basBulles = PanneauBulles->y() + PanneauBulles->childrenRect().bottom() + 1;
    const auto descente = [&](QWidget* w, const QPoint& place) {
        return std::clamp(basBulles - place.y(), 0, descentePossible(w, place));
    };
    const int poulpe = descente(Aide, placePoulpe_), poisson = descente(PanneauPoisson, placePoisson_);
    for (QWidget* w : {Aide, aide_barrer}) w->move(placePoulpe_ + QPoint(0, poulpe));
    PanneauPoisson->move(placePoisson_ + QPoint(0, poisson));
    Perdu->placePres(PanneauPoisson);
    questionSuivante();
}

void TExo4::libereMinuteries() {
    EcranExercice::libereMinuteries();
    Minuterie::libere(pause_);
}

void TExo4::questionSuivante() {
    question_ = GenereExo4(*tireur_, *repertoire_);
    ExerciceImpossible = question_.impossible;
    PrepareQuestion();
    nbre_intrus->setText(question_.texteCible());
    if (ExerciceImpossible) {
        afficheImpossible();
        // The next validation ends the exercise.
        partie_.NumeroQuestion = std::max(partie_.NumeroQuestion, Etat().NombreDeQuestions);
        return;
    }
    Sons::litQuestion(Phrases::nombre(question_.cible));
    QList<Fait> montrees;
    for (int i = 1; i <= BullesExo4; ++i) {
        const QuestionOperation& operation = question_.bulles[indice(i)];
        operateur[indice(i)]->setText(TexteOperation(operation, false));
        resultat[indice(i)]->setText(TexteResultat(operation));
        montrees << FaitDe(operation);
        // The blue bubble shows while it is not chosen, the yellow one once it is.
        Accessibilite::nomme(BulleBleu[indice(i)], Lecture::question(operation), QStringLiteral("pas choisie"));
        Accessibilite::nomme(BulleJaune[indice(i)], Lecture::question(operation), QStringLiteral("choisie"));
        Accessibilite::cache(BulleJaune[indice(i)], true);
    }
    Accessibilite::nomme(PoissonVal, QStringLiteral("Valider mes bulles"),
                         QStringLiteral("Le poisson cherche les bulles qui font %1.").arg(Phrases::nombre(question_.cible)));
    // The question's own fact is its target: what the bubbles must give.
    suivi_.commence(Etat(), tempsAccorde(), Fait{0, Operation::Addition, 0, question_.cible});
    suivi_.montre(montrees);
    if (mode() == Mode::Pirate) pirate_->lance(*tempsAccorde());
}

void TExo4::PrepareQuestion() {
    Selection = {};
    const bool montre = !ExerciceImpossible;
    for (QWidget* w : std::initializer_list<QWidget*>{Enonce, Enonce2}) w->setVisible(montre);
    Aide->show();
    for (int i = 1; i <= BullesExo4; ++i) {
        BulleJaune[indice(i)]->setVisible(montre);
        BulleBleu[indice(i)]->setVisible(montre);
        for (Image* solution : BullesSolution[indice(i)]) solution->hide();
        PoissonBulle[indice(i)]->hide();
        MotSolution[indice(i)]->hide();
        operateur[indice(i)]->setVisible(montre || i == 1);
        resultat[indice(i)]->hide();
    }
    placeLibelles(false);
    pirate_->cache();
    ramassage_->cache();
    for (QWidget* w : std::initializer_list<QWidget*>{voir_solution, Perdu, aide_barrer, Label_aide}) w->hide();
    piece->show();
    SolutionVue = false;
    PieceVolee = false;
    partie_.RamassageEnCours = false;
    QuestionTerminee = false;
}

// The operation captions fill their bubbles; with the results they share them, operation above.
void TExo4::placeLibelles(bool avecResultats) {
    for (std::size_t i = 0; i < BullesExo4; ++i) {
        const QRect b = BulleBleu[i]->geometry();
        const auto part = [&b](int design) { return Ajustement::arrondi(b.height() * design / double(TailleBulle)); };
        const auto place = [&](QWidget* w, const QRect& r) {
            w->setGeometry(b.x() + part(r.x()), b.y() + part(r.y()), part(r.width()), part(r.height()));
        };
        if (avecResultats) {
            place(operateur[i], QRect(0, HautOperation, TailleBulle, HauteurLibelle));
            place(resultat[i], QRect(0, HautResultat, TailleBulle, HauteurLibelle));
            place(PoissonBulle[i], MarquePoisson);
            place(MotSolution[i], MarqueMot);
            const int largeur = std::max(MotSolution[i]->width(),
                                         MotSolution[i]->fontMetrics().horizontalAdvance(QStringLiteral("pas celle-ci")) +
                                             part(16));
            MotSolution[i]->setGeometry(b.center().x() - largeur / 2, MotSolution[i]->y(), largeur, MotSolution[i]->height());
        } else {
            operateur[i]->setGeometry(b);
        }
    }
    operateur[0]->setStyleSheet(QString());
    operateur[0]->setFont(policeLibelle_);
    operateur[0]->setWordWrap(false);
}

// The message takes the place of the bubbles, in a speech bubble; the fish's number says "OK".
void TExo4::afficheImpossible() {
    QLabel* message = operateur[0];
    message->setText(TexteExo4Impossible());
    // Sentences read in the plain face of the numbers, with room inside their frame.
    QFont lecture = policeLibelle_;
    lecture.setBold(false);
    message->setFont(lecture);
    message->setStyleSheet(Apparence::styleBulleMessage());
    message->adjustSize();
    message->move((PanneauBulles->width() - message->width()) / 2, (PanneauBulles->height() - message->height()) / 2);
    message->show();
    message->raise();
}

bool TExo4::clicPermis() const { return !exerciceFini() && !QuestionTerminee && !ExerciceImpossible; }

void TExo4::BulleBleuClick(int i) {
    if (clicPermis()) choisit(i, true);
}

void TExo4::BulleJauneClick(int i) {
    if (clicPermis()) choisit(i, false);
}

void TExo4::operateurClick(int i) {
    if (clicPermis()) choisit(i, !Selection[indice(i)]);
}

// The blue bubble hides the yellow one beneath it until the bubble is selected.
void TExo4::choisit(int i, bool choisie) {
    Selection[indice(i)] = choisie;
    suivi_.action(indice(i), choisie ? ActionOperation::Choisie : ActionOperation::Laissee, false);
    BulleBleu[indice(i)]->setVisible(!choisie);
    Accessibilite::cache(BulleJaune[indice(i)], !choisie);
    if (SolutionVue) montreSolutionDe(i);
}

void TExo4::PoissonValClick() {
    if (exerciceFini() || QuestionTerminee) return;
    if ((!partie_.RamassageEnCours && !PieceVolee) || SolutionVue) Valide();
}

// The number on the fish is part of the fish.
void TExo4::nbre_intrusClick() { PoissonValClick(); }

void TExo4::Valide() {
    if (ExerciceImpossible) {
        termineQuestion();
        return;
    }
    const bool juste = SelectionJuste(question_.BonnesBulles, Selection);
    // A selection made with the solution in view is not the pupil's own first try.
    suivi_.essai(juste && !SolutionVue);
    const PartieReponses::Issue issue = partie_.valide(Etat(), juste);
    // Once the solution is shown (asked for, or the pirate took the coin) there is no reward.
    if (issue == PartieReponses::Issue::JustePremierCoup && !SolutionVue) {
        QuestionTerminee = true;
        Sons::joue(Effet::Juste);
        Perdu->dit(QStringLiteral("Bravo !"));
        lanceRamassage();
        return;
    }
    if (juste || SolutionVue) {
        termineQuestion();
        return;
    }
    Sons::joue(Effet::Faux);
    Perdu->ditMessagePerdu();
    voir_solution->show();
}

void TExo4::termineQuestion() {
    QuestionTerminee = true;
    pirate_->arreteDescente();
    pirate_->arreteRemontee();
    if (SolutionVue || ExerciceImpossible) Perdu->hide();
    else Perdu->dit(QStringLiteral("Bravo!"));
    Minuterie::demarre(pause_, PauseEntreQuestions);
}

void TExo4::AideClick() {
    if (!clicPermis() || PieceVolee || SolutionVue) return;
    suivi_.aideUtilisee();
    afficheAide();
    Aide->hide();
    aide_barrer->show();
}

void TExo4::aide_barrerClick() {
    if (!clicPermis() || PieceVolee) return;
    Aide->show();
    aide_barrer->hide();
    Label_aide->hide();
}

// The octopus's words, counted when the pupil asks, end just above it, as tall as their lines, in
// the water between it and the bubbles. A pupil's larger type that needs more room goes left of
// the octopus instead, ending level with its foot or lower, down to above the coin.
void TExo4::afficheAide() {
    const QString texte = TexteAideExo4(question_.BonnesBulles, Selection);
    Label_aide->setText(texte);
    const auto hauteur = [&](int largeur) {
        // The closing line break adds no visible line.
        const int h = Label_aide->heightForWidth(largeur);
        return texte.endsWith(QLatin1Char('\n')) ? h - Label_aide->fontMetrics().lineSpacing() : h;
    };
    // The water under the lowest bubble that stands over the words' place, down to `bas`.
    const auto eau = [this](int gauche, int largeur, int bas) {
        int haut = 0;
        for (const QWidget* b : PanneauBulles->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect r(b->mapTo(this, QPoint()), b->size());
            if (b->isVisible() && r.left() < gauche + largeur - 1 && r.bottom() < Aide->y())
                haut = std::max(haut, r.bottom() + 1);
        }
        return QRect(gauche, haut, largeur, bas - haut);
    };
    const int gauche = Label_aide->x();
    QRect place = eau(gauche, largeurAide_, Aide->y());
    Apparence::reduit(Label_aide, 1.0);
    if (hauteur(place.width()) > place.height()) {
        const QRect cote = eau(gauche, Aide->x() - Affichage::enX(8) - gauche, piece->y() - Affichage::enY(8));
        if (cote.height() > place.height() && cote.width() > 0) place = cote;
    }
    const QMargins bords = Label_aide->contentsMargins();
    Apparence::reduitPourTenir(Label_aide, place.size().shrunkBy(bords));
    const int h = hauteur(place.width());
    const int bas = std::min(place.bottom() + 1, Aide->y() + Aide->height());
    Label_aide->setGeometry(gauche, std::max(place.top(), bas - h), place.width(), h);
    Label_aide->show();
    Label_aide->raise();
}

void TExo4::voir_solutionClick() {
    if (!clicPermis() || PieceVolee) return;
    MontreSolution();
    pirate_->arreteDescente();
}

void TExo4::MontreSolution() {
    // The octopus's count is out of date once the solution shows: it goes with its crossed-out
    // picture, and the help stays off until the next question.
    Label_aide->hide();
    aide_barrer->hide();
    Aide->show();
    for (int i = 1; i <= BullesExo4; ++i) {
        montreSolutionDe(i);
        resultat[indice(i)]->show();
    }
    placeLibelles(true);
    SolutionVue = true;
}

void TExo4::montreSolutionDe(int i) {
    const Solution solution = SolutionBulle(Selection[indice(i)], question_.BonnesBulles[indice(i)]);
    const auto s = static_cast<std::size_t>(solution);
    for (std::size_t k = 0; k < ImagesSolution; ++k) BullesSolution[indice(i)][k]->setVisible(k == s);
    const MarqueSolution& marque = marqueSolution(solution);
    PoissonBulle[indice(i)]->setVisible(marque.poisson);
    QLabel* mot = MotSolution[indice(i)];
    mot->setText(QString::fromUtf8(marque.mot));
    Apparence::reduitPourTenir(mot, mot->contentsRect().size());  // a pupil's larger type within its tag
    mot->setVisible(!mot->text().isEmpty());
}

// The pirate took the coin: the solution shows; the selection is judged when he is gone.
void TExo4::pieceAtteinte() {
    PieceVolee = true;
    suivi_.finParCreature();
    MontreSolution();
}

QString TExo4::texteErreurs(bool) const { return nbre_intrus->text(); }

EcranExercice::Fin TExo4::fin() const { return {!ExerciceImpossible, true, !ExerciceImpossible}; }

bool TExo4::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseButtonRelease) {
        auto* clic = static_cast<QMouseEvent*>(evenement);
        auto* label = qobject_cast<QLabel*>(objet);
        if (label && clic->button() == Qt::LeftButton && label->rect().contains(clic->position().toPoint())) {
            if (label == nbre_intrus) {
                Garde::execute([this] { nbre_intrusClick(); });
                return true;
            }
            for (int i = 1; i <= BullesExo4; ++i) {
                if (label == operateur[indice(i)]) {
                    Garde::execute([this, i] { operateurClick(i); });
                    return true;
                }
            }
        }
    }
    return EcranExercice::eventFilter(objet, evenement);
}
