// Exercise 2: the hole is an answer field in the bubble of the missing operand; against the
// shark family the row of five bubbles rises, bursts, and its two small sign bubbles drift away.
#include "ecrans/exercices/TExo2.h"

#include "logique/base/Aleatoire.h"
#include "ecrans/exercices/AideComptage.h"
#include "ecrans/exercices/BulleRequin.h"
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
bool dansLesImages(int v) { return v >= 0 && v <= 10; }  // the help pictures go from 0 to 10

// A bubble panel with its picture, at the design place x, y (136 × 136).
Panneau* bulle(QWidget* parent, const QString& nom, const QString& nomImage, int x, int y, Image** image = nullptr) {
    Panneau* p = panneau(parent, nom, x, y, 136, 136);
    Marques::gardeProportions(p);
    Image* i = Fabrique::image(p, nomImage, QStringLiteral("bulle"), 0, 0, 136, 136);
    if (image) *image = i;
    return p;
}

// A small sign bubble of the rising row (48 × 48) with its sign.
QLabel* petiteBulle(QWidget* parent, const QString& nom, const QString& nomSigne, int x) {
    Panneau* p = panneau(parent, nom, x, 44, 48, 48);
    Fabrique::image(p, nom + QStringLiteral("Image"), QStringLiteral("bulle_petite"), 0, 0, 48, 48);
    return etiquette(p, nomSigne, Apparence::nombres(30), Qt::black, 0, 0, 48, 48);
}

QString dessinPetiteBulle(Operation operation) {
    switch (operation) {
        case Operation::Addition: return QStringLiteral("petite_bulle_plus");
        case Operation::Soustraction: return QStringLiteral("petite_bulle_moins");
        case Operation::Multiplication: return QStringLiteral("petite_bulle_fois");
        case Operation::Division: return QStringLiteral("petite_bulle_divise");
    }
    return QStringLiteral("petite_bulle_plus");
}
}  // namespace

TExo2::TExo2()
    : EcranOperation({QStringLiteral("Exo2"), QStringLiteral("Exercice n°2 (exercice à trou)"), QStringLiteral("EnonceExo2"),
                      QStringLiteral("Enonce2Exo2"), QStringLiteral("QuitterExo2"), 20},
                     {QStringLiteral("Aide le poisson à donner la valeur manquante"),
                      QStringLiteral("Vite, aide le poisson à donner la valeur\nmanquante avant que la famille\n"
                                     "requin n'éclatent les bulles\u00A0!"),
                      QStringLiteral("Tape la réponse au clavier, puis tape sur \"entrée\" ou clique sur le poisson jaune pour "
                                     "valider"),
                      QStringLiteral("Tape la réponse au clavier, puis tape sur \"entrée\""),
                      QStringLiteral("Tape la réponse au clavier ou clique sur la réponse au fond de l'eau, puis tape sur\n"
                                     " \"entrée\" ou clique sur le poisson jaune pour valider")},
                     QRect(856, 262, 149, 122), QPoint(891, 303)) {
    creeBulles();
    creeRequins();
    // The row of bubbles, the family and the burst row keep their proportions on any display.
    for (QWidget* w : std::initializer_list<QWidget*>{PanelSoutientBulle, PanelFamilleRequin, PanelSoutientBulle2})
        Marques::gardeProportions(w);
    finitCreationOperation();
}

void TExo2::creeBulles() {
    Exo2BulleOpGauche = bulle(this, QStringLiteral("Exo2BulleOpGauche"), QStringLiteral("Image5"), 169, 118);
    OpGaucheEdit = champ(Exo2BulleOpGauche, QStringLiteral("OpGaucheEdit"), 8, 24, 120, 88);
    Exo2BulleOpGauche2 = bulle(this, QStringLiteral("Exo2BulleOpGauche2"), QStringLiteral("Image6"), 169, 118, &Image6);
    OpGauche = operande(Exo2BulleOpGauche2, QStringLiteral("OpGauche"), Image6);
    // The signs in the face of the numbers, centred on the bubbles' middle: one baseline.
    Signe = etiquette(this, QStringLiteral("Signe"), Apparence::nombres(Apparence::PoliceNombres), Qt::black, 344, 141, 50, 90);
    Exo2BulleOpDroite = bulle(this, QStringLiteral("Exo2BulleOpDroite"), QStringLiteral("Image1"), 424, 118);
    OpDroiteEdit = champ(Exo2BulleOpDroite, QStringLiteral("OpDroiteEdit"), 8, 24, 120, 88);
    Exo2BulleOpDroite2 = bulle(this, QStringLiteral("Exo2BulleOpDroite2"), QStringLiteral("Image4"), 424, 118, &Image4);
    OpDroite1 = operande(Exo2BulleOpDroite2, QStringLiteral("OpDroite1"), Image4);
    Egal = etiquette(this, QStringLiteral("Egal"), Apparence::nombres(Apparence::PoliceNombres), Qt::black, 592, 141, 50, 90);
    Egal->setText(QStringLiteral("="));
    BulleRes = image(this, QStringLiteral("BulleRes"), QStringLiteral("bulle"), 665, 118, 136, 136);
    Resultat = operande(this, QStringLiteral("Resultat"), BulleRes);

    const auto place = [this](int x, const QString& cote) {
        return aide_->ajouteEmplacement(
            x, 256,
            {QStringLiteral("ConteneurAide%1Dessin").arg(cote), QStringLiteral("Image%1Dessin").arg(cote),
             QStringLiteral("ConteneurAide%1Constellation").arg(cote), QStringLiteral("Image%1").arg(cote)});
    };
    aideGauche_ = place(158, QStringLiteral("Gauche"));
    aideDroite_ = place(412, QStringLiteral("Droite"));
    aideResultat_ = place(654, QStringLiteral("Resultat"));
}

void TExo2::creeRequins() {
    // The whole operation as a row of bubbles: 136, 48, 136, 48, 136 wide.
    PanelSoutientBulle = panneau(this, QStringLiteral("PanelSoutientBulle"), 248, 480, 504, 136);
    Exo2BulleGauche = bulle(PanelSoutientBulle, QStringLiteral("Exo2BulleGauche"), QStringLiteral("Exo2BulleGaucheImage"), 0, 0);
    Exo2OpGauche = operande(Exo2BulleGauche, QStringLiteral("Exo2OpGauche"), Exo2BulleGauche->findChild<Image*>());
    Exo2OpGaucheEdit = champ(Exo2BulleGauche, QStringLiteral("Exo2OpGaucheEdit"), 8, 24, 120, 88);
    Exo2Signe = petiteBulle(PanelSoutientBulle, QStringLiteral("Exo2BullePlus"), QStringLiteral("Exo2Signe"), 136);
    Exo2BulleDroite = bulle(PanelSoutientBulle, QStringLiteral("Exo2BulleDroite"), QStringLiteral("Exo2BulleDroiteImage"), 184,
                            0);
    Exo2OpDroite = operande(Exo2BulleDroite, QStringLiteral("Exo2OpDroite"), Exo2BulleDroite->findChild<Image*>());
    Exo2OpDroiteEdit = champ(Exo2BulleDroite, QStringLiteral("Exo2OpDroiteEdit"), 8, 24, 120, 88);
    petiteBulle(PanelSoutientBulle, QStringLiteral("Exo2BulleEgale"), QStringLiteral("Exo2Egale"), 320)
        ->setText(QStringLiteral("="));
    Panneau* resultat = bulle(PanelSoutientBulle, QStringLiteral("Exo2BulleResultat"), QStringLiteral("Exo2BulleResultatImage"),
                              368, 0);
    Exo2Resultat = operande(resultat, QStringLiteral("Exo2Resultat"), resultat->findChild<Image*>());

    // Papa, maman and bébé shark, and what they say when they burst the bubbles.
    PanelFamilleRequin = panneau(this, QStringLiteral("PanelFamilleRequin"), 352, 72, 657, 172);
    image(PanelFamilleRequin, QStringLiteral("BebeRequin"), QStringLiteral("requin_bebe"), 0, 92, 115, 77);
    image(PanelFamilleRequin, QStringLiteral("MamanRequin"), QStringLiteral("requin_maman"), 120, 62, 158, 107);
    image(PanelFamilleRequin, QStringLiteral("PapaRequin"), QStringLiteral("requin_papa"), 285, 30, 204, 138);
    LabelRequin1 = etiquette(PanelFamilleRequin, QStringLiteral("LabelRequin1"), Apparence::arial(24, true), Apparence::Marine,
                             495, 40, 160, 44);
    LabelRequin2 = etiquette(PanelFamilleRequin, QStringLiteral("LabelRequin2"), Apparence::arial(24, true), Apparence::Marine,
                             495, 94, 160, 44);
    for (QLabel* l : {LabelRequin1, LabelRequin2}) l->setStyleSheet(Apparence::styleBulleParole());

    PanelSoutientBulle2 = panneau(this, QStringLiteral("PanelSoutientBulle2"), 264, 320, 505, 137);
    image(PanelSoutientBulle2, QStringLiteral("Image2"), QStringLiteral("eclat_rangee"), 0, 0, 505, 137);
    PetiteBullePlus = image(this, QStringLiteral("PetiteBullePlus"), QStringLiteral("petite_bulle_plus"), 0, 0, 48, 48);
    PetiteBulleEgal = image(this, QStringLiteral("PetiteBulleEgal"), QStringLiteral("petite_bulle_egal"), 0, 0, 48, 48);
}

// The hole on the left or on the right, with equal chance.
void TExo2::TireOpATrou() { TrouAGauche = Aleatoire::random(2) == 0; }

void TExo2::tireQuestion() {
    TireOpATrou();
    EcranOperation::tireQuestion();
}

void TExo2::disposeEcran(bool requin) {
    for (QWidget* w : std::initializer_list<QWidget*>{Signe, Egal, BulleRes, Resultat}) w->setVisible(!requin);
    for (QWidget* w : std::initializer_list<QWidget*>{Exo2BulleOpGauche, Exo2BulleOpGauche2, Exo2BulleOpDroite,
                                                      Exo2BulleOpDroite2, PanelSoutientBulle2, PetiteBullePlus, PetiteBulleEgal})
        w->hide();
    PanelSoutientBulle->setVisible(requin);
    PanelFamilleRequin->setVisible(requin);
    if (!requin) return;
    // The family at the right edge, under the statements however tall the display makes them;
    // the burst row just below it.
    PanelFamilleRequin->move(width() - (PanelFamilleRequin->width() + 50), std::max(Affichage::enY(72), basDesEnonces()));
    PanelSoutientBulle2->move(PanelFamilleRequin->x() + Affichage::enX(88),
                              PanelFamilleRequin->y() + PanelFamilleRequin->height());
    // The bubbles start above the fish, clear of the sharks.
    const int sousLaFamille = PanelFamilleRequin->y() + PanelFamilleRequin->childrenRect().bottom() + Affichage::enY(8) +
                              PanelSoutientBulle->height();
    if (Poisson->y() < sousLaFamille) Poisson->move(Poisson->x(), sousLaFamille);
}

void TExo2::afficheQuestion() {
    Exo2BulleOpGauche->setVisible(TrouAGauche);
    Exo2BulleOpDroite2->setVisible(TrouAGauche);
    Exo2BulleOpGauche2->setVisible(!TrouAGauche);
    Exo2BulleOpDroite->setVisible(!TrouAGauche);
    Signe->setText(SigneOperation(question_.operation));
    if (TrouAGauche) afficheOperande(OpDroite1, Image4, QString::number(question_.droite));
    else afficheOperande(OpGauche, Image6, QString::number(question_.gauche));
    afficheOperande(Resultat, BulleRes, QString::number(question_.resultat));
    aide_->prepare(dansLesImages(operandeConnue()) && dansLesImages(question_.resultat));
}

// The row of bubbles rises from the fish towards the shark family.
void TExo2::afficheQuestionRequin() {
    Signe->setText(SigneOperation(question_.operation));
    PanelSoutientBulle->show();
    PetiteBullePlus->hide();
    PetiteBulleEgal->hide();
    Exo2OpGaucheEdit->setVisible(TrouAGauche);
    Exo2OpGauche->setVisible(!TrouAGauche);
    Exo2OpDroiteEdit->setVisible(!TrouAGauche);
    Exo2OpDroite->setVisible(TrouAGauche);
    if (TrouAGauche) afficheOperande(Exo2OpDroite, Exo2BulleDroite->findChild<Image*>(), QString::number(question_.droite));
    else afficheOperande(Exo2OpGauche, Exo2BulleGauche->findChild<Image*>(), QString::number(question_.gauche));
    Exo2Signe->setText(Signe->text());
    afficheOperande(Exo2Resultat, Exo2Resultat->parentWidget()->findChild<Image*>(), QString::number(question_.resultat));

    PanelSoutientBulle->move(Poisson->x() + Poisson->height(), Poisson->y() - PanelSoutientBulle->height());
    LabelRequin1->hide();
    LabelRequin2->hide();
    champReponse()->show();
    champReponse()->setReadOnly(false);
    const int pasVertical = Ajustement::arrondi((Poisson->y() - (PanelFamilleRequin->y() + PanelFamilleRequin->height())) / 30.0);
    const int pasHorizontal = Ajustement::arrondi(
        ((PanelFamilleRequin->x() + PanelFamilleRequin->width()) - (Poisson->x() + Poisson->width())) / 30.0);
    requin_->monte(
        PanelSoutientBulle, pasHorizontal, pasVertical,
        [this] {
            return PanelSoutientBulle->y() >= PanelSoutientBulle2->y() - 30 &&
                   PanelSoutientBulle->x() <= PanelSoutientBulle2->x() + 90;
        },
        *tempsAccorde());
}

// The sharks burst the bubbles and say the whole operation; the hole shows the missing operand
// and the two small sign bubbles drift away.
void TExo2::bulleEclatee() {
    PanelSoutientBulle2->show();
    LabelRequin1->setText(QString::number(question_.gauche) + QLatin1Char(' ') + Signe->text() + QLatin1Char(' ') +
                          QString::number(question_.droite) + QStringLiteral(" ="));
    LabelRequin2->setText(QString::number(question_.resultat));
    LabelRequin1->show();
    LabelRequin2->show();
    PanelSoutientBulle->hide();
    const int haut = PanelSoutientBulle->y() + Ajustement::arrondi(PanelSoutientBulle->height() / 2.0);
    const int pas = Exo2BulleGauche->height();
    PetiteBullePlus->setDessin(dessinPetiteBulle(question_.operation));
    PetiteBullePlus->move(PanelSoutientBulle->x() + pas, haut);
    PetiteBulleEgal->move(PanelSoutientBulle->x() + 2 * pas, haut);
    PetiteBullePlus->show();
    PetiteBulleEgal->show();
    PetiteBullePlus->raise();
    PetiteBulleEgal->raise();
    champReponse()->setText(QString::number(reponseAttendue()));
    requin_->faisDeriver({PetiteBullePlus, PetiteBulleEgal}, 75);
}

QLineEdit* TExo2::champReponse() const {
    if (mode() == Mode::Requin) return TrouAGauche ? Exo2OpGaucheEdit : Exo2OpDroiteEdit;
    return TrouAGauche ? OpGaucheEdit : OpDroiteEdit;
}

// Only the drawn operand is right, even when another number would make the equation true.
bool TExo2::reponseJuste() const {
    return PartieReponses::estJuste({{OpDroiteEdit->text(), question_.droite},
                                     {OpGaucheEdit->text(), question_.gauche},
                                     {Exo2OpDroiteEdit->text(), question_.droite},
                                     {Exo2OpGaucheEdit->text(), question_.gauche}});
}

QWidget* TExo2::eclatement() const { return PanelSoutientBulle2; }

// Pictures under the known operand and under the result; none for the missing operand.
void TExo2::aideDemandee() {
    if (!dansLesImages(operandeConnue()) || !dansLesImages(question_.resultat)) return;
    const QString connue = TrouAGauche ? OpDroite1->text() : OpGauche->text();
    aide_->montre({{TrouAGauche ? aideDroite_ : aideGauche_, connue}, {aideResultat_, Resultat->text()}});
}

// The missing operand written "..." ("..", for the last question of the exercise).
QString TExo2::texteErreurs(bool derniere) const {
    const bool requin = mode() == Mode::Requin;
    const QString points = derniere ? QStringLiteral("..") : QStringLiteral("...");
    const QString signe = requin ? Exo2Signe->text() : Signe->text();
    const QString resultat = requin ? Exo2Resultat->text() : Resultat->text();
    if (TrouAGauche) return points + signe + (requin ? Exo2OpDroite->text() : OpDroite1->text()) + QLatin1Char('=') + resultat;
    return (requin ? Exo2OpGauche->text() : OpGauche->text()) + signe + points + QLatin1Char('=') + resultat;
}

QList<QWidget*> TExo2::nombresHorsBulles() const { return {Resultat, Signe, Egal}; }
