#pragma once
// The screens where the pupil types a number into an operation (exercises 1 and 2): the question
// draw, the answer fields with Enter and the yellow fish, the answer round (right at the first
// try, wrong, lost to the creature, not a number), the solution fish, the number strip, the
// counting help and the fish of the shark mode. The screen says which field holds the answer,
// what is expected there, how the question is shown, and how its shark's bubble rises.
#include "ecrans/exercices/EcranExercice.h"
#include "logique/exercices/QuestionOperation.h"

#include <QList>

class AideComptage;
class BandeNumeros;

class EcranOperation : public EcranExercice {
    Q_OBJECT
public:
    const QuestionOperation& question() const { return question_; }

    // Event handlers, run under the event guard by the events that trigger them.
    void ValiderResultatClick();
    void SolutionImageClick();
    void NumClick(int numero);

protected:
    struct Textes {
        QString enonce, enonceRequin;                  // instruction without and with the shark
        QString enonce2, enonce2Requin, enonce2Bande;  // how to answer: typed, against the shark, with the strip
    };
    // The solution fish at its design place (under the yellow fish), its number at `placeNombre`.
    EcranOperation(const Definition& definition, const Textes& textes, const QRect& placeSolution, const QPoint& placeNombre);
    // After the screen's own components: the strip, the fish of the shark mode, the solution fish,
    // then the common pieces and the fitting.
    void finitCreationOperation();

    void FormShow() override;
    void questionSuivante() override;
    void entreeTapee() override;
    void apresRamassage() override;
    // The operation's bubbles stay on their design row, the strip under them: the statements keep
    // above it.
    int hautDeLaScene() const override;

    // Draws the next question (exercise 2 first draws the side of its hole).
    virtual void tireQuestion();
    // Which operand the pupil supplies: 0 the result, 1 the left operand, 2 the right one.
    virtual int trou() const { return 0; }
    // The screen's components of the mode shown, the others hidden (at each showing).
    virtual void disposeEcran(bool requin) = 0;
    // The drawn question on screen: in its bubbles, or (shark mode) in the rising bubble, whose
    // rise the screen starts with monteBulle.
    virtual void afficheQuestion() = 0;
    virtual void afficheQuestionRequin() = 0;
    // The field the pupil answers in, and every answer field of the screen.
    virtual QLineEdit* champReponse() const = 0;
    virtual QList<QLineEdit*> champs() const = 0;
    // The number expected in the answer field, and whether the fields hold a right answer.
    virtual int reponseAttendue() const = 0;
    virtual bool reponseJuste() const = 0;
    // What is left of the burst bubble while it drifts away.
    virtual QWidget* eclatement() const = 0;
    // The shark burst the bubble: the screen shows it, then calls requin_->faisDeriver.
    virtual void bulleEclatee() = 0;
    // The counting help asked for.
    virtual void aideDemandee() = 0;
    // The numbers and signs of the equation that sit on a bubble picture or between the bubbles
    // rather than in a bubble panel.
    virtual QList<QWidget*> nombresHorsBulles() const { return {}; }
    // Design size of the solution's number on the fish's sign (pixels).
    static constexpr int TailleSolution = 40;

    void uniformiseNombres();
    void videReponses();
    void ValiderRes();
    void ReponseJuste();

    QuestionOperation question_;
    AideComptage* aide_ = nullptr;
    BandeNumeros* bande_ = nullptr;
    Image* Poisson = nullptr;
    Image* PoissonRes = nullptr;
    Image* SolutionImage = nullptr;
    Image* SolutionImage2 = nullptr;
    QLabel* SolutionLabel = nullptr;

private:
    // How far the operation's row may go down under statements taller than their design room:
    // as far as it stays clear of the octopus and the sand; not at all with the strip under it.
    int descenteMax() const;
    void pieceAtteinte();
    void tempsEcoule();
    Textes textes_;
    // What stands in the operation's row, at its fitted places.
    QList<std::pair<QWidget*, QPoint>> rangee_;
};
