#pragma once
// The answer round of exercises 1 and 2: per-question error counts, the exercise's failed-question
// count and its error list.
#include <QString>

#include <initializer_list>
#include <utility>

struct SharedState;

class PartieReponses final {
public:
    int NumeroQuestion = 0;         // current question, from 1
    int ErreursQuestion = 0;        // wrong answers and time-outs on the current question
    int DerniereQuestionRatee = 0;  // last question already counted in NombreErreurs
    QString ListeErreurs;           // one "\r\n<question> <n> erreurs" entry per failed question
    bool TempsEcoule = false;       // the countdown ran out: the question is lost
    bool RamassageEnCours = false;  // the coin pickup runs: answers are ignored
    // The question texts handed over are whole lines of the list, as exercises 3 and 4 write them.
    bool lignesEntieres = false;

    // A new exercise: question 1, nothing counted.
    void commence(SharedState& etat);

    enum class Saisie { Ignoree, PasUnNombre, Nombre };
    // What a validation does with the text of the answer field.
    Saisie examine(SharedState& etat, const QString& texte) const;

    // Right when one of the fields' texts equals, character for character, the decimal text of
    // the value expected in that field: "07" and "+12" are wrong.
    static bool estJuste(std::initializer_list<std::pair<QString, int>> champsEtAttendus);

    enum class Issue { Perdue, JustePremierCoup, JusteApresErreurs, Fausse };
    // Applies an answer (right or wrong) to the counters.
    Issue valide(SharedState& etat, bool juste);

    bool resteDesQuestions(int nombreDeQuestions) const { return nombreDeQuestions > NumeroQuestion; }
    // The question is done and another follows; `question` is how the error list writes it.
    void passeALaSuivante(const QString& question);
    // The last question is done; `question` is how the error list writes it.
    void termineLaDerniere(const QString& question);

    static QString entree(const QString& question, int erreurs);
    // How an entry of the list reads; exercises 3 and 4 write theirs as a whole line.
    using FormeEntree = QString (*)(const QString& question, int erreurs);
    FormeEntree formeEntree = &PartieReponses::entree;

private:
    void compteEchec(SharedState& etat);
    void noteErreurs(const QString& question);
};
