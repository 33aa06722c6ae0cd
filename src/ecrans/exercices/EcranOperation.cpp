#include "ecrans/exercices/EcranOperation.h"

#include "ecrans/exercices/AideComptage.h"
#include "ecrans/exercices/BandeNumeros.h"
#include "ecrans/exercices/BulleParole.h"
#include "ecrans/exercices/BulleRequin.h"
#include "ecrans/exercices/Geometrie.h"
#include "ecrans/exercices/Pirate.h"
#include "ecrans/exercices/Ramassage.h"
#include "ecrans/commun/Accessibilite.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "logique/sons/Sons.h"
#include "logique/exercices/Lecture.h"
#include "logique/etat/SharedState.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {
const QString TexteNonNombre = QStringLiteral("Tu n'as pas rentré un nombre !");
}

EcranOperation::EcranOperation(const Definition& d, const Textes& textes, const QRect& placeSolution, const QPoint& placeNombre)
    : EcranExercice(d), textes_(textes) {
    PoissonRes = Fabrique::image(this, QStringLiteral("PoissonRes"), QStringLiteral("poisson_jaune"), 856, 141, 120, 90, true);
    connect(PoissonRes, &Image::clique, this, [this] { ValiderResultatClick(); });
    const QRect& s = placeSolution;
    SolutionImage = Fabrique::image(this, QStringLiteral("SolutionImage"), QStringLiteral("solution"), s.x(), s.y(), s.width(),
                                    s.height(), true);
    connect(SolutionImage, &Image::clique, this, [this] { SolutionImageClick(); });
    SolutionImage2 = Fabrique::image(this, QStringLiteral("SolutionImage2"), QStringLiteral("solution_vide"), s.x(), s.y(),
                                     s.width(), s.height());
    SolutionLabel = Fabrique::etiquette(this, QStringLiteral("SolutionLabel"), Apparence::nombres(TailleSolution), Qt::black,
                                        placeNombre.x(), placeNombre.y(), 110, 50);
    aide_ = new AideComptage(this);
    connect(aide_, &AideComptage::demandee, this, [this] {
        suivi_.aideUtilisee();
        aideDemandee();
    });
}

void EcranOperation::finitCreationOperation() {
    bande_ = new BandeNumeros(this);
    connect(bande_, &BandeNumeros::numeroClique, this, &EcranOperation::NumClick);
    Poisson = Fabrique::image(this, QStringLiteral("Poisson"), QStringLiteral("poisson"), 104, 496, 150, 110);
    finitCreation();
    uniformiseNombres();
    // The operation's row: what stands between the statements and the strip.
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->y() >= Affichage::enY(100) && w->y() < Affichage::enY(350) && w != bande_ && w != Perdu && w != Bravo)
            rangee_.append({w, w->pos()});
    // The fish with the sign shows over the help pictures (the clickable "Solution" fish over its
    // plain twin); the speech bubble comes out from behind the fish that says it.
    for (QWidget* w : std::initializer_list<QWidget*>{SolutionImage2, SolutionImage, SolutionLabel, Bravo}) w->raise();
    Perdu->stackUnder(Poisson);
    for (QLineEdit* champ : champs()) ecouteEntree(champ);
    connect(pirate_, &Pirate::pieceAtteinte, this, [this] { pieceAtteinte(); });
    connect(pirate_, &Pirate::remonteeFinie, this, [this] {
        champReponse()->setReadOnly(false);
        partie_.TempsEcoule = true;
        ValiderResultatClick();
    });
    connect(requin_, &BulleRequin::eclatee, this, [this] { bulleEclatee(); });
    connect(requin_, &BulleRequin::tempsEcoule, this, [this] {
        partie_.TempsEcoule = true;
        eclatement()->hide();
        ValiderResultatClick();
    });
}

// The fitting scales the bubbles in their proportions, the labels outside them by the mean of the
// two ratios, and leaves the fields' fonts alone: every number and sign of the equation takes the
// size of the numbers in the round bubbles instead, so that they share one baseline.
void EcranOperation::uniformiseNombres() {
    const auto& f = Ajustement::facteurs();
    const double k = f.actif ? std::min(f.horizontal, f.vertical) : 1.0;
    const auto taille = [k](int design) { return Apparence::nombres(std::max(1, static_cast<int>(design * k))); };
    QList<QWidget*> nombres = nombresHorsBulles();
    for (QLineEdit* champ : champs()) nombres << champ;
    for (QWidget* w : nombres) Fabrique::pleine(w, taille(Apparence::PoliceNombres));
    SolutionLabel->setFont(taille(TailleSolution));
}

int EcranOperation::hautDeLaScene() const { return Affichage::enY(114) + descenteMax(); }

int EcranOperation::descenteMax() const {
    // Against the shark the row is hidden and the shark goes under the statements itself, as far as
    // its bubbles keep clear of it.
    if (mode() == Mode::Requin) return Affichage::enY(40);
    if (Etat().BandeNumerique != 10) return 0;
    int descente = std::numeric_limits<int>::max();
    for (const auto& [w, place] : rangee_) {
        const QRect r(place, w->size());
        descente = std::min(descente, hautDuSable() - Affichage::enY(8) - r.bottom());
        for (const char* poulpe : {"Aide", "EnleverAide", "AideGrisee"})
            if (const auto* o = findChild<QWidget*>(QLatin1String(poulpe), Qt::FindDirectChildrenOnly);
                o && o->y() > r.bottom() && o->x() < r.right() && r.left() < o->x() + o->width())
                descente = std::min(descente, o->y() - Affichage::enY(8) - r.bottom());
    }
    return std::max(0, descente);
}

void EcranOperation::FormShow() {
    commenceExercice();
    SharedState& e = Etat();
    const bool requin = mode() == Mode::Requin;
    for (QWidget* w : std::initializer_list<QWidget*>{SolutionImage, SolutionImage2, SolutionLabel}) w->hide();
    aide_->cacheBoutons();
    for (QLineEdit* champ : champs()) {
        champ->clear();
        champ->setReadOnly(false);
    }
    Enonce->setText(requin ? textes_.enonceRequin : textes_.enonce);
    Enonce2->setText(requin ? textes_.enonce2Requin : textes_.enonce2);
    if (e.BandeNumerique != 10) Enonce2->setText(textes_.enonce2Bande);
    // Placed first: the creatures near the top stay under them; the operation's row under them.
    for (const auto& [w, place] : rangee_) w->move(place);
    placeEnonces();
    for (const auto& [w, place] : rangee_) w->move(place.x(), place.y() + std::max(0, basDesEnonces() - Affichage::enY(114)));
    PoissonRes->setVisible(!requin);
    Poisson->setVisible(requin);
    // The fish before the rest: a shark pushed down by a pupil's larger statements pushes it down too.
    if (requin) Poisson->move(Affichage::enX(104), Affichage::enY(496));
    disposeEcran(requin);
    if (requin) {
        Perdu->placePres(Poisson);
    } else {
        // The fish with the sign says the message under its card; "Bravo !" comes from under the
        // yellow fish, never over it.
        Perdu->placeSous(SolutionImage2);
        Bravo->move(PoissonRes->geometry().center().x() - Bravo->width() / 2, basDe(PoissonRes) + Affichage::enY(4));
    }
    questionSuivante();
    // Under the counting pictures, in the water above the sand where the coin is taken.
    int sousLesImages = 0;
    for (const auto& [w, place] : rangee_)
        if (w->objectName().startsWith(QLatin1String("ConteneurAide"))) sousLesImages = std::max(sousLesImages, basDe(w));
    bande_->affiche(requin ? 10 : e.BandeNumerique, 356, sousLesImages + Affichage::enY(12), hautDuSable() - Affichage::enY(4));
    champReponse()->setFocus();
}

void EcranOperation::questionSuivante() {
    for (QWidget* w : std::initializer_list<QWidget*>{SolutionImage, SolutionImage2, SolutionLabel, Bravo, Perdu}) w->hide();
    tireQuestion();
    suivi_.commence(Etat(), tempsAccorde(), FaitDe(question_), trou());
    const QString enMots = Lecture::question(question_, trou());
    Sons::litQuestion(enMots);
    // The question in words where the child types, as the voice says it.
    for (QLineEdit* champ : champs()) Accessibilite::nomme(champ, QStringLiteral("Ta réponse"), enMots);
    ramassage_->cache();
    if (mode() == Mode::Requin) {
        aide_->cacheBoutons();
        afficheQuestionRequin();
        champReponse()->setFocus();
        return;
    }
    if (mode() == Mode::Pirate) pirate_->lance(*tempsAccorde());
    afficheQuestion();
    champReponse()->show();
    champReponse()->setFocus();
}

void EcranOperation::tireQuestion() { question_ = TireQuestionOperation(Etat()); }

// Enter in an answer field; it also cuts short the end animation of a countdown.
void EcranOperation::entreeTapee() {
    if (partie_.RamassageEnCours) return;
    if (mode() == Mode::Pirate && pirate_->remonte()) {
        pirate_->arreteRemontee();
        champReponse()->setReadOnly(false);
        partie_.TempsEcoule = true;
    }
    if (mode() == Mode::Requin && requin_->derive()) {
        requin_->arreteDerive();
        partie_.TempsEcoule = true;
        eclatement()->hide();
    }
    ValiderResultatClick();
}

void EcranOperation::ValiderResultatClick() {
    if (exerciceFini()) return;
    QLineEdit* champ = champReponse();
    switch (partie_.examine(Etat(), champ->text())) {
        case PartieReponses::Saisie::Ignoree: return;
        case PartieReponses::Saisie::Nombre:
            SolutionImage2->hide();
            SolutionLabel->hide();
            Perdu->hide();
            if (mode() == Mode::Pirate && pirate_->remonte()) {
                pirate_->arreteRemontee();
                champ->setReadOnly(false);
                partie_.TempsEcoule = true;
            }
            ValiderRes();
            return;
        case PartieReponses::Saisie::PasUnNombre:
            champ->clear();
            SolutionImage2->setVisible(mode() != Mode::Requin);
            Perdu->dit(TexteNonNombre);
            return;
    }
}

void EcranOperation::ValiderRes() {
    bool montaitEncore = false;
    if (mode() == Mode::Requin) {
        montaitEncore = requin_->monteEncore();
        requin_->arreteMontee();
        if (requin_->derive()) {
            eclatement()->hide();
            requin_->arreteDerive();
        }
    }
    if (partie_.TempsEcoule) suivi_.finParCreature();
    else suivi_.reponse(champReponse()->text(), reponseJuste());
    switch (partie_.valide(Etat(), reponseJuste())) {
        case PartieReponses::Issue::JusteApresErreurs: Sons::joue(Effet::Juste); [[fallthrough]];
        case PartieReponses::Issue::Perdue:
            videReponses();
            ReponseJuste();
            return;
        case PartieReponses::Issue::JustePremierCoup:
            Sons::joue(Effet::Juste);
            lanceRamassage();
            champReponse()->setReadOnly(true);
            if (mode() == Mode::Requin) Perdu->dit(QStringLiteral("Bravo !"));
            else Bravo->show();
            return;
        case PartieReponses::Issue::Fausse:
            Sons::joue(Effet::Faux);
            videReponses();
            if (mode() == Mode::Requin) {
                // The question goes on while the bubble rises further.
                if (montaitEncore) requin_->reprend(*tempsAccorde());
            } else {
                SolutionImage->show();
            }
            Perdu->ditMessagePerdu();
            return;
    }
}

void EcranOperation::ReponseJuste() { questionFinie(); }

void EcranOperation::apresRamassage() {
    for (QLineEdit* champ : champs()) {
        champ->setReadOnly(false);
        champ->clear();
    }
}

void EcranOperation::videReponses() {
    for (QLineEdit* champ : champs()) champ->clear();
}

void EcranOperation::SolutionImageClick() {
    SolutionImage->hide();
    SolutionImage2->show();
    SolutionLabel->setText(QString::number(reponseAttendue()));
    SolutionLabel->show();
}

void EcranOperation::NumClick(int numero) {
    QLineEdit* champ = champReponse();
    if (exerciceFini() || partie_.RamassageEnCours || champ->isReadOnly()) return;
    champ->setText(QString::number(numero));
    suivi_.bandeUtilisee();
    champ->setFocus();
}

// The pirate takes the coin and climbs back with it; the field shows the expected answer.
void EcranOperation::pieceAtteinte() {
    QLineEdit* champ = champReponse();
    champ->setText(QString::number(reponseAttendue()));
    champ->setReadOnly(true);
    Perdu->hide();
}
