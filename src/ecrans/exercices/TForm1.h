#pragma once
// The end-of-exercise summary screen: the score in the teacher's feedback mode, a fish chosen by
// the success rate, and, once the pupil moves the mouse, one gold coin per right answer falling
// into the chest. Enter closes it at any time; a mouse move closes it after the last coin.
// It is a framed card, scaled in its proportions with the display (taller when a pupil's larger
// type needs it), over the exercise screen darkened behind it.
#include "ecrans/commun/Fenetre.h"
#include "logique/exercices/Bilan.h"

#include <QPixmap>

class Image;
class Forme;
class QLabel;
class QTimer;

class TForm1 final : public FenetreModale {
    Q_OBJECT
public:
    TForm1();

    bool animationLancee() const { return AnimationLancee; }
    bool animationFinie() const { return AnimationFinie; }
    int piecesLancees() const { return pluie_.lancees(); }
    // The card's scale: the smaller of the display's two ratios to the design.
    double echelle() const { return echelle_; }

protected:
    void FormShow() override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void FormMouseMove();
    void Image1MouseMove();
    void ChoisitPoisson();
    void LancePiece();
    void TombePiece();
    void FermeBilan();
    Image* image(const QString& nom, const QString& dessin, const QRect& place);
    QLabel* label(const QString& nom, int pixels, const QPoint& place);
    // Places every component at its design place times the card's scale.
    void placeComposants();
    // Gives the texts, at the pupil's size, the room they need (the card grown if need be).
    void disposeAuxTextes();
    int enCarte(int design) const;
    void placePiece();
    void captureFond();

    QWidget* Carte;

    Image* Image1;
    Image* poisson;
    Image* coffre;
    Forme* piece;
    Image* coffreDevant;
    QLabel* Kling;
    Image* poissonbien;
    Image* poissonbof;
    Image* poissonnul;
    QLabel* Label1;
    QLabel* Label2;
    QTimer* minuterie_ = nullptr;
    QPixmap fond_;
    double echelle_ = 1.0;

    int BonnesReponses = 0;
    bool AnimationLancee = false;
    bool AnimationFinie = false;
    Bilan::Pluie pluie_;
};
