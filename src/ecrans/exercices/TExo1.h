#pragma once
// Exercise 1, "give the result": the pupil helps the fish find the result of one operation at a
// time, without time limit, against the shark whose bubble rises, or against the pirate who comes
// down for the fish's gold coin. The review and the starting test are this screen fed by another draw.
#include "ecrans/exercices/EcranOperation.h"

class Panneau;

class TExo1 : public EcranOperation {
    Q_OBJECT
public:
    TExo1();

protected:
    // Another screen playing exercise 1 under its own name and title, its instructions without a
    // time limit and against the shark given when it has its own.
    TExo1(const QString& nom, const QString& titre, const QString& enonce = {}, const QString& enonceRequin = {});

    void disposeEcran(bool requin) override;
    void afficheQuestion() override;
    void afficheQuestionRequin() override;
    QLineEdit* champReponse() const override;
    QList<QLineEdit*> champs() const override { return {Resultat, ResultatBulle2}; }
    QList<QWidget*> nombresHorsBulles() const override;
    int reponseAttendue() const override { return question_.resultat; }
    bool reponseJuste() const override;
    QWidget* eclatement() const override;
    void bulleEclatee() override;
    void aideDemandee() override;
    QString texteErreurs(bool derniere) const override;

private:
    void placeBulle2();
    // Design size of the numbers against the shark: the whole operation fits its bubble.
    static constexpr int TailleRequin = 56;

    QLabel* Signe = nullptr;
    QLabel* Egal = nullptr;
    Image* BulleOpGauche = nullptr;
    QLabel* OpGauche = nullptr;
    Image* BulleOpDroite = nullptr;
    QLabel* OpDroite = nullptr;
    Panneau* BulleResultatExo1 = nullptr;
    QLineEdit* Resultat = nullptr;
    Panneau* Bulle1 = nullptr;
    Image* Bulle1Image = nullptr;
    QLabel* OpBulle1 = nullptr;
    Panneau* Bulle2 = nullptr;
    QLabel* EgaleBulle2 = nullptr;
    QLineEdit* ResultatBulle2 = nullptr;
    Panneau* RequinPanel = nullptr;
    QLabel* LabelRequin = nullptr;
    Image* BulleExplose = nullptr;
    int aideGauche_ = 0;
    int aideDroite_ = 0;
};
