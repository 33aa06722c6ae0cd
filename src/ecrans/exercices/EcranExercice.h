#pragma once
// Base of every exercise screen: the undersea scene (background, two statements at the top, quit
// picture, progress crab, the fish's gold coin, the fish's speech bubble, "Bravo !"), the timing
// creature of the mode with the coin pickup, and the life cycle of an exercise: questions one after
// the other, then the end (MarqueFinExercice, the recorders, timers released, the hand-over to the
// sequence driver). See docs/exercices-communs.md.
#include "logique/exercices/PartieReponses.h"
#include "logique/journal/SuiviQuestion.h"
#include "ecrans/commun/Fenetre.h"

#include <limits>
#include <optional>

class BandeauEnonces;
class BulleParole;
class BulleRequin;
class Forme;
class Image;
class Pirate;
class QLabel;
class QLineEdit;
class Ramassage;

class EcranExercice : public Fenetre {
    Q_OBJECT
public:
    enum class Mode { SansLimite, Requin, Pirate };
    Mode mode() const { return mode_; }
    // The time the creature gives each question, in milliseconds: the sequence's (or the
    // chooser's) seconds with the pupil's adjustments. None without a creature: no time set, or
    // the pupil's "sans limite" (the exercise then runs as without time; answers are timed all
    // the same).
    std::optional<int> tempsAccorde() const { return tempsAccorde_; }
    const PartieReponses& partie() const { return partie_; }

protected:
    struct Definition {
        QString nom;             // "Exo1"
        QString titre;           // "Exercice n°1 (donner le résultat)"
        QString enonce;          // "EnonceExo1"
        QString enonce2;         // "Enonce2Exo1"
        QString quitter;         // "QuitterExo1"
        int tickPirate = 20;     // ms of the pirate's descent per second of the time allowed
        bool avecRequin = true;  // false: any time limit is the pirate's (exercises 3 and 4)
    };
    explicit EcranExercice(const Definition& definition);

    // Called by the screen's constructor once its own components are made: the common pieces on
    // top of them, then the fitting to the display and the background picture.
    void finitCreation();

    // Start of FormShow: the pupil's adjustments (time, questions, voice) on top of the settings,
    // the mode, the counters, the coin and the crab, the timers of the mode.
    void commenceExercice();
    // After the statements' texts are set: both shown, each as tall as its text, one under the
    // other on their band (a screen may hide one afterwards: the band follows); in the pupil's look,
    // smaller where it would run below hautDeLaScene().
    void placeEnonces();
    void gardeLesRetoursUtiles(QLabel* enonce) const;
    // The top of what must stay under the statements, on a screen that cannot move it down.
    virtual int hautDeLaScene() const { return std::numeric_limits<int>::max(); }
    // The lowest edge of the statements' band: what a creature placed near the top must stay under.
    int basDesEnonces() const;
    // The top edge of the built-in sea's sand on the screen: what lies on the sand stays under it,
    // what floats in the water (the number strip) over it.
    int hautDuSable() const;

    // The current question is done (right answer or lost): the crab moves, then the next question
    // (questionSuivante) or the end of the exercise.
    void questionFinie();
    // Draws and shows the next question.
    virtual void questionSuivante() = 0;
    // How the error list writes the question just finished (the last one of the exercise when
    // `derniere`).
    virtual QString texteErreurs(bool derniere) const = 0;
    // What differs at the end of an exercise.
    struct Fin {
        bool enregistre = true;           // false: nothing recorded nor listed (no question could be built)
        bool enregistreLAnonyme = false;  // the recorders are called for "eleve sans_id" too
        bool bilan = true;                // the summary screen is shown
    };
    virtual Fin fin() const { return {}; }
    // Ends the exercise at once (the hand-over of questionFinie after the last question).
    void termineExercice();
    bool exerciceFini() const { return fini_; }

    // A right first answer: the seahorse takes the coin; answers are ignored meanwhile. Without
    // the pickup (avecRamassage false) the question ends at the next turn of the event loop.
    void lanceRamassage();
    virtual bool avecRamassage() const { return true; }
    // The seahorse is gone: fields emptied and made editable by the screen, then questionFinie.
    virtual void apresRamassage() {}
    // The question just done as the journal keeps it, before the next one is drawn.
    virtual void questionNotee(const EntreeJournal&) {}

    // Enter in one of these fields calls entreeTapee (under the event guard).
    void ecouteEntree(QLineEdit* champ);
    virtual void entreeTapee() {}
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    // Enter with no field holding the focus (its bubble just burst) answers as well.
    void keyPressEvent(QKeyEvent* evenement) override;

    // Quit picture: timers released, nothing recorded, back to the free-practice chooser.
    void quitte();
    // Every timer of the exercise released (a screen with timers of its own adds them).
    virtual void libereMinuteries();
    // Hidden while an exercise runs (by the program, not by the window system): the exercise is
    // over, its timers are released and late events are ignored.
    void hideEvent(QHideEvent* evenement) override;

    PartieReponses partie_;
    // The question on screen as the answer journal keeps it; written when the question is done.
    SuiviQuestion suivi_;
    Image* ImageFond = nullptr;
    QLabel* Enonce = nullptr;
    QLabel* Enonce2 = nullptr;
    Image* Quitter = nullptr;
    Image* Crabe = nullptr;
    Forme* piece = nullptr;
    BulleParole* Perdu = nullptr;
    QLabel* Bravo = nullptr;
    Ramassage* ramassage_ = nullptr;
    Pirate* pirate_ = nullptr;
    BulleRequin* requin_ = nullptr;

private:
    void ramassageFini();
    // An exercise left before its end: the settings get the sequence's number of questions back,
    // so that the next exercise started without reading them again cuts it only once.
    void rendLesQuestions();
    void nommePiecesCommunes();

    BandeauEnonces* bandeau_ = nullptr;
    Definition definition_;
    Mode mode_ = Mode::SansLimite;
    std::optional<int> tempsAccorde_;
    int questionsDeLaSequence_ = 0;
    bool fini_ = false;
    int pasCrabe_ = 0;
};
