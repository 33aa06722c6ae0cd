#include "logique/resultats/ProfileFile.h"

#include "logique/base/FormatFr.h"
#include "logique/resultats/ResultatExercice.h"
#include "logique/resultats/TextesResultat.h"

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

QString lignesDeTables(const QList<EntreeTable>& entrees) {
    QString lignes;
    for (const EntreeTable& entree : entrees) {
        const QString operation = nomOperation(entree.operation);
        if (operation.isEmpty()) continue;
        lignes += TextesResultat::intervalle(entree) + QStringLiteral("  avec ") + operation + CRLF;
    }
    return lignes;
}
}  // namespace

namespace ProfilTexte {
QString entete(const QString& eleve, const QString& enseignant) {
    return tirets() + CRLF + QStringLiteral("Fichier de profils de l'eleve ") + eleve + CRLF + tirets() + CRLF +
           QStringLiteral("[enseignant]") + CRLF + enseignant + CRLF + CRLF;
}

QString connexion(const QDateTime& date) {
    // Three writes, each followed by its line end.
    return soulignes() + CRLF + CRLF + QStringLiteral("[date connexion : ] ") + FormatFr::dateLongueHeureCourte(date) + CRLF +
           CRLF + CRLF + etoiles();
}

QString deconnexion(const QDateTime& date) {
    return CRLF + QStringLiteral("[date deconnexion ]     ") + FormatFr::dateLongueHeureLongue(date);
}

QString exercice(const ResultatExercice& r) {
    using namespace TextesResultat;
    QString t;
    t += CRLF + QStringLiteral("[exercice]") + T5 + QStringLiteral("Exercice ") + QString::number(r.numeroExercice);
    t += CRLF + QStringLiteral("[Type exercice]") + T5 + type(r.typeExercice);
    t += CRLF + QStringLiteral("[Table(s)]") + T5 + CRLF + lignesDeTables(r.tables);
    t += CRLF + QStringLiteral("[Cas particuliers]") + T5 + cas(r, FormeProfil);
    t += CRLF + QStringLiteral("[Aide]") + T5 + aide(r.typeAide);
    t += CRLF + CRLF + apostrophes();
    t += CRLF + QStringLiteral("[Taux de reusite]") + T5 + FormatFr::nombre(r.taux) + QLatin1Char('%');
    t += CRLF + QStringLiteral("[Nombre d'erreurs]") + T5 + QString::number(r.erreurs) + QStringLiteral(" erreur(s) sur ") +
         QString::number(r.questions);
    t += CRLF + QStringLiteral("[Durée de l'exercice]") + T5 + FormatFr::duree(r.duree) + QStringLiteral(" secondes");
    t += CRLF + QStringLiteral("[Temps moyen par question]") + T5 + tempsParQuestion(r) +
         QStringLiteral(" secondes par question");
    if (r.erreurs > 0) t += CRLF + CRLF + QStringLiteral("[Bilan de l'exercice]") + T5 + CRLF + r.listeErreurs;
    t += CRLF + CRLF + etoiles();
    return t;
}
}  // namespace ProfilTexte
