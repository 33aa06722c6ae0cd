#include "logique/suivi/ClasseEnBref.h"

#include "logique/base/FormatFr.h"

#include <QSet>
#include <algorithm>

namespace {
QString pluriel(int n, const QString& mot) { return QStringLiteral("%1 %2%3").arg(n).arg(mot, n > 1 ? "s" : ""); }

// The family's fact as a table reads it: the smaller operand first for + and ×.
Fait enTete(Fait f) {
    if ((f.operation == Operation::Addition || f.operation == Operation::Multiplication) && f.gauche > f.droite)
        std::swap(f.gauche, f.droite);
    return f;
}
}  // namespace

namespace Suivi {
TendanceClasse tendance(const QList<AnneeEleve>& eleves, const QDate& aujourdhui) {
    TendanceClasse t;
    const int cle = cleSemaine(aujourdhui), debut = cleSemaine(aujourdhui.addDays(-28));
    for (const AnneeEleve& b : eleves)
        for (auto it = b.semaines.lowerBound(debut); it != b.semaines.cend() && it.key() <= cle; ++it) {
            const bool cette = it.key() == cle;
            (cette ? t.questionsSemaine : t.questionsAvant) += it->questions;
            (cette ? t.tapeesSemaine : t.tapeesAvant) += it->tapees;
            (cette ? t.justesSemaine : t.justesAvant) += it->justes;
        }
    return t;
}

QStringList texteTendance(const TendanceClasse& t) {
    const double cette = t.reussiteSemaine(), avant = t.reussiteAvant();
    QString reussite = QStringLiteral("Juste du premier coup : ") +
                       (cette < 0 ? QStringLiteral("pas encore de réponse cette semaine")
                                  : FormatFr::pourcent(cette) + QStringLiteral(" cette semaine")) +
                       QStringLiteral(", ") +
                       (avant < 0 ? QStringLiteral("aucune réponse les quatre semaines d'avant")
                                  : FormatFr::pourcent(avant) + QStringLiteral(" les quatre d'avant"));
    if (cette >= 0 && avant >= 0) {
        const int ecart = qRound(cette * 100) - qRound(avant * 100);
        reussite += ecart == 0  ? QStringLiteral(" (stable)")
                    : ecart > 0 ? QStringLiteral(" (en hausse de ") + pluriel(ecart, QStringLiteral("point")) + QLatin1Char(')')
                                : QStringLiteral(" (en baisse de ") + pluriel(-ecart, QStringLiteral("point")) + QLatin1Char(')');
    }
    const QString questions = QStringLiteral("Questions : %1 depuis lundi, en moyenne %2 par semaine les quatre d'avant")
                                  .arg(t.questionsSemaine)
                                  .arg(qRound(t.questionsAvant / 4.0));
    return {reussite + QLatin1Char('.'), questions + QLatin1Char('.')};
}

QList<FaitDifficile> faitsLesPlusDifficiles(const QList<AnneeEleve>& eleves, qint64 maintenant, int combien) {
    QHash<CleFait, FaitDifficile> familles;
    for (const AnneeEleve& b : eleves) {
        QSet<CleFait> siennes;
        // From the newest back: a year's answers hold only a few weeks of these.
        for (auto x = b.reponses.rbegin(); x != b.reponses.rend(); ++x) {
            const ReponseResumee& r = *x;
            if (r.moment < maintenant - DifficilesDepuisMs) break;
            if (r.moment > maintenant || !estReponseTapee(r.typeExercice)) continue;
            const CleFait cle = cleFamille(r.fait);
            FaitDifficile& d = familles[cle];
            d.fait = enTete(r.fait);
            ++d.reponses;
            d.justes += r.justePremierCoup;
            if (!siennes.contains(cle)) {
                siennes.insert(cle);
                ++d.eleves;
            }
        }
    }
    QList<FaitDifficile> liste;
    for (const FaitDifficile& d : std::as_const(familles))
        if (d.reponses >= DifficilesReponsesMin && d.eleves >= DifficilesElevesMin) liste.append(d);
    // Compared as whole numbers, so that equal shares (2/4 and 5/10) tie whatever the rounding.
    std::sort(liste.begin(), liste.end(), [](const FaitDifficile& a, const FaitDifficile& b) {
        const qint64 x = qint64(a.justes) * b.reponses, y = qint64(b.justes) * a.reponses;
        if (x != y) return x < y;
        if (a.reponses != b.reponses) return a.reponses > b.reponses;
        return cleFamille(a.fait) < cleFamille(b.fait);
    });
    if (liste.size() > combien) liste.resize(combien);
    return liste;
}

QString texteDifficile(const FaitDifficile& d) {
    return FormatFr::insecable(d.fait.texteLisible()) + QStringLiteral(" : ") + FormatFr::pourcent(d.reussite()) +
           QStringLiteral(" du premier coup (") + pluriel(d.eleves, QStringLiteral("élève")) + QStringLiteral(", ") +
           pluriel(d.reponses, QStringLiteral("réponse")) + QLatin1Char(')');
}
}  // namespace Suivi
