// The review chosen by the memory model: what is due against the class's success aimed at, the
// draw's order by estimate, and the levels the teacher reads.
#include "logique/base/Aleatoire.h"
#include "logique/memoire/ParametresParDefaut.h"
#include "logique/revision/TirageRevision.h"

#include <gtest/gtest.h>

using namespace Revision;

namespace {
constexpr qint64 Minute = 60 * 1000, Jour = 24 * 60 * Minute;
const qint64 Maintenant = QDateTime(QDate(2026, 3, 4), QTime(10, 0)).toMSecsSinceEpoch();
Fait fois(int a, int b) { return {a, Operation::Multiplication, b, a * b}; }
}  // namespace

// With the parameters written by hand: a fact right minutes ago is known, right once yesterday
// it is due, right on many days last week it is known, wrong yesterday it is due before them all.
// A fact due is one whose estimate is below the target, whatever the target.
TEST(Estimations, AFactIsDueWhenItsEstimateIsBelowTheTarget) {
    QList<ReponseResumee> reponses;
    const auto repond = [&](const Fait& f, qint64 moment, bool juste) {
        reponses.append({QStringLiteral("Léa"), moment, 5, 0, f, juste, juste ? 2000 : -1, false});
    };
    repond(fois(2, 3), Maintenant - 5 * Minute, true);
    repond(fois(4, 6), Maintenant - Jour, true);
    for (int j = 20; j >= 7; --j) repond(fois(5, 7), Maintenant - j * Jour, true);
    repond(fois(8, 9), Maintenant - Jour, false);
    const ModeleMemoire modele(parametresParDefaut(), reponses);
    const EstimationsEleve e = estimeLEleve(modele, QStringLiteral("Léa"), Maintenant, 0.9);
    const auto textes = [](const QList<PredictionFait>& l) {
        QStringList t;
        for (const PredictionFait& p : l) t << p.fait.cle();
        return t.join(QLatin1Char(' '));
    };
    EXPECT_EQ(textes(e.dus), QStringLiteral("8×9=72 4×6=24"));
    for (const PredictionFait& p : e.dus) EXPECT_LT(p.probabilite, 0.9) << qPrintable(p.fait.cle());
    EXPECT_GE(e.estimation(fois(2, 3)), 0.9);
    EXPECT_GE(e.estimation(fois(5, 7)), 0.9);
    EXPECT_EQ(e.estimation(fois(9, 9)), -1.0);
    // A week on, what was just answered falls below the target.
    EXPECT_EQ(textes(e.bientot), QStringLiteral("2×3=6"));

    // The draw from estimates: due facts, the least likely first; an estimate equal to the target is not due.
    const QList<Fait> faits{fois(1, 1), fois(1, 2), fois(1, 3), fois(1, 4), fois(1, 5)};
    EstimationsEleve main;
    main.cible = 0.8;
    for (const auto& [i, p] : {std::pair{0, 0.79}, {1, 0.8}, {2, 0.3}, {3, 0.95}}) main.estimations[faits[i]] = p;
    Aleatoire::graine(3);
    TirageRevision tirage(main, faits);
    EXPECT_EQ(tirage.nombreDus(), 2);
    QStringList tires;
    for (int n = 0; n < 40 && tires.size() < 2; ++n)
        if (const Fait f = tirage.tire(); f != faits[4]) tires << f.cle();
    EXPECT_EQ(tires.join(QLatin1Char(' ')), QStringLiteral("1×3=3 1×1=1"));
}

TEST(Estimations, TheLevelsFollowTheTargetAndSixtyPerCent) {
    struct Cas {
        double p, cible;
        Niveau niveau;
    };
    for (const Cas& c : {Cas{0.95, 0.9, Niveau::Solide}, Cas{0.9, 0.9, Niveau::Solide}, Cas{0.89, 0.9, Niveau::Fragile},
                         Cas{0.9, 0.95, Niveau::Fragile}, Cas{0.6, 0.9, Niveau::Fragile}, Cas{0.59, 0.9, Niveau::AReprendre}}) {
        SCOPED_TRACE(testing::Message() << c.p << " for " << c.cible);
        EXPECT_EQ(niveau(c.p, c.cible), c.niveau);
    }
    EXPECT_EQ(QStringList({nomNiveau(Niveau::Solide), nomNiveau(Niveau::Fragile), nomNiveau(Niveau::AReprendre)}),
              QStringList({QStringLiteral("solide"), QStringLiteral("fragile"), QStringLiteral("à reprendre")}));
}
