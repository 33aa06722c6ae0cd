#pragma once
// Exercise 1, "give the result": the pupil helps the fish find the result of one operation at a
// time, without time limit, against the shark whose bubble rises, or against the pirate who comes
// down for the fish's gold coin.
#include "interface/Fenetre.h"
#include "exercises/PartieExo1.h"
#include "exercises/QuestionExo1.h"

#include <QStringList>

class Forme;
class Image;
class Panneau;
class QLabel;
class QLineEdit;
class QTimer;

class TExo1 : public Fenetre {
    Q_OBJECT
public:
    TExo1();

    enum class Mode { SansLimite, Requin, Pirate };
    Mode mode() const { return mode_; }
    const QuestionExo1& question() const { return question_; }
    const PartieExo1& partie() const { return partie_; }

    // Event handlers, run under the event guard by the events that trigger them.
    void ValiderResultatClick();
    void SolutionImageClick();
    void NumClick(int numero);
    void AideClick();
    void EnleverAideClick();
    void QuitterExo1Click();

protected:
    void FormShow() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Creation (TExo1Composants.cpp).
    void FormCreate();
    void creeQuestion();
    void creeRequin();
    void creeAnimations();
    void creeAides();
    void creeBandeNum();
    void placeEnonces();

    // Questions and answers (TExo1.cpp).
    void GenereExo1();
    void afficheQuestion();
    void ResultatKeyPress();
    void ValiderRes();
    void ReponseJuste();
    void FinExercice();
    void ReplaceBandeNum();
    void RempliMemo1();
    void AssocieMessagePerdu();
    void ditPerdu(const QString& texte);
    QString texteQuestion() const;
    QLineEdit* champReponse() const;
    void videReponses();

    // Countdowns and the coin pickup (TExo1Animations.cpp).
    void creeMinuteries();
    void libereMinuteries();
    QTimer* nouvelleMinuterie(void (TExo1::*gestionnaire)());
    void LanceLeTimer();
    void BougeLaBulle();
    void BougeLaBulle2();
    void LanceLeTimerPirate();
    void DescendPirate();
    void RemontePirate();
    void LanceLeTimerBravo();
    void RamassePieceArrive();
    void RamassePiecePart();
    void placeBulle2();
    static int echelleX();
    static int echelleY();

    Mode mode_ = Mode::SansLimite;
    QuestionExo1 question_;
    PartieExo1 partie_;
    QStringList Memo1;
    bool exerciceFini_ = false;
    int largeurPerdu_ = 0;

    int pasBulleVertical_ = 1;
    int pasBulleHorizontal_ = 1;
    int pasPirate_ = 1;
    int pasCrabe_ = 0;

    QTimer* minuterieMonteeBulle_ = nullptr;
    QTimer* minuterieDeriveBulle_ = nullptr;
    QTimer* minuterieDescentePirate_ = nullptr;
    QTimer* minuterieRemontePirate_ = nullptr;
    QTimer* minuterieArriveeRamasseur_ = nullptr;
    QTimer* minuterieDepartRamasseur_ = nullptr;

    Image* ImageFond = nullptr;
    QLabel* EnonceExo1 = nullptr;
    QLabel* Enonce2Exo1 = nullptr;
    Image* BulleOpGauche = nullptr;
    QLabel* OpGauche = nullptr;
    QLabel* Signe = nullptr;
    Image* BulleOpDroite = nullptr;
    QLabel* OpDroite = nullptr;
    QLabel* Egal = nullptr;
    Panneau* BulleResultatExo1 = nullptr;
    Image* BulleResultat = nullptr;
    QLineEdit* Resultat = nullptr;
    Image* PoissonRes = nullptr;
    Image* Poisson = nullptr;
    Panneau* Bulle1 = nullptr;
    Image* Bulle1Image = nullptr;
    QLabel* OpBulle1 = nullptr;
    Panneau* Bulle2 = nullptr;
    Image* Bulle2Image = nullptr;
    QLabel* EgaleBulle2 = nullptr;
    QLineEdit* ResultatBulle2 = nullptr;
    Panneau* RequinPanel = nullptr;
    Image* Requin = nullptr;
    QLabel* LabelRequin = nullptr;
    Image* BulleExplose = nullptr;
    Forme* piece = nullptr;
    Image* pirate_descend = nullptr;
    Image* pirate_monte = nullptr;
    Image* ramasse_piece1 = nullptr;
    Image* ramasse_piece2 = nullptr;
    Image* Crabe = nullptr;
    Image* Aide = nullptr;
    Image* EnleverAide = nullptr;
    Image* AideGrisee = nullptr;
    Panneau* ConteneurAideGaucheDessin = nullptr;
    Image* ImageGaucheDessin = nullptr;
    Panneau* ConteneurAideDroiteDessin = nullptr;
    Image* ImageDroiteDessin = nullptr;
    Panneau* ConteneurAideGaucheConstellation = nullptr;
    Image* ImageGauche = nullptr;
    Panneau* ConteneurAideDroiteConstellation = nullptr;
    Image* ImageDroite = nullptr;
    Image* SolutionImage = nullptr;
    Image* SolutionImage2 = nullptr;
    QLabel* SolutionLabel = nullptr;
    QLabel* Perdu = nullptr;
    QLabel* Bravo = nullptr;
    Panneau* SoutientBandeNum = nullptr;
    Panneau* BandeNum[10] = {};
    QLabel* Num[101] = {};
    Image* QuitterExo1 = nullptr;
};
