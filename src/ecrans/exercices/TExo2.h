#pragma once
// Exercise 2, "missing operand": the operation and its result are shown with one operand missing
// (on the left or the right, drawn for each question), and the pupil gives it. Against the shark
// family the whole operation rises as a row of bubbles.
#include "ecrans/exercices/EcranOperation.h"

class Panneau;

class TExo2 final : public EcranOperation {
    Q_OBJECT
public:
    TExo2();
    bool trouAGauche() const { return TrouAGauche; }

protected:
    // Drawing and showing a question: the side of the hole first.
    void tireQuestion() override;
    void afficheQuestion() override;
    void afficheQuestionRequin() override;
    void bulleEclatee() override;
    QWidget* eclatement() const override;
    void disposeEcran(bool requin) override;
    // The hole and its answer.
    int reponseAttendue() const override { return TrouAGauche ? question_.gauche : question_.droite; }
    int trou() const override { return TrouAGauche ? 1 : 2; }
    bool reponseJuste() const override;
    QLineEdit* champReponse() const override;
    QList<QLineEdit*> champs() const override { return {OpGaucheEdit, OpDroiteEdit, Exo2OpGaucheEdit, Exo2OpDroiteEdit}; }
    QList<QWidget*> nombresHorsBulles() const override;
    QString texteErreurs(bool derniere) const override;
    void aideDemandee() override;

private:
    void TireOpATrou();
    void creeBulles();
    void creeRequins();
    int operandeConnue() const { return TrouAGauche ? question_.droite : question_.gauche; }

    bool TrouAGauche = true;
    QLabel* Signe = nullptr;
    QLabel* Egal = nullptr;
    Panneau* Exo2BulleOpGauche = nullptr;
    QLineEdit* OpGaucheEdit = nullptr;
    Panneau* Exo2BulleOpGauche2 = nullptr;
    Image* Image6 = nullptr;
    QLabel* OpGauche = nullptr;
    Panneau* Exo2BulleOpDroite = nullptr;
    QLineEdit* OpDroiteEdit = nullptr;
    Panneau* Exo2BulleOpDroite2 = nullptr;
    Image* Image4 = nullptr;
    QLabel* OpDroite1 = nullptr;
    Image* BulleRes = nullptr;
    QLabel* Resultat = nullptr;

    Panneau* PanelSoutientBulle = nullptr;
    Panneau* Exo2BulleGauche = nullptr;
    QLabel* Exo2OpGauche = nullptr;
    QLineEdit* Exo2OpGaucheEdit = nullptr;
    QLabel* Exo2Signe = nullptr;
    Panneau* Exo2BulleDroite = nullptr;
    QLabel* Exo2OpDroite = nullptr;
    QLineEdit* Exo2OpDroiteEdit = nullptr;
    QLabel* Exo2Resultat = nullptr;
    Panneau* PanelFamilleRequin = nullptr;
    QLabel* LabelRequin1 = nullptr;
    QLabel* LabelRequin2 = nullptr;
    Panneau* PanelSoutientBulle2 = nullptr;
    Image* PetiteBullePlus = nullptr;
    Image* PetiteBulleEgal = nullptr;

    int aideGauche_ = 0;
    int aideDroite_ = 0;
    int aideResultat_ = 0;
};
