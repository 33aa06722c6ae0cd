#include "results/ProfileFile.h"

#include "base/FormatFr.h"
#include "state/SharedState.h"
#include "results/TextesResultat.h"

#include <cmath>

namespace {
const QString CRLF = QStringLiteral("\r\n");
const QString T5 = QStringLiteral("     ");
QString rangee(QChar c, int n) { return QString(n, c); }
QString tirets() { return rangee(QLatin1Char('-'), 53); }
QString soulignes() { return rangee(QLatin1Char('_'), 56); }
QString etoiles() { return rangee(QLatin1Char('*'), 62); }
QString apostrophes() { return rangee(QLatin1Char('\''), 36); }

QString nomOperation(int operation) {
    switch (operation) {
        case 0: return QStringLiteral("addition");
        case 1: return QStringLiteral("soustraction");
        case 2: return QStringLiteral("multiplication");
        // Division entries are recorded like the others rather than silently left out.
        case 3: return QStringLiteral("division");
        default: return {};
    }
}

QString lignesDeTables(const SharedState& e) {
    QString lignes;
    for (const EntreeTable& entree : e.entreesTables()) {
        const QString operation = nomOperation(entree.operation);
        if (operation.isEmpty()) continue;
        lignes += TextesResultat::intervalle(entree) + QStringLiteral("  avec ") + operation + CRLF;
    }
    return lignes;
}

QString casParticuliers(const SharedState& e) {
    QString cas;
    if (e.CasSuccesseurs) cas += QStringLiteral("successeur") + CRLF;
    if (e.CasDoublesCarres) cas += QStringLiteral("double") + CRLF;
    if (cas.isEmpty()) cas = QStringLiteral("aucun") + CRLF;
    return cas;
}
}  // namespace

namespace ProfilTexte {
QString entete(const QString& eleve, const QString& enseignant) {
    return tirets() + CRLF + QStringLiteral("Fichier de profils de l'eleve ") + eleve + CRLF + tirets() + CRLF +
           QStringLiteral("[enseignant]") + CRLF + enseignant + CRLF + CRLF;
}

QString connexion(const QDateTime& date) {
    // Three writes, each followed by its line end.
    return soulignes() + CRLF + CRLF + QStringLiteral("[date connexion : ] ") + FormatFr::dateLongueHeureCourte(date) +
           CRLF + CRLF + CRLF + etoiles();
}

QString deconnexion(const QDateTime& date) {
    return CRLF + QStringLiteral("[date deconnexion ]     ") + FormatFr::dateLongueHeureLongue(date);
}

double tauxDeReussite(int questions, int erreurs) {
    if (questions == 0) return 0;
    return static_cast<double>(static_cast<long double>(questions - erreurs) / questions * 100);
}

double duree(double heureDebut, double heureFin) {
    double d = heureFin - heureDebut;
    if (d < 0) d += 1;
    return d;
}

double tempsParQuestion(double dureeJours, int questions) {
    if (questions == 0) return 0;
    const long double secondes = std::llround(dureeJours * 86400000.0) / 1000.0L;
    // nearbyintl rounds halves to the even neighbour in the default rounding mode.
    const long double centiemes = std::nearbyintl(secondes / questions / 0.01L);
    return static_cast<double>(centiemes * 0.01L);
}

QString exercice(const SharedState& e, int erreurs, const QString& bilan) {
    const double d = duree(e.HeureDebut, e.HeureFin);
    QString t;
    t += CRLF + QStringLiteral("[exercice]") + T5 + QStringLiteral("Exercice ") + QString::number(e.NumeroExercice);
    t += CRLF + QStringLiteral("[Type exercice]") + T5 + TextesResultat::type(e.TypeExercice);
    t += CRLF + QStringLiteral("[Table(s)]") + T5 + CRLF + lignesDeTables(e);
    t += CRLF + QStringLiteral("[Cas particuliers]") + T5 + casParticuliers(e);
    t += CRLF + QStringLiteral("[Aide]") + T5 + TextesResultat::aide(e.TypeAide);
    t += CRLF + CRLF + apostrophes();
    t += CRLF + QStringLiteral("[Taux de reusite]") + T5 +
         FormatFr::nombre(tauxDeReussite(e.NombreDeQuestions, erreurs)) + QLatin1Char('%');
    t += CRLF + QStringLiteral("[Nombre d'erreurs]") + T5 + QString::number(erreurs) + QStringLiteral(" erreur(s) sur ") +
         QString::number(e.NombreDeQuestions);
    t += CRLF + QStringLiteral("[Durée de l'exercice]") + T5 + FormatFr::duree(d) + QStringLiteral(" secondes");
    t += CRLF + QStringLiteral("[Temps moyen par question]") + T5 +
         FormatFr::nombre(tempsParQuestion(d, e.NombreDeQuestions)) + QStringLiteral(" secondes par question");
    if (erreurs > 0) t += CRLF + CRLF + QStringLiteral("[Bilan de l'exercice]") + T5 + CRLF + bilan;
    t += CRLF + CRLF + etoiles();
    return t;
}
}  // namespace ProfilTexte
