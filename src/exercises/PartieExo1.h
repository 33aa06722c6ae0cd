#pragma once
// The answer checking and scoring of exercise 1 (and of exercise 2, which follows the same
// rules): per-question error counts, the exercise's failed-question count and its error list.
#include <QString>

struct SharedState;

class PartieExo1 {
public:
    int NumeroQuestion = 0;         // current question, from 1
    int ErreursQuestion = 0;        // wrong answers and time-outs on the current question
    int DerniereQuestionRatee = 0;  // last question already counted in NombreErreurs
    QString ListeErreurs;           // one "\r\n<question> <n> erreurs" entry per failed question
    bool TempsEcoule = false;       // the countdown ran out: the question is lost
    bool RamassageEnCours = false;  // the coin pickup runs: answers are ignored

    // A new exercise: question 1, nothing counted.
    void commence(SharedState& etat);

    enum class Saisie { Ignoree, PasUnNombre, Nombre };
    // What a validation does with the text of the answer field.
    Saisie examine(SharedState& etat, const QString& texte) const;

    // Texts compared character for character with the decimal result: "07" and "+12" are wrong.
    static bool estJuste(const QString& resultat, const QString& resultatBulle2, int valeur);

    enum class Issue { Perdue, JustePremierCoup, JusteApresErreurs, Fausse };
    // Applies an answer (right or wrong) to the counters.
    Issue valide(SharedState& etat, bool juste);

    bool resteDesQuestions(int nombreDeQuestions) const { return nombreDeQuestions > NumeroQuestion; }
    // The question shown as `question` is done and another follows.
    void passeALaSuivante(const QString& question);
    // The last question, shown as `question`, is done.
    void termineLaDerniere(const QString& question);

    static QString entree(const QString& question, int erreurs);

private:
    void compteEchec(SharedState& etat);
    void noteErreurs(const QString& question);
};
