#pragma once
// Exercise 4, "same result": the fish holds a number and ten bubbles hold operations; the pupil
// selects every bubble whose operation gives the fish's number, then validates by clicking the
// fish. A wrong validation offers the solution; help counts what is missing and what is wrong.
#include "logique/exercices/QuestionExo4.h"
#include "ecrans/exercices/EcranExercice.h"
#include "logique/exercices/TirageOperation.h"

#include <QFont>

#include <array>
#include <optional>

class Panneau;
class QTimer;

class TExo4 final : public EcranExercice {
    Q_OBJECT
public:
    TExo4();

    const QuestionExo4& question() const { return question_; }
    const Bulles& selection() const { return Selection; }
    bool solutionVue() const { return SolutionVue; }
    bool pieceVolee() const { return PieceVolee; }
    bool exerciceImpossible() const { return ExerciceImpossible; }

    // Event handlers (bubble i from 1 to 10), run under the event guard by the clicks.
    void BulleBleuClick(int i);
    void BulleJauneClick(int i);
    void operateurClick(int i);
    void PoissonValClick();
    void nbre_intrusClick();
    void AideClick();
    void aide_barrerClick();
    void voir_solutionClick();

protected:
    void FormShow() override;
    // The bubbles go down under the statements as far as they stay above the octopus and the fish.
    int hautDeLaScene() const override;
    // How far a control fitted at `place` may go down on the sand, above the crab's walk.
    int descentePossible(const QWidget* w, const QPoint& place) const;
    void questionSuivante() override;
    QString texteErreurs(bool derniere) const override;
    Fin fin() const override;
    void libereMinuteries() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creeBulles();
    void PrepareQuestion();
    void Valide();
    void MontreSolution();
    // The question is over: no click acts on it any more; the next one comes after a short pause.
    void termineQuestion();
    void pieceAtteinte();
    bool clicPermis() const;
    void choisit(int i, bool choisie);
    void montreSolutionDe(int i);
    void afficheAide();
    void placeLibelles(bool avecResultats);
    void afficheImpossible();

    std::optional<TirageOperation> tireur_;
    std::optional<RepertoireOperations> repertoire_;
    QuestionExo4 question_;
    Bulles Selection{};
    bool SolutionVue = false;
    bool PieceVolee = false;
    bool ExerciceImpossible = false;
    bool QuestionTerminee = false;

    Panneau* PanneauBulles = nullptr;
    QFont policeLibelle_;  // the captions' fitted font (the impossible message changes the first one's)
    int hautBulles_ = 0;   // fitted top of the bubbles, before any move under the statements
    std::array<Image*, BullesExo4> BulleJaune{};
    std::array<Image*, BullesExo4> BulleBleu{};
    std::array<std::array<Image*, ImagesSolution>, BullesExo4> BullesSolution{};  // in the order of MarquesSolution
    std::array<Image*, BullesExo4> PoissonBulle{};                                // the small fish on the fish's bubbles
    std::array<QLabel*, BullesExo4> MotSolution{};                                // "oubliée", "pas celle-ci"
    std::array<QLabel*, BullesExo4> operateur{};
    std::array<QLabel*, BullesExo4> resultat{};
    Panneau* PanneauPoisson = nullptr;
    Image* PoissonVal = nullptr;
    QLabel* nbre_intrus = nullptr;
    Image* voir_solution = nullptr;
    Image* Aide = nullptr;
    Image* aide_barrer = nullptr;
    QLabel* Label_aide = nullptr;
    int largeurAide_ = 0;  // its fitted width, above the octopus
    // Where the octopus and the fish were fitted, before statements push them down.
    QPoint placePoulpe_, placePoisson_;
    QTimer* pause_ = nullptr;
};
