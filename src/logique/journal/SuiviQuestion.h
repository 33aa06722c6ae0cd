#pragma once
// Follows one question from the moment it is shown to its end and makes its journal entry: the
// exercise screens tell it what the pupil does, it keeps the counts and the times (from the
// program's clock, so tests set them).
#include "logique/journal/EntreeJournal.h"

#include <optional>

struct SharedState;

class SuiviQuestion final {
public:
    // A question shown now, in the exercise the shared state describes, with the time its creature
    // gives in milliseconds as the screen runs it (the pupil's adjustments applied; none: no
    // creature).
    void commence(const SharedState& etat, std::optional<int> tempsAccordeMs, const Fait& fait, int trou = 0);
    // Exercises 3 and 4: every operation shown, left alone until the pupil acts on it.
    void montre(const QList<Fait>& operations);
    bool enCours() const { return enCours_; }

    // A typed answer (exercises 1, 2 and the review).
    void reponse(const QString& texte, bool juste);
    // An action on an operation shown (exercise 3: a click on a bubble; exercise 4: a selection
    // or a validation). `essai` counts it as a try.
    void action(int rang, ActionOperation action, bool essai);
    // The try that counts for exercises 3 and 4 (an intruder click, a validation): right or not.
    void essai(bool juste);
    void aideUtilisee() { entree_.aideUtilisee = true; }
    void bandeUtilisee() { entree_.bandeUtilisee = true; }
    // The pirate or the sharks ended the question.
    void finParCreature() { entree_.finCreature = true; }

    // The question is over: its entry (the question is then no longer followed).
    EntreeJournal termine();

private:
    int depuisLeDebut() const;
    void premiereAction();

    EntreeJournal entree_;
    qint64 debut_ = 0;
    bool enCours_ = false;
    bool dejaJuste_ = false;
};
