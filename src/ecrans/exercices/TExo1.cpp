// Exercise 1: the operation in three bubbles and the result field; against the shark, the
// operation rises in one bubble with the answer bubble at its corner.
#include "ecrans/exercices/TExo1.h"

#include "ecrans/exercices/AideComptage.h"
#include "ecrans/exercices/BulleRequin.h"
#include "ecrans/exercices/Geometrie.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Fabrique.h"
#include "ecrans/commun/Image.h"
#include "logique/etat/SharedState.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

using namespace Fabrique;

namespace {
const QString TapeEtValide = QStringLiteral(
    "Tape la réponse au clavier, puis tape sur \"entrée\" ou clique sur le poisson jaune pour valider");

bool dansLesImages(int v) { return v >= 0 && v <= 10; }  // the help pictures go from 0 to 10
}  // namespace

TExo1::TExo1() : TExo1(QStringLiteral("Exo1"), QStringLiteral("Exercice n°1 (donner le résultat)")) {}

TExo1::TExo1(const QString& nom, const QString& titre, const QString& enonce, const QString& enonceRequin)
    : EcranOperation({nom, titre, QStringLiteral("EnonceExo1"), QStringLiteral("Enonce2Exo1"), QStringLiteral("QuitterExo1"), 18},
                     {enonce.isEmpty() ? QStringLiteral("Aide le poisson à trouver le résultat de l'opération") : enonce,
                      !enonceRequin.isEmpty() ? enonceRequin
                                              : QStringLiteral("Vite, aide le poisson à trouver le résultat de l'opération\n"
                                                               "avant que le requin n'éclate la bulle!"),
                      TapeEtValide, QStringLiteral("Tape la réponse au clavier, puis tape sur \"entrée\""),
                      QStringLiteral("Tape la réponse au clavier ou clique sur la réponse au fond de l'eau, "
                                     "puis tape sur \"entrée\" ou\nclique sur le poisson jaune pour valider")},
                     QRect(856, 262, 159, 125), QPoint(896, 304)) {
    // The operation high in the water: under it the counting pictures, then the number strip, all
    // above the sand; the solution's card at the right, under the yellow fish.
    BulleOpGauche = image(this, QStringLiteral("BulleOpGauche"), QStringLiteral("bulle"), 169, 118, 136, 136);
    OpGauche = operande(this, QStringLiteral("OpGauche"), BulleOpGauche);
    // The signs in the face of the numbers, centred on the bubbles' middle: one baseline.
    Signe = etiquette(this, QStringLiteral("Signe"), Apparence::nombres(Apparence::PoliceNombres), Qt::black, 344, 141, 50, 90);
    BulleOpDroite = image(this, QStringLiteral("BulleOpDroite"), QStringLiteral("bulle"), 424, 118, 136, 136);
    OpDroite = operande(this, QStringLiteral("OpDroite"), BulleOpDroite);
    Egal = etiquette(this, QStringLiteral("Egal"), Apparence::nombres(Apparence::PoliceNombres), Qt::black, 592, 141, 50, 90);
    Egal->setText(QStringLiteral("="));
    BulleResultatExo1 = panneau(this, QStringLiteral("BulleResultatExo1"), 665, 118, 136, 136);
    image(BulleResultatExo1, QStringLiteral("BulleResultat"), QStringLiteral("bulle"), 0, 0, 136, 136);
    Resultat = champ(BulleResultatExo1, QStringLiteral("Resultat"), 8, 24, 120, 88);

    aideGauche_ = aide_->ajouteEmplacement(158, 256,
                                           {QStringLiteral("ConteneurAideGaucheDessin"), QStringLiteral("ImageGaucheDessin"),
                                            QStringLiteral("ConteneurAideGaucheConstellation"), QStringLiteral("ImageGauche")});
    aideDroite_ = aide_->ajouteEmplacement(412, 256,
                                           {QStringLiteral("ConteneurAideDroiteDessin"), QStringLiteral("ImageDroiteDessin"),
                                            QStringLiteral("ConteneurAideDroiteConstellation"), QStringLiteral("ImageDroite")});

    Bulle1 = panneau(this, QStringLiteral("Bulle1"), 160, 360, 164, 164);
    Bulle1Image = image(Bulle1, QStringLiteral("Bulle1Image"), QStringLiteral("bulle"), 0, 0, 164, 164);
    // Against the shark the whole operation in one bubble, and "=" with the answer in another.
    OpBulle1 = etiquette(Bulle1, QStringLiteral("OpBulle1"), Apparence::nombres(TailleRequin), Qt::black, 0, 59);
    Bulle2 = panneau(this, QStringLiteral("Bulle2"), 200, 488, 136, 136);
    image(Bulle2, QStringLiteral("Bulle2Image"), QStringLiteral("bulle"), 0, 0, 136, 136);
    EgaleBulle2 = etiquette(Bulle2, QStringLiteral("EgaleBulle2"), Apparence::nombres(TailleRequin), Qt::black, 14, 24, 36, 88);
    EgaleBulle2->setText(QStringLiteral("="));
    ResultatBulle2 = champ(Bulle2, QStringLiteral("ResultatBulle2"), 50, 24, 80, 88);
    RequinPanel = panneau(this, QStringLiteral("RequinPanel"), 770, 100, 255, 172);
    image(RequinPanel, QStringLiteral("Requin"), QStringLiteral("requin"), 0, 0, 255, 172);
    // The question the shark has caught, said under its mouth.
    LabelRequin = etiquette(RequinPanel, QStringLiteral("LabelRequin"), Apparence::arial(22, true), Apparence::Marine, 4, 130,
                            116, 38);
    LabelRequin->setStyleSheet(Apparence::styleBulleParole());
    BulleExplose = image(this, QStringLiteral("BulleExplose"), QStringLiteral("bulle_explose"), 656, 128, 136, 136);
    // The burst behind the shark's face.
    BulleExplose->stackUnder(RequinPanel);

    // Bubbles stay round with their captions and fields, the shark with its speech.
    for (QWidget* w : std::initializer_list<QWidget*>{BulleResultatExo1, Bulle1, Bulle2, RequinPanel})
        Marques::gardeProportions(w);
    finitCreationOperation();
    Fabrique::pleine(ResultatBulle2, EgaleBulle2->font());  // one face with its "="
    connect(requin_, &BulleRequin::deplacee, this, [this] { placeBulle2(); });
}

void TExo1::disposeEcran(bool requin) {
    for (QWidget* w : std::initializer_list<QWidget*>{Signe, Egal, BulleOpGauche, OpGauche, BulleOpDroite, OpDroite,
                                                      BulleResultatExo1, Resultat})
        w->setVisible(!requin);
    for (QWidget* w : std::initializer_list<QWidget*>{Bulle1, Bulle2, RequinPanel}) w->setVisible(requin);
    BulleExplose->hide();
    // The shark and the bubble's burst on their design places, under the statements however tall
    // the display makes them.
    if (!requin) return;
    // The burst keeps its place by the shark's mouth when the shark goes down.
    const int dessous = basDesEnonces() + Affichage::enY(4);
    RequinPanel->move(Affichage::enX(770), std::max(Affichage::enY(100), dessous));
    BulleExplose->move(Affichage::enX(656), std::max(Affichage::enY(128), RequinPanel->y() + Affichage::enY(28)));
}

void TExo1::afficheQuestion() {
    Signe->setText(SigneOperation(question_.operation));
    afficheOperande(OpGauche, BulleOpGauche, QString::number(question_.gauche));
    afficheOperande(OpDroite, BulleOpDroite, QString::number(question_.droite));
    aide_->prepare(dansLesImages(question_.gauche) && dansLesImages(question_.droite));
}

// The operation rises in its bubble from the fish towards the shark.
void TExo1::afficheQuestionRequin() {
    Signe->setText(SigneOperation(question_.operation));
    Bulle1->show();
    Bulle2->show();
    OpBulle1->setText(TexteOperation(question_, true));
    Fabrique::ajusteNombre(OpBulle1, Bulle1Image->width() * 4 / 5);
    OpBulle1->adjustSize();
    OpBulle1->move(Bulle1Image->x() + (Bulle1Image->width() - OpBulle1->width()) / 2,
                   Bulle1Image->y() + (Bulle1Image->height() - OpBulle1->height()) / 2);
    Bulle1->move(Affichage::enX(280), Affichage::enY(360));
    placeBulle2();
    LabelRequin->hide();
    ResultatBulle2->show();
    ResultatBulle2->setReadOnly(false);
    const int pasVertical = Ajustement::arrondi((Poisson->y() - BulleExplose->y()) / 30.0);
    const int pasHorizontal = Ajustement::arrondi((RequinPanel->x() - Poisson->x()) / 30.0);
    requin_->monte(
        Bulle1, pasHorizontal, pasVertical,
        [this] { return Bulle1->x() <= RequinPanel->x() - Bulle1->width() && Bulle1->y() >= BulleExplose->y() + 10; },
        *tempsAccorde());
}

// The answer bubble rides at the question bubble's lower right corner.
void TExo1::placeBulle2() { Bulle2->move(droiteDe(Bulle1), basDe(Bulle1)); }

// The bubble bursts at the shark, which shows the question; the answer bubble drifts away with
// the right result.
void TExo1::bulleEclatee() {
    BulleExplose->show();
    LabelRequin->setText(OpBulle1->text());
    LabelRequin->show();
    Bulle1->hide();
    ResultatBulle2->setText(QString::number(question_.resultat));
    ResultatBulle2->setReadOnly(true);
    // The answer stays whole on the screen for four drifts (2 s) at least, time to read it: near
    // the right edge it starts a little further left, under the burst.
    constexpr int Pas = 30, DerivesLisibles = 4;
    const int gaucheMax = width() - DerivesLisibles * Pas - Bulle2->width();
    if (Bulle2->x() > gaucheMax) Bulle2->move(std::max(0, gaucheMax), Bulle2->y());
    requin_->faisDeriver({Bulle2}, Pas);
}

QLineEdit* TExo1::champReponse() const { return mode() == Mode::Requin ? ResultatBulle2 : Resultat; }

bool TExo1::reponseJuste() const {
    return PartieReponses::estJuste({{Resultat->text(), question_.resultat}, {ResultatBulle2->text(), question_.resultat}});
}

QWidget* TExo1::eclatement() const { return BulleExplose; }

void TExo1::aideDemandee() {
    if (!dansLesImages(question_.gauche) || !dansLesImages(question_.droite)) return;
    aide_->montre({{aideGauche_, OpGauche->text()}, {aideDroite_, OpDroite->text()}});
}

QString TExo1::texteErreurs(bool) const {
    if (mode() == Mode::Requin) return OpBulle1->text();
    return OpGauche->text() + Signe->text() + OpDroite->text();
}

QList<QWidget*> TExo1::nombresHorsBulles() const { return {OpGauche, OpDroite, Signe, Egal}; }
