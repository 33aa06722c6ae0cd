// Exercise 1: showing the exercise, drawing and showing questions, checking answers, the number
// strip, the counting help, the lost-question messages, quitting and the end of the exercise.
#include "exercises/TExo1.h"

#include "session/SequenceDriver.h"
#include "interface/Affichage.h"
#include "base/Aleatoire.h"
#include "interface/Controles.h"
#include "base/Garde.h"
#include "interface/Image.h"
#include "interface/Images.h"
#include "base/Minuterie.h"
#include "interface/Ecrans.h"
#include "state/SharedState.h"
#include "state/Utils.h"
#include "interface/UtilsEcran.h"
#include "exercises/MessagesPerdu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace {
const QString TexteNonNombre = QStringLiteral("Tu n'as pas rentré un nombre !");

void cache(std::initializer_list<QWidget*> controles) {
    for (QWidget* w : controles) w->hide();
}
}  // namespace

void TExo1::FormShow() {
    SharedState& e = Etat();
    const QSize ecran = Affichage::taille();
    if (e.TempsDeReponse > 0)
        mode_ = e.AvecPirate ? Mode::Pirate : Mode::Requin;
    else
        mode_ = Mode::SansLimite;
    exerciceFini_ = false;

    e.NombreErreurs = 0;
    piece->move(echelleX() * 96, echelleY() * 704);
    // A questions count of 0 or less would divide by zero: the crab then takes one step.
    pasCrabe_ = ecran.width() / std::max(1, e.NombreDeQuestions);
    Crabe->move(echelleX() * 16, echelleY() * 732);
    partie_.commence(e);

    pirate_descend->hide();
    pirate_monte->hide();
    piece->show();
    cache({Aide, EnleverAide, AideGrisee, ConteneurAideGaucheDessin, ConteneurAideDroiteDessin,
           ConteneurAideGaucheConstellation, ConteneurAideDroiteConstellation, SolutionImage, SolutionImage2,
           SolutionLabel, Perdu, Bravo, ramasse_piece1, ramasse_piece2});
    Resultat->clear();
    ResultatBulle2->clear();
    Resultat->setReadOnly(false);
    ResultatBulle2->setReadOnly(false);

    creeMinuteries();
    const QList<QWidget*> question = {Signe, Egal, BulleOpGauche, OpGauche, BulleOpDroite, OpDroite,
                                      BulleResultatExo1, Resultat, PoissonRes};
    if (mode_ != Mode::Requin) {
        EnonceExo1->setText(QStringLiteral("Aide le poisson à trouver le résultat de l'opération"));
        Enonce2Exo1->setText(QStringLiteral(
            "Tape la réponse au clavier, puis tape sur \"entrée\" ou clique sur le poisson jaune pour valider"));
        for (QWidget* w : question) w->show();
        SoutientBandeNum->show();
        Resultat->setFocus();
        // The fish with the sign seems to say the message.
        Perdu->move(SolutionImage2->x() + SolutionImage2->width() - 30,
                    SolutionImage2->y() + SolutionImage2->height() / 3 + 3);
        cache({Bulle1, Bulle2, BulleExplose, RequinPanel, Poisson});
        SoutientBandeNum->move(SoutientBandeNum->x(), echelleY() * 400);
        ReplaceBandeNum();
    } else {
        EnonceExo1->setText(QStringLiteral("Vite, aide le poisson à trouver le résultat de l'opération\n"
                                           "avant que le requin n'éclate la bulle!"));
        Enonce2Exo1->setText(QStringLiteral("Tape la réponse au clavier, puis tape sur \"entrée\""));
        for (QWidget* w : question) w->hide();
        SoutientBandeNum->hide();
        e.BandeNumerique = 10;
        Perdu->move(Poisson->x() + Poisson->width() - 30, Poisson->y() + Poisson->height() / 3);
        for (QWidget* w : std::initializer_list<QWidget*>{Bulle1, Bulle2, RequinPanel, Poisson}) w->show();
        BulleExplose->hide();
        RequinPanel->move(echelleX() * 770, echelleY() * 100);
        Poisson->move(echelleX() * 104, echelleY() * 512);
    }

    GenereExo1();

    if (e.BandeNumerique != 10)
        Enonce2Exo1->setText(QStringLiteral("Tape la réponse au clavier ou clique sur la réponse au fond de l'eau, "
                                            "puis tape sur \"entrée\" ou\nclique sur le poisson jaune pour valider"));
    placeEnonces();
    const int k = e.BandeNumerique;
    if (k >= 0 && k <= 9) {
        for (int r = 0; r < 10; ++r) BandeNum[r]->setVisible(r <= k);
    } else {
        SoutientBandeNum->hide();
        for (Panneau* rangee : BandeNum) rangee->hide();
    }
}

void TExo1::GenereExo1() {
    question_ = TireQuestionExo1(Etat());
    Signe->setText(SigneOperation(question_.operation));
    afficheQuestion();
}

void TExo1::afficheQuestion() {
    SharedState& e = Etat();
    if (mode_ == Mode::Requin) {
        Aide->hide();
        AideGrisee->hide();
        EnleverAide->hide();
        Bulle1->show();
        Bulle2->show();
        OpBulle1->setText(TexteOperation(question_, true));
        OpBulle1->adjustSize();
        CentreHorizontalement(e, Bulle1Image, OpBulle1);
        LanceLeTimer();
        ramasse_piece1->hide();
        ramasse_piece2->hide();
        ResultatBulle2->setFocus();
        return;
    }
    if (mode_ == Mode::Pirate) {
        pirate_descend->hide();
        pirate_monte->hide();
        piece->show();
        LanceLeTimerPirate();
    }
    for (auto [label, bulle, valeur] : {std::tuple{OpGauche, BulleOpGauche, question_.gauche},
                                        std::tuple{OpDroite, BulleOpDroite, question_.droite}}) {
        label->setText(QString::number(valeur));
        label->adjustSize();
        CentreHorizontalement(e, bulle, label);
        label->move(label->x() - 16, label->y());
    }
    EnleverAide->hide();
    Resultat->show();
    Resultat->setFocus();
    // The pictures go from 0 to 10: help only for operands in that range.
    const auto dansLesImages = [](int v) { return v >= 0 && v <= 10; };
    const bool aide = e.TypeAide != 2 && dansLesImages(question_.gauche) && dansLesImages(question_.droite);
    Aide->setVisible(aide);
    AideGrisee->setVisible(!aide);
    cache({ConteneurAideGaucheDessin, ConteneurAideDroiteDessin, ConteneurAideGaucheConstellation,
           ConteneurAideDroiteConstellation, ramasse_piece1, ramasse_piece2});
}

QString TExo1::texteQuestion() const {
    if (mode_ == Mode::Requin) return OpBulle1->text();
    return OpGauche->text() + Signe->text() + OpDroite->text();
}

QLineEdit* TExo1::champReponse() const { return mode_ == Mode::Requin ? ResultatBulle2 : Resultat; }

void TExo1::videReponses() {
    Resultat->clear();
    ResultatBulle2->clear();
}

bool TExo1::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress && (objet == Resultat || objet == ResultatBulle2)) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            Garde::execute([this] { ResultatKeyPress(); });
            return true;
        }
    } else if (evenement->type() == QEvent::MouseButtonRelease && objet->property("numero").isValid()) {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        if (souris->button() == Qt::LeftButton) {
            const int numero = objet->property("numero").toInt();
            Garde::execute([this, numero] { NumClick(numero); });
            return true;
        }
    }
    return Fenetre::eventFilter(objet, evenement);
}

// Enter in an answer field; it also cuts short the end animation of a countdown.
void TExo1::ResultatKeyPress() {
    if (partie_.RamassageEnCours || exerciceFini_) return;
    if (mode_ == Mode::Pirate && minuterieRemontePirate_ && minuterieRemontePirate_->isActive()) {
        minuterieRemontePirate_->stop();
        Resultat->setReadOnly(false);
        partie_.TempsEcoule = true;
    }
    if (mode_ == Mode::Requin && minuterieDeriveBulle_ && minuterieDeriveBulle_->isActive()) {
        minuterieDeriveBulle_->stop();
        partie_.TempsEcoule = true;
        BulleExplose->hide();
    }
    ValiderResultatClick();
}

void TExo1::ValiderResultatClick() {
    if (exerciceFini_) return;
    QLineEdit* champ = champReponse();
    switch (partie_.examine(Etat(), champ->text())) {
        case PartieExo1::Saisie::Ignoree: return;
        case PartieExo1::Saisie::Nombre:
            SolutionImage2->hide();
            SolutionLabel->hide();
            Perdu->hide();
            if (mode_ == Mode::Pirate && minuterieRemontePirate_ && minuterieRemontePirate_->isActive()) {
                minuterieRemontePirate_->stop();
                Resultat->setReadOnly(false);
                partie_.TempsEcoule = true;
            }
            ValiderRes();
            return;
        case PartieExo1::Saisie::PasUnNombre:
            champ->clear();
            SolutionImage2->setVisible(mode_ != Mode::Requin);
            ditPerdu(TexteNonNombre);
            return;
    }
}

void TExo1::ValiderRes() {
    bool montaitEncore = false;
    if (mode_ == Mode::Requin) {
        montaitEncore = minuterieMonteeBulle_ && minuterieMonteeBulle_->isActive();
        if (montaitEncore) minuterieMonteeBulle_->stop();
        if (minuterieDeriveBulle_ && minuterieDeriveBulle_->isActive()) {
            BulleExplose->hide();
            minuterieDeriveBulle_->stop();
        }
    }
    const bool juste = PartieExo1::estJuste(Resultat->text(), ResultatBulle2->text(), question_.resultat);
    switch (partie_.valide(Etat(), juste)) {
        case PartieExo1::Issue::Perdue:
        case PartieExo1::Issue::JusteApresErreurs:
            videReponses();
            ReponseJuste();
            return;
        case PartieExo1::Issue::JustePremierCoup: LanceLeTimerBravo(); return;
        case PartieExo1::Issue::Fausse:
            videReponses();
            if (mode_ == Mode::Requin) {
                // The question goes on while the bubble rises further.
                if (montaitEncore) Minuterie::demarre(minuterieMonteeBulle_, Etat().TempsDeReponse * 50);
            } else {
                SolutionImage->show();
            }
            AssocieMessagePerdu();
            return;
    }
}

void TExo1::SolutionImageClick() {
    SolutionImage->hide();
    SolutionImage2->show();
    SolutionLabel->setText(QString::number(question_.resultat));
    SolutionLabel->show();
}

// The question is done (right answer or lost): the next one, or the end of the exercise.
void TExo1::ReponseJuste() {
    Crabe->move(Crabe->x() + pasCrabe_, Crabe->y());
    if (partie_.resteDesQuestions(Etat().NombreDeQuestions)) {
        partie_.passeALaSuivante(texteQuestion());
        cache({SolutionImage, SolutionImage2, SolutionLabel, Bravo, Perdu});
        GenereExo1();
        return;
    }
    FinExercice();
}

void TExo1::FinExercice() {
    exerciceFini_ = true;
    SharedState& e = Etat();
    MarqueFinExercice(e);
    partie_.termineLaDerniere(texteQuestion());
    EnregistreResultats(e, e.NombreErreurs, partie_.ListeErreurs);
    libereMinuteries();
    EnchaineApresExercice(e, this);
}

// A short strip sits lower on the screen.
void TExo1::ReplaceBandeNum() {
    if (mode_ == Mode::Requin) return;
    const int k = Etat().BandeNumerique;
    if (k < 0 || k > 9) {
        SoutientBandeNum->hide();
        return;
    }
    const int rangee = BandeNum[0]->height();
    SoutientBandeNum->move(SoutientBandeNum->x(), SoutientBandeNum->y() + ((10 - k) / 2) * rangee);
    SoutientBandeNum->resize(SoutientBandeNum->width(), (k + 1) * (rangee - 4));
}

void TExo1::NumClick(int numero) {
    if (exerciceFini_ || partie_.RamassageEnCours || Resultat->isReadOnly()) return;
    Resultat->setText(QString::number(numero));
    Resultat->setFocus();
}

void TExo1::AideClick() {
    const int aide = Etat().TypeAide;
    if (aide != 0 && aide != 1) return;
    if (!(question_.gauche >= 0 && question_.gauche <= 10 && question_.droite >= 0 && question_.droite <= 10))
        return;
    const QString dossier = aide == 0 ? QStringLiteral("Images/Tortues/") : QStringLiteral("Images/Dominos/");
    Panneau* gauche = aide == 0 ? ConteneurAideGaucheDessin : ConteneurAideGaucheConstellation;
    Panneau* droite = aide == 0 ? ConteneurAideDroiteDessin : ConteneurAideDroiteConstellation;
    Image* imageGauche = aide == 0 ? ImageGaucheDessin : ImageGauche;
    Image* imageDroite = aide == 0 ? ImageDroiteDessin : ImageDroite;
    for (auto [conteneur, image, texte] :
         {std::tuple{gauche, imageGauche, OpGauche->text()}, std::tuple{droite, imageDroite, OpDroite->text()}}) {
        conteneur->show();
        image->setPixmap(Images::charge(dossier + texte + QStringLiteral(".jpg"), image->size()));
    }
    Aide->hide();
    EnleverAide->show();
}

void TExo1::EnleverAideClick() {
    if (Etat().TypeAide == 0) {
        ConteneurAideGaucheDessin->hide();
        ConteneurAideDroiteDessin->hide();
    } else {
        ConteneurAideGaucheConstellation->hide();
        ConteneurAideDroiteConstellation->hide();
    }
    Aide->show();
    EnleverAide->hide();
}

void TExo1::RempliMemo1() { Memo1 = MessagesPerdu::charge(); }

void TExo1::AssocieMessagePerdu() { ditPerdu(Memo1.value(Aleatoire::random(Memo1.size()))); }

void TExo1::QuitterExo1Click() {
    libereMinuteries();
    exerciceFini_ = true;
    hide();
    Ecrans::montre(Ecrans::Role::ChoixOperateur);
}
