#pragma once
// Exercise 3, "intrus": three blue bubbles each hold an operation; two give the same result, the
// third, the intruder, another. The pupil clicks the intruder's bubble. A clicked bubble bursts
// along the trail of small bubbles from the fish and shows its result with a shark (a wrong
// bubble) or the fish's mother (the intruder). Any time limit is the pirate's.
#include "logique/exercices/QuestionExo3.h"
#include "ecrans/exercices/EcranExercice.h"
#include "logique/exercices/TirageOperation.h"

#include <QFont>
#include <QHash>
#include <QList>

#include <array>
#include <memory>

class BulleParole;
class Panneau;
class QTimer;

class TExo3 final : public EcranExercice {
    Q_OBJECT
public:
    TExo3();

    const QuestionExo3& question() const { return question_; }
    bool intrusImpossible() const { return IntrusImpossible; }

    // Event handlers (the bubble and the caption on it behave the same).
    void ClicBulle(int k);
    void PoissounetClick();

protected:
    void FormShow() override;
    // The scene goes down under the statements as far as its fish stays on the screen.
    int hautDeLaScene() const override;
    void questionSuivante() override;
    QString texteErreurs(bool derniere) const override;
    Fin fin() const override { return {!IntrusImpossible, true, !IntrusImpossible}; }
    void libereMinuteries() override;

private:
    void creeScene();
    void PrepareQuestion();
    void afficheQuestion();
    void MauvaiseReponse();
    void LancePaf(int bulle);
    void etapeSuivante();
    void affichepaf();
    void PirateArrive();
    void QuestionSuivante();
    void dit(const QString& texte);
    void ditMessagePerdu();
    void surFond(QLabel* etiquette);
    void placeSous(const QWidget* creature, std::size_t k);

    std::unique_ptr<TirageOperation> tireur_;
    std::unique_ptr<RepertoireOperations> repertoire_;
    QuestionExo3 question_;
    ClicsExo3 clics_;
    bool IntrusImpossible = false;
    int EtapePaf = 0;
    int BulleEclatee = 0;
    QTimer* paf_ = nullptr;  // the running burst step's one-shot timer

    Panneau* Scene = nullptr;  // everything of the question, fitted in its proportions
    std::array<Image*, 3> BulleBleu{};
    std::array<QLabel*, 3> operateur{};
    std::array<QLabel*, 3> resultat{};
    std::array<Image*, 3> Requin{};
    std::array<Image*, 3> bebepoisson{};
    QList<QWidget*> trainee_;          // the ten small bubbles of the trail
    QList<QWidget*> pafs_;             // the thirteen burst pictures
    QHash<QString, QWidget*> parNom_;  // the pictures the burst steps name
    Image* Poissounet = nullptr;
    Image* ok = nullptr;
    BulleParole* applause = nullptr;
    std::array<QRect, 3> placesOperateur_{};  // fitted places of the captions and results
    std::array<QRect, 3> placesResultat_{};
    int hautScene_ = 0;      // the scene's fitted top
    QFont policeOperation_;  // the captions' fitted font (the impossible message changes the first one's)
};
