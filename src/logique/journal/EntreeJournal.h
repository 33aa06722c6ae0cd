#pragma once
// One entry of the answer journal: a question as the pupil lived it, written when it ends.
// See docs/journal.md for the fields, their codes and how they are stored.
#include "logique/journal/Fait.h"

#include <QList>
#include <QString>

// What the pupil did with an operation shown (exercises 3 and 4; exercises 1, 2 and the review
// answer the one operation they show).
enum class ActionOperation { Repondue = 0, Intrus = 1, Choisie = 2, Laissee = 3 };

struct OperationMontree {
    Fait fait;
    ActionOperation action = ActionOperation::Laissee;
    bool operator==(const OperationMontree&) const = default;
};

// Exercises 1 and 2, the review and the starting test ask the pupil to type the answer of one
// fact; 3 and 4 do not. The memory model, the review and the progress view count only these.
constexpr bool estReponseTapee(int typeExercice) {
    return typeExercice == 1 || typeExercice == 2 || typeExercice == 5 || typeExercice == 6;
}

// The timing creature of the exercise.
enum class Creature { Aucune = 0, Requin = 1, Pirate = 2 };

struct EntreeJournal {
    // Who and when.
    QString enseignant;  // "aucun" for the pupils without a teacher
    QString eleve;
    qint64 moment = 0;  // question shown, milliseconds since 1970 (UTC), from the program's clock
    // The exercise.
    int typeExercice = 1;  // 1..4, 5 the review, 6 the starting test
    int position = 0;      // place in the sequence (1, 2, …), 0 in free practice
    Creature creature = Creature::Aucune;
    int tempsDeReponse = 0;  // seconds the creature allowed (the pupil's adjustments applied), 0 without one
    int typeAide = 1;        // the help offered (1 none, 2 turtles, 3 dominoes, 4 …)
    bool aideUtilisee = false;
    bool bandeUtilisee = false;
    // The question.
    Fait fait;        // the operation answered (1, 2, 5, 6), the intruder (3), the target in `resultat` (4)
    int trou = 0;     // exercise 2: 1 the left operand was the hole, 2 the right one
    QString reponse;  // the answer first given, as typed (1, 2, 5, 6)
    bool justePremierCoup = false;
    int essais = 0;                      // answers given (1, 2, 5, 6), intruder clicks (3), validations (4)
    int msPremiere = -1;                 // from the question shown to the first answer or action; -1: none
    int msFin = -1;                      // to the right answer (1, 2, 5, 6; -1 when never right) or to the end (3, 4)
    bool finCreature = false;            // the pirate or the sharks ended it
    QList<OperationMontree> operations;  // exercises 3 and 4: every operation shown

    bool operator==(const EntreeJournal&) const = default;
};
