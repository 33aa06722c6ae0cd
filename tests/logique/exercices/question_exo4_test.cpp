#include "Tirages.h"
#include "logique/exercices/ComptageErreurs.h"
#include "logique/exercices/QuestionExo4.h"

namespace {
using namespace tirages;
std::vector<QuestionExo4> questions(const SharedState& e, int nombre, int graine = 1) {
    return questionsPreparees<QuestionExo4>(e, nombre, graine, GenereExo4);
}

Bulles bulles(const char* motif) {  // "1100000001": bubble 1 first
    Bulles b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = motif[i] == '1';
    return b;
}
}  // namespace

// Every bubble gives the target exactly when the pattern says so; captions are distinct unless
// the question had to allow repeats, which rich tables seldom need.
TEST(GenereExo4, lesBullesSuiventLeMotif) {
    struct Cas {
        const char* nom;
        SharedState etat;
        int doublonsMax;  // questions out of 100 that may repeat a caption
    };
    const Cas cas[] = {
        {"additions", reglages({{1, 1, 10, Plus}, {2, 1, 10, Plus}, {3, 1, 10, Plus}, {5, 1, 10, Plus}, {8, 1, 10, Plus}}), 10},
        {"soustractions dans l'ordre", reglages({{9, 0, 9, Moins}, {10, 0, 10, Moins}, {12, 0, 12, Moins}}, true), 100},
        {"multiplications", reglages({{2, 1, 10, Fois}, {3, 1, 10, Fois}, {4, 1, 10, Fois}, {6, 1, 10, Fois}}), 100},
        {"compléments", reglages({{C, 10, C, Plus}, {C, 20, C, Plus}}), 100},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        int doublons = 0;
        for (const QuestionExo4& q : questions(c.etat, 100)) {
            ASSERT_FALSE(q.impossible);
            EXPECT_EQ(q.texteCible(), QString::number(q.cible));
            std::set<QString> legendes;
            for (std::size_t i = 0; i < q.bulles.size(); ++i) {
                const QuestionOperation& b = q.bulles[i];
                EXPECT_EQ(b.resultat == q.cible, q.BonnesBulles[i]) << i;
                legendes.insert(TexteOperation(b, false));
            }
            if (q.avecDoublons) ++doublons;
            else EXPECT_EQ(legendes.size(), q.bulles.size());
        }
        EXPECT_LE(doublons, c.doublonsMax);
    }
}

// One possible operation (or one result): only an all-right pattern can be built, by repeating
// captions; any other pattern ends in the impossible outcome.
TEST(GenereExo4, reglagesAUneSeuleOperation) {
    const SharedState cas[] = {reglages({{2, 3, 3, Fois}}, true), reglages({{1, 0, 0, Plus}})};
    for (const SharedState& e : cas) {
        int impossibles = 0;
        for (const QuestionExo4& q : questions(e, 40)) {
            const bool toutesBonnes = BullesConformes(q.BonnesBulles, bulles("1111111111")) == BullesExo4;
            EXPECT_EQ(q.impossible, !toutesBonnes);
            if (q.impossible) {
                ++impossibles;
                EXPECT_EQ(q.texteCible(), "OK");
            } else {
                EXPECT_TRUE(q.avecDoublons);
            }
        }
        EXPECT_GT(impossibles, 30);
    }
    EXPECT_TRUE(
        TexteExo4Impossible().startsWith(QString::fromUtf8("Vous avez selectionné moins de deux opérations\ndifférentes")));
}

TEST(Exo4, jugementEtAide) {
    struct Cas {
        const char* bonnes;
        const char* selection;
        int conformes;
        const char* aide;
    };
    const Cas cas[] = {
        {"0000000000", "0000000000", 10,
         "Tu as répondu juste! Bravo! Clique sur le poisson avec la solution pour passer à la question suivante"},
        {"1101000000", "0001000001", 7, "Il reste 2 bulles correctes à sélectionner\nTu as selectionné 1 bulles fausses\n"},
        {"1000000000", "0000000000", 9, "Il reste 1 bulles correctes à sélectionner\n"},
        {"0000000000", "0000000111", 7, "Tu as selectionné 3 bulles fausses\n"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(BullesConformes(bulles(c.bonnes), bulles(c.selection)), c.conformes);
        EXPECT_EQ(SelectionJuste(bulles(c.bonnes), bulles(c.selection)), c.conformes == 10);
        EXPECT_EQ(TexteAideExo4(bulles(c.bonnes), bulles(c.selection)), QString::fromUtf8(c.aide));
    }
}

// The fish marks its own bubbles; only the pupil's mistakes get a word; a bubble rightly left
// alone gets nothing.
TEST(Exo4, laSolutionMarqueLesBullesDuPoissonEtLesErreurs) {
    const struct {
        bool choisie, bonne;
        const char* composant;
        bool poisson;
        const char* mot;
    } cas[] = {
        {true, true, "BulleTrouvee", true, ""},
        {false, true, "BulleOubliee", true, "oubliée"},
        {true, false, "BullePasCelleCi", false, "pas celle-ci"},
        {false, false, "", false, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "choisie " << c.choisie << ", bonne " << c.bonne);
        const MarqueSolution& m = marqueSolution(SolutionBulle(c.choisie, c.bonne));
        EXPECT_STREQ(m.composant, c.composant);
        EXPECT_EQ(m.poisson, c.poisson);
        EXPECT_STREQ(m.mot, c.mot);
    }
}

// Three questions: two errors on the first, none on the second, one on the last. Questions with
// errors count once each, and their lines join the list in order.
TEST(ComptageErreurs, compteLesQuestionsRateesUneFois) {
    SharedState etat;
    etat.NombreErreurs = 7;
    ComptageErreurs c;
    c.commence(etat);
    EXPECT_EQ(etat.NombreErreurs, 0);
    c.erreur(etat);
    c.erreur(etat);
    EXPECT_EQ(c.ErreursQuestion, 2);
    EXPECT_EQ(etat.NombreErreurs, 1);
    EXPECT_TRUE(c.termineQuestion(3, LigneErreursExo4("12", c.ErreursQuestion)));
    EXPECT_TRUE(c.termineQuestion(3, LigneErreursExo4("8", c.ErreursQuestion)));
    c.erreur(etat);
    EXPECT_FALSE(c.termineQuestion(3, LigneErreursExo4("5", c.ErreursQuestion)));
    EXPECT_EQ(etat.NombreErreurs, 2);
    EXPECT_EQ(c.NumeroQuestion, 3);
    EXPECT_EQ(c.ListeErreurs,
              QString::fromUtf8("Opérations égalent à 12 => 2 erreurs\r\nOpérations égalent à 5 => 1 erreurs\r\n"));
}
