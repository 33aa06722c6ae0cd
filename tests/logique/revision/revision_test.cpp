// The review draw from a pupil's estimates, and the facts of tables.
#include "logique/base/Aleatoire.h"
#include "logique/memoire/ParametresParDefaut.h"
#include "logique/revision/RevisionEleve.h"
#include "logique/revision/TirageRevision.h"

#include <gtest/gtest.h>

using namespace Revision;

// Tables × 1 to 10 (100 facts): 30 due (estimates below the target, the later in the tables the
// less likely), 30 known, 40 never met. Each due fact comes once, the least likely first, before
// any fact not due; the new ones come in between and, once the due ones are done, before the
// known; no fact twice in a row. About one first question in eight is new.
TEST(Tirage, TheDrawAsksTheDueFactsFirstWithOneNewInEightAndNeverTheSameTwice) {
    const QList<Fait> faits = faitsDesTables(tablesUnADix(2));
    ASSERT_EQ(faits.size(), 100);
    EstimationsEleve estimations;
    for (int i = 0; i < 60; ++i) estimations.estimations[faits[i]] = i < 30 ? 0.8 - i * 0.02 : 0.95;
    Aleatoire::graine(20260302);
    TirageRevision tirage(estimations, faits);
    EXPECT_EQ(tirage.nombreDus(), 30);
    int rangDu = 0, nouveaux = 0;
    Fait precedent;
    for (int n = 0; n < 1000; ++n) {
        const Fait f = tirage.tire();
        const int rang = static_cast<int>(faits.indexOf(f));
        ASSERT_GE(rang, 0);
        if (n > 0) {
            ASSERT_NE(f, precedent) << "draw " << n;
        }
        precedent = f;
        if (rang < 30 && rangDu < 30) {
            EXPECT_EQ(rang, 29 - rangDu++) << "draw " << n;
        }
        if (rang >= 60 && n < 70) ++nouveaux;
        if (rang >= 30 && rang < 60) {
            ASSERT_GE(n, 70) << "a fact not due before every due and new one";
        }
    }
    EXPECT_EQ(rangDu, 30);
    EXPECT_EQ(nouveaux, 40);
    // The first question of 1000 reviews: 125 new expected at 1/8, sigma 10.5; within five sigma.
    int premiersNouveaux = 0;
    for (int n = 0; n < 1000; ++n) premiersNouveaux += faits.indexOf(TirageRevision(estimations, faits).tire()) >= 60;
    EXPECT_NEAR(premiersNouveaux, 125, 52);
}

// With the parameters written by hand: 0+10, 1+9 and 2+8 right on many days before, 3+7, 4+6 and
// 5+5 right once yesterday, 6+4 and 7+3 missed yesterday. Ten questions of every seed ask the two
// missed facts first, then the three others due, before any of the three known, which only fill.
TEST(Tirage, AFactMissedYesterdayIsAskedFirstAndAnyDueBeforeAnyFactNotDue) {
    constexpr qint64 Jour = 24LL * 3600 * 1000;
    const qint64 maintenant = QDateTime(QDate(2026, 3, 3), QTime(10, 0)).toMSecsSinceEpoch();
    QList<Fait> faits;
    QList<ReponseResumee> reponses;
    for (int a = 0; a <= 7; ++a) {
        faits << Fait{a, Operation::Addition, 10 - a, 10};
        const auto repond = [&](qint64 moment, bool juste) {
            reponses.append({QStringLiteral("Léa"), moment, 5, 0, faits.last(), juste, juste ? 2000 : -1, false});
        };
        if (a < 3)
            for (int j = 20; j >= 7; --j) repond(maintenant - j * Jour, true);
        else repond(maintenant - Jour + a * 60000, a < 6);
    }
    const ModeleMemoire modele(parametresParDefaut(), reponses);
    const EstimationsEleve estimations = estimeLEleve(modele, QStringLiteral("Léa"), maintenant, 0.9);
    for (quint32 graine = 1; graine <= 200; ++graine) {
        Aleatoire::graine(graine);
        TirageRevision tirage(estimations, faits);
        ASSERT_EQ(tirage.nombreDus(), 5);
        QList<Fait> questions;
        for (int n = 0; n < 10; ++n) questions << tirage.tire();
        for (int n = 0; n < 5; ++n)
            ASSERT_GE(faits.indexOf(questions[n]), n < 2 ? 6 : 3) << "seed " << graine << ", question " << n;
        for (int n = 1; n < 10; ++n) ASSERT_NE(questions[n], questions[n - 1]) << "seed " << graine;
    }
}

// Nothing due among the pupil's facts: the screen's kind-message case. A fact due outside the
// pupil's tables does not count; a fresh pupil has nothing due.
TEST(Tirage, NothingDueWhenNoFactOfThePupilsTablesIsDue) {
    EstimationsEleve estimations;
    estimations.estimations[Fait{9, Operation::Addition, 4, 13}] = 0.4;
    const QList<Fait> multiplications = faitsDesTables(tablesUnADix(2)), additions = faitsDesTables(tablesUnADix(0));
    EXPECT_TRUE(TirageRevision(estimations, multiplications).rienADue());
    EXPECT_TRUE(TirageRevision(estimations, multiplications).rienDeRencontre());
    EXPECT_TRUE(TirageRevision(EstimationsEleve{}, additions).rienADue());
    EXPECT_FALSE(TirageRevision(estimations, additions).rienDeRencontre());
    EXPECT_EQ(TirageRevision(estimations, additions).nombreDus(), 1);
}

// The facts of each kind of entry, the sign choice narrowing them, and the free-practice tables.
TEST(FaitsDesTables, EachEntryGivesTheFactsExerciseOneAsks) {
    const auto cles = [](const QList<Fait>& faits) {
        QStringList l;
        for (const Fait& f : faits) l << f.cle();
        return l.join(QLatin1Char(' '));
    };
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::table(3, 2, 4, 0)})), QStringLiteral("3+2=5 2+3=5 3+3=6 3+4=7 4+3=7"));
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::table(3, 2, 4, 1)})), QStringLiteral("3-2=1 3-3=0 4-3=1"));
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::table(6, 2, 3, 3)})), QStringLiteral("6÷2=3 6÷3=2"));
    // Complements as the draw makes them, for each operation.
    EXPECT_EQ(cles(faitsDesTables({EntreeTable::complement(3, 0), EntreeTable::complement(3, 1), EntreeTable::complement(4, 2),
                                   EntreeTable::complement(3, 3)})),
              QStringLiteral("0+3=3 1+2=3 2+1=3 3-0=3 4-1=3 5-2=3 1×4=4 2×2=4 3÷1=3 6÷2=3"));
    const QList<EntreeTable> deux{EntreeTable::table(2, 1, 1, 2), EntreeTable::table(5, 1, 1, 0)};
    EXPECT_EQ(cles(faitsDesTables(deux, 0)), QStringLiteral("5+1=6 1+5=6"));
    EXPECT_EQ(cles(faitsDesTables(deux, 1)), QStringLiteral("2-1=1 5-1=4"));
    EXPECT_EQ(faitsDesTables({EntreeTable::table(1, 0, 2000000, 0)}).size(), 2 * OperandesMaxParEntree - 1);

    EntreeJournal libre, sequence;
    libre.fait = {6, Operation::Soustraction, 2, 4};
    sequence.fait = {6, Operation::Multiplication, 2, 12};
    sequence.position = 3;
    EXPECT_EQ(tablesDeLaPratiqueLibre({libre, sequence}), tablesUnADix(1));
    EXPECT_EQ(tablesDeLaPratiqueLibre({sequence}), tablesUnADix(0));
}
