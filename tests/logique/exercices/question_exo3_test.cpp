#include "Tirages.h"
#include "logique/exercices/QuestionExo3.h"

namespace {
using namespace tirages;
std::vector<QuestionExo3> questions(const SharedState& e, int nombre, int graine = 1) {
    return questionsPreparees<QuestionExo3>(e, nombre, graine, GenereExo3);
}
}  // namespace

// The intruder's result differs from the two others, which share theirs with different left
// operands. (What each operation may be is the draw's, tested with it.)
TEST(GenereExo3, lIntrusSeulADesResultatsDifferents) {
    const SharedState cas[] = {
        reglages({{2, 1, 10, Fois}, {3, 1, 10, Fois}, {4, 1, 10, Fois}, {6, 1, 10, Fois}}),
        reglages({{3, 0, 10, Moins}, {7, 0, 10, Moins}, {9, 0, 10, Moins}}),
        reglages({{2, 1, 10, Divise}, {3, 1, 10, Divise}, {6, 1, 10, Divise}}),
        reglages({{C, 10, C, Plus}, {C, 12, C, Fois}}),
    };
    for (const SharedState& e : cas) {
        for (const QuestionExo3& q : questions(e, 300)) {
            ASSERT_FALSE(q.impossible());
            const auto& intrus = q.bulles[static_cast<std::size_t>(q.PositionIntrus - 1)];
            std::array<QuestionOperation, 2> paire;
            for (int k = 1, j = 0; k <= 3; ++k)
                if (k != q.PositionIntrus) paire[static_cast<std::size_t>(j++)] = q.bulles[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(paire[0].resultat, paire[1].resultat);
            EXPECT_NE(paire[0].gauche, paire[1].gauche);
            EXPECT_NE(intrus.resultat, paire[0].resultat);
            EXPECT_TRUE(q.estIntrus(q.PositionIntrus));
        }
    }
}

// Settings with one operation, or with one result only, end in the impossible outcome.
TEST(GenereExo3, reglagesSansIntrusPossible) {
    const SharedState cas[] = {reglages({{2, 3, 3, Fois}}, true), reglages({{1, 0, 0, Plus}}), reglages({{C, 10, C, Plus}})};
    for (const SharedState& e : cas) {
        const QuestionExo3 q = questions(e, 1).front();
        EXPECT_TRUE(q.impossible());
        EXPECT_FALSE(q.estIntrus(1) || q.estIntrus(2) || q.estIntrus(3));
    }
    EXPECT_EQ(TexteIntrusImpossible(),
              QString::fromUtf8("il n'est pas possible de generer \nle jeux de l'intrus avec les tables choisies\n"
                                "Clique sur le poisson \npour passer à l'exercice suivant"));
}

// What each burst step leads to: the six visible steps, then the pause after errors, the coin
// pickup after a first-click find, or a wait for the next click.
TEST(Paf, suiteDesEtapes) {
    using S = Paf::Suite;
    struct Cas {
        int etape, erreurs;
        bool terminee, volee;
        S suite;
    };
    const Cas cas[] = {
        {1, 0, false, false, S::EtapeSuivante},
        {6, 0, true, false, S::EtapeSuivante},
        {7, 0, false, false, S::Attente},
        {7, 0, true, false, S::Ramassage},
        {7, 1, true, false, S::EtapeSuivante},
        {12, 2, true, false, S::EtapeSuivante},
        {13, 2, true, false, S::QuestionSuivante},
        {7, 1, false, false, S::Attente},
        {7, 0, true, true, S::Attente},
        {7, 1, true, true, S::Attente},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Paf::apres(c.etape, c.erreurs, c.terminee, c.volee), c.suite) << c.etape << " " << c.erreurs;
}
