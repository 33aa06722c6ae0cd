// The starting test: adaptive, short, and right about a pupil's facts.
#include "logique/depart/ResumeDepart.h"
#include "logique/depart/TestDeDepart.h"
#include "BorneAttente.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <functional>
#include <numeric>
#include <gtest/gtest.h>

using namespace Depart;

namespace {
QString simulation() {
    return qEnvironmentVariable("MARIVELLE_SIMULATION", QStringLiteral("/work/shared/simulation/eleves_simules.py"));
}

// A pupil of the simulation answers one line; the answer read back.
QList<QByteArray> demande(QProcess& eleve, const QString& ligne) {
    eleve.write((ligne + QLatin1Char('\n')).toUtf8());
    while (!eleve.canReadLine())
        if (!eleve.waitForReadyRead(BorneAttenteMs)) return {};
    return eleve.readLine().trimmed().split(';');
}

// The test played to its end, answering as `repond` says.
TestDeDepart joue(Operation operation, const std::function<std::pair<bool, int>(QuestionDepart)>& repond) {
    TestDeDepart test(operation);
    while (const auto q = test.questionSuivante()) {
        const auto [juste, ms] = repond(*q);
        test.repond(juste, ms);
    }
    return test;
}

double moyenne(const Estimations& e) { return std::accumulate(e.begin(), e.end(), 0.0) / NombreDeFaits; }
}  // namespace

// Over the 30 pupils of each of two seeds (figures of more seeds: docs/depart.md).
TEST(TestDeDepart, ThirtySimulatedPupilsAreKnownWithinATenthAfterThirtyQuestions) {
    if (!QFileInfo::exists(simulation())) GTEST_SKIP() << "la simulation d'élèves est absente";
    for (const Operation operation : {Operation::Multiplication, Operation::Addition}) {
        double erreurs = 0;
        for (const char* graine : {"1", "2"}) {
            QProcess eleves;
            eleves.start(QStringLiteral("/usr/bin/python3"),
                         {simulation(), QStringLiteral("--repondre"), QStringLiteral("--graine"), QLatin1String(graine)});
            ASSERT_TRUE(eleves.waitForStarted(BorneAttenteMs));
            double erreur = 0;
            for (int eleve = 1; eleve <= 30; ++eleve) {
                double jour = 0;
                const TestDeDepart test = joue(operation, [&](QuestionDepart q) {
                    const QList<QByteArray> r = demande(eleves, QStringLiteral("%1;%2;%3;%4;%5")
                                                                    .arg(eleve)
                                                                    .arg(jour, 0, 'f', 6)
                                                                    .arg(q.gauche)
                                                                    .arg(int(operation))
                                                                    .arg(q.droite));
                    jour += (r.value(1).toInt() + 3000) / 86400000.0;
                    return std::pair{r.value(0) == "1", r.value(1).toInt()};
                });
                EXPECT_LE(test.reponses().size(), QuestionsAuPlus);
                const QList<QByteArray> verite = demande(
                    eleves, QStringLiteral("verite;%1;%2;%3").arg(eleve).arg(jour, 0, 'f', 6).arg(int(operation)));
                ASSERT_EQ(verite.size(), NombreDeFaits);
                const Estimations e = test.estimations();
                for (int k = 0; k < NombreDeFaits; ++k) erreur += std::abs(e[k] - verite[k].toDouble()) / (30.0 * NombreDeFaits);
            }
            eleves.closeWriteChannel();
            eleves.waitForFinished(BorneAttenteMs);
            std::printf("erreur moyenne (%s, graine %s) : %.3f\n", qPrintable(SigneOperation(operation)), graine, erreur);
            erreurs += erreur / 2;
        }
        EXPECT_LE(erreurs, 0.10) << qPrintable(SigneOperation(operation));
    }
}

TEST(TestDeDepart, StopsEarlyForAPupilWhoKnowsEverythingOrNothingAndNeverAsksAFactTwice) {
    struct Cas {
        const char* nom;
        bool juste;
        double seuil;  // every fact believed above it (right) or below it (wrong)
    };
    for (const Operation operation : {Operation::Addition, Operation::Multiplication})
        for (const Cas& c : {Cas{"tout juste", true, 0.8}, Cas{"tout faux", false, 0.35}}) {
            SCOPED_TRACE(c.nom);
            QSet<int> familles;
            const TestDeDepart test = joue(operation, [&](QuestionDepart q) {
                const int famille = indexFait(qMin(q.gauche, q.droite), qMax(q.gauche, q.droite));
                EXPECT_FALSE(familles.contains(famille)) << q.gauche << " et " << q.droite << " déjà posé";
                familles.insert(famille);
                return std::pair{c.juste, 900};
            });
            EXPECT_LT(test.reponses().size(), QuestionsAuPlus);
            const Estimations e = test.connaissances();
            EXPECT_TRUE(c.juste ? *std::min_element(e.begin(), e.end()) > c.seuil : moyenne(e) < c.seuil);
        }
}

TEST(TestDeDepart, AMissAsksEasierFactsARightAnswerRaisesTheEasierNeighboursAndFiveMinutesEndIt) {
    const Estimations avant = TestDeDepart(Operation::Multiplication).connaissances();
    TestDeDepart rate(Operation::Multiplication);
    const QuestionDepart premiere = *rate.questionSuivante();
    rate.repond(false, 4000);
    EXPECT_GT(avant[indexFait(rate.questionSuivante()->gauche, rate.questionSuivante()->droite)],
              avant[indexFait(premiere.gauche, premiere.droite)]);

    TestDeDepart reussi(Operation::Multiplication);
    reussi.repond(true, 1200);
    EXPECT_GT(reussi.connaissances()[indexFait(2, 3)], avant[indexFait(2, 3)]);
    // What was just asked is fresh a few minutes later, whatever the answer.
    EXPECT_GT(rate.estimations()[indexFait(premiere.gauche, premiere.droite)], 0.8);

    // Slow answers: the test ends at five minutes, however few questions that makes.
    const TestDeDepart lent = joue(Operation::Addition, [](QuestionDepart) { return std::pair{true, 60000}; });
    EXPECT_EQ(lent.reponses().size(), 5);
}

TEST(ResumeDepart, NamesTheTablesKnownSurelyAndThoseToWorkOn) {
    const auto estimations = [](std::initializer_list<int> sues, std::initializer_list<int> faibles) {
        Estimations e;
        e.fill(0.7);
        for (int a = 1; a <= Cote; ++a)
            for (int b = 1; b <= Cote; ++b) {
                const auto dans = [&](std::initializer_list<int> l, int t) {
                    return std::find(l.begin(), l.end(), t) != l.end();
                };
                if (dans(faibles, a) || dans(faibles, b)) e[indexFait(a, b)] = 0.2;
                if (dans(sues, a) || dans(sues, b)) e[indexFait(a, b)] = dans(sues, a) && dans(sues, b) ? 0.99 : 0.9;
            }
        return e;
    };
    EXPECT_EQ(resume(estimations({2, 5, 10}, {6, 7, 8})),
              QStringLiteral("connaît sûrement les tables de 2, 5 et 10 ; à travailler : 6, 7, 8"));
    EXPECT_EQ(resume(estimations({1}, {})), QStringLiteral("connaît sûrement la table de 1"));
    EXPECT_EQ(resume(estimations({}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})),
              QStringLiteral("ne connaît encore sûrement aucune table ; à travailler : 1, 2, 3, 4, 5, 6, 7, 8, 9, 10"));
    EXPECT_EQ(resume(estimations({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {})), QStringLiteral("connaît sûrement toutes les tables"));
}
