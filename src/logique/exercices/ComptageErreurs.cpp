#include "logique/exercices/ComptageErreurs.h"

#include "logique/etat/SharedState.h"

void ComptageErreurs::commence(SharedState& etat) {
    *this = ComptageErreurs{};
    etat.NombreErreurs = 0;
}

void ComptageErreurs::erreur(SharedState& etat) {
    ++ErreursQuestion;
    if (NumeroQuestion != DerniereQuestionRatee) ++etat.NombreErreurs;
    DerniereQuestionRatee = NumeroQuestion;
}

bool ComptageErreurs::termineQuestion(int nombreDeQuestions, const QString& ligne) {
    if (ErreursQuestion > 0) ListeErreurs += ligne;
    ErreursQuestion = 0;
    if (nombreDeQuestions <= NumeroQuestion) return false;
    ++NumeroQuestion;
    return true;
}
