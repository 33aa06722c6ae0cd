// The family report's words: every sentence agreed for 0, 1 and 2, the period from the pupil's
// first answer of the school year, and facts that cannot be asked never shown as facts to learn.
#include "logique/suivi/TextesRapport.h"

#include <gtest/gtest.h>

namespace {
const QDate Aujourdhui(2026, 12, 9);

ReponseResumee question(const QDateTime& quand, const Fait& fait, bool juste = true) {
    return {.eleve = QStringLiteral("Zoé"),
            .moment = quand.toMSecsSinceEpoch(),
            .fait = fait,
            .justePremierCoup = juste,
            .msFin = juste ? 1500 : -1};
}
}  // namespace

TEST(TextesRapport, EachSentenceAgreesForZeroOneAndTwo) {
    // clang-format off
    const struct { Suivi::Comptes comptes; const char* attendu; } cas[] = {
        {{0, 0, 0, 0}, "Aucun calcul n'a encore été travaillé."},
        {{0, 0, 0, 1}, "Le calcul à apprendre n'a pas encore été travaillé."},
        {{0, 0, 0, 62}, "Aucun des 62 calculs à apprendre n'a encore été travaillé."},
        {{0, 1, 1, 0}, "Aucun des 2 calculs à apprendre n'est encore su par cœur. Parmi eux, 1 est juste mais encore lent et 1 est à revoir."},
        {{0, 0, 1, 0}, "Le calcul à apprendre n'est pas encore su par cœur. Il est à revoir."},
        {{0, 2, 0, 0}, "Aucun des 2 calculs à apprendre n'est encore su par cœur. Tous sont justes mais encore lents."},
        {{1, 0, 0, 1}, "1 calcul sur 2 est su par cœur. L'autre n'a pas encore été travaillé."},
        {{1, 1, 0, 0}, "1 calcul sur 2 est su par cœur. L'autre est juste mais encore lent."},
        {{1, 0, 2, 0}, "1 calcul sur 3 est su par cœur. Les 2 autres sont à revoir."},
        {{2, 0, 0, 0}, "2 calculs sur 2 sont sus par cœur."},
        {{2, 2, 1, 2}, "2 calculs sur 7 sont sus par cœur. Parmi les autres, 2 sont justes mais encore lents, 1 est à revoir et 2 n'ont pas encore été travaillés."},
        {{1, 1, 2, 1}, "1 calcul sur 5 est su par cœur. Parmi les autres, 1 est juste mais encore lent, 2 sont à revoir et 1 n'a pas encore été travaillé."},
    };
    // clang-format on
    for (const auto& c : cas) {
        SCOPED_TRACE(c.attendu);
        EXPECT_EQ(TextesRapport::acquis(c.comptes).join(QLatin1Char(' ')), QString::fromUtf8(c.attendu));
    }
    EXPECT_EQ(TextesRapport::definition(2500),
              QStringLiteral("Su par cœur : juste du premier coup, en 2,5 s au plus, les trois dernières fois."));
}

// A pupil of last year who came back on Thursday 3 September, one who began on Monday 7
// December, and one who has not played since the school year began.
TEST(TextesRapport, ThePeriodStartsAtTheFirstAnswerOfTheSchoolYear) {
    const Fait f{7, Operation::Multiplication, 8, 56};
    const QDateTime maintenant(Aujourdhui, QTime(16, 0));
    const struct {
        QList<ReponseResumee> reponses;
        const char* attendu;
        int semaines;
        bool courbe;  // two weeks with answers at least
    } cas[] = {
        {{question(QDateTime(QDate(2026, 6, 30), QTime(9, 0)), f), question(QDateTime(QDate(2026, 9, 3), QTime(0, 5)), f),
          question(QDateTime(QDate(2026, 11, 2), QTime(9, 0)), f)},
         "Période : du jeudi 3 septembre 2026 au mercredi 9 décembre 2026",
         15,
         true},
        {{question(QDateTime(QDate(2026, 12, 7), QTime(9, 0)), f), question(QDateTime(QDate(2026, 12, 8), QTime(9, 0)), f)},
         "Période : du lundi 7 décembre 2026 au mercredi 9 décembre 2026",
         1,
         false},
        {{question(QDateTime(QDate(2026, 12, 9), QTime(9, 0)), f)}, "Période : le mercredi 9 décembre 2026", 1, false},
        {{question(QDateTime(QDate(2026, 8, 31), QTime(23, 55)), f)},
         "Bilan du mercredi 9 décembre 2026 : pas encore d'exercice fait cette année.",
         0,
         false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.attendu);
        AnneeEleve b = Suivi::analyse(QStringLiteral("Zoé"), c.reponses, {}, maintenant);
        b.reponses = c.reponses;
        const TextesRapport::Periode p = TextesRapport::periode(b, Aujourdhui);
        EXPECT_EQ(TextesRapport::textePeriode(p), QString::fromUtf8(c.attendu));
        const QList<Semaine> semaines = TextesRapport::semaines(b, p);
        EXPECT_EQ(semaines.size(), c.semaines);
        EXPECT_EQ(TextesRapport::courbeParlante(semaines), c.courbe);
    }
}

// Records no table can give ("56 ÷ 0 = 0", "7 × 8 = 55"): counted as questions of the week, never
// a fact to learn; the real ones beside them stay.
TEST(TextesRapport, ImpossibleFactsAreNeverFactsToLearn) {
    const QDateTime lundi(QDate(2026, 12, 7), QTime(9, 0));
    const QList<ReponseResumee> reponses{question(lundi, {56, Operation::Division, 0, 0}, false),
                                         question(lundi.addSecs(10), {7, Operation::Multiplication, 8, 55}, false),
                                         question(lundi.addSecs(20), {9, Operation::Soustraction, 4, 6}, false),
                                         question(lundi.addSecs(30), {56, Operation::Division, 8, 7}, false),
                                         question(lundi.addSecs(40), {3, Operation::Soustraction, 5, -2}, false),
                                         question(lundi.addSecs(50), {0, Operation::Division, 8, 0}, false)};
    const AnneeEleve b = Suivi::analyse(QStringLiteral("Zoé"), reponses, {}, QDateTime(Aujourdhui, QTime(16, 0)));
    QStringList faits;
    for (const Fait& f : Suivi::faitsLesPlusFragiles(b.faits, 3000)) faits << f.texteLisible();
    faits.sort();
    EXPECT_EQ(faits, (QStringList{QStringLiteral("0 ÷ 8 = 0"), QStringLiteral("3 - 5 = -2"), QStringLiteral("56 ÷ 8 = 7")}));
    EXPECT_EQ(b.semaines.first().questions, 6);
    EXPECT_EQ(Suivi::comptes(b, 3000).aRevoir, 3);
}
