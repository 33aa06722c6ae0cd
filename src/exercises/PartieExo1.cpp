#include "exercises/PartieExo1.h"

#include "state/SharedState.h"
#include "state/Utils.h"

void PartieExo1::commence(SharedState& etat) {
    NumeroQuestion = 1;
    ErreursQuestion = 0;
    DerniereQuestionRatee = 0;
    ListeErreurs.clear();
    TempsEcoule = false;
    RamassageEnCours = false;
    etat.NombreErreurs = 0;
}

PartieExo1::Saisie PartieExo1::examine(SharedState& etat, const QString& texte) const {
    if (RamassageEnCours) return Saisie::Ignoree;
    return EstUnNombre(etat, texte) ? Saisie::Nombre : Saisie::PasUnNombre;
}

bool PartieExo1::estJuste(const QString& resultat, const QString& resultatBulle2, int valeur) {
    const QString attendu = QString::number(valeur);
    return resultat == attendu || resultatBulle2 == attendu;
}

PartieExo1::Issue PartieExo1::valide(SharedState& etat, bool juste) {
    if (juste && TempsEcoule) {
        ++ErreursQuestion;
        compteEchec(etat);
        TempsEcoule = false;
        return Issue::Perdue;
    }
    if (juste) return ErreursQuestion == 0 ? Issue::JustePremierCoup : Issue::JusteApresErreurs;
    ++ErreursQuestion;
    compteEchec(etat);
    return Issue::Fausse;
}

// A question counts once in NombreErreurs, however many wrong answers it drew.
void PartieExo1::compteEchec(SharedState& etat) {
    if (NumeroQuestion != DerniereQuestionRatee) ++etat.NombreErreurs;
    DerniereQuestionRatee = NumeroQuestion;
}

void PartieExo1::passeALaSuivante(const QString& question) {
    ++NumeroQuestion;
    noteErreurs(question);
    ErreursQuestion = 0;
}

void PartieExo1::termineLaDerniere(const QString& question) { noteErreurs(question); }

void PartieExo1::noteErreurs(const QString& question) {
    if (ErreursQuestion > 0) ListeErreurs += entree(question, ErreursQuestion);
}

QString PartieExo1::entree(const QString& question, int erreurs) {
    return QStringLiteral("\r\n") + question + QLatin1Char(' ') + QString::number(erreurs) +
           QStringLiteral(" erreurs");
}
