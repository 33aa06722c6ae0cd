#include "logique/exercices/PartieReponses.h"

#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

void PartieReponses::commence(SharedState& etat) {
    NumeroQuestion = 1;
    ErreursQuestion = 0;
    DerniereQuestionRatee = 0;
    ListeErreurs.clear();
    TempsEcoule = false;
    RamassageEnCours = false;
    etat.NombreErreurs = 0;
}

PartieReponses::Saisie PartieReponses::examine(SharedState& etat, const QString& texte) const {
    if (RamassageEnCours) return Saisie::Ignoree;
    return EstUnNombre(etat, texte) ? Saisie::Nombre : Saisie::PasUnNombre;
}

bool PartieReponses::estJuste(std::initializer_list<std::pair<QString, int>> champsEtAttendus) {
    for (const auto& [texte, attendu] : champsEtAttendus)
        if (texte == QString::number(attendu)) return true;
    return false;
}

PartieReponses::Issue PartieReponses::valide(SharedState& etat, bool juste) {
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
void PartieReponses::compteEchec(SharedState& etat) {
    if (NumeroQuestion != DerniereQuestionRatee) ++etat.NombreErreurs;
    DerniereQuestionRatee = NumeroQuestion;
}

void PartieReponses::passeALaSuivante(const QString& question) {
    ++NumeroQuestion;
    noteErreurs(question);
    ErreursQuestion = 0;
}

void PartieReponses::termineLaDerniere(const QString& question) { noteErreurs(question); }

void PartieReponses::noteErreurs(const QString& question) {
    if (ErreursQuestion > 0) ListeErreurs += lignesEntieres ? question : formeEntree(question, ErreursQuestion);
}

QString PartieReponses::entree(const QString& question, int erreurs) {
    return QStringLiteral("\r\n") + question + QLatin1Char(' ') + QString::number(erreurs) + QStringLiteral(" erreurs");
}
