#pragma once
// The error counting of exercises 3 and 4: wrong clicks or validations per question, the number
// of questions with at least one error (NombreErreurs) and the exercise's error list.
#include <QString>

struct SharedState;

class ComptageErreurs final {
public:
    int NumeroQuestion = 1;
    int ErreursQuestion = 0;        // errors on the current question
    int DerniereQuestionRatee = 0;  // last question already counted in NombreErreurs
    QString ListeErreurs;           // one line per question with errors

    // A new exercise: question 1, nothing counted, NombreErreurs 0.
    void commence(SharedState& etat);
    // One error on the current question; a question counts once in NombreErreurs.
    void erreur(SharedState& etat);
    // The current question ends: its line (as it reads while the question still shows) joins the
    // list when it had errors. True when another question follows, which is then current.
    bool termineQuestion(int nombreDeQuestions, const QString& ligne);
};
