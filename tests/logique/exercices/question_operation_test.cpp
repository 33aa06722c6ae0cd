#include "Tirages.h"

#include <climits>
#include <cmath>
#include <functional>
#include <map>

using namespace tirages;

namespace {
constexpr int Tirages = 3000;

// The distinct questions ("7×8") of many draws, each checked.
std::set<QString> questions(const SharedState& e, const std::function<void(const QuestionOperation&)>& aussi = {},
                            int tirages = Tirages) {
    Aleatoire::graine(20261206);
    std::set<QString> vues;
    for (int i = 0; i < tirages; ++i) {
        const QuestionOperation q = TireQuestionOperation(e);
        verifieCalcul(q);
        if (aussi) aussi(q);
        vues.insert(TexteOperation(q, false));
    }
    return vues;
}
}  // namespace

// How often each question comes, over many draws from a fixed seed: the shares must match the
// draw's design within five standard deviations (the seed makes the counts repeatable).
TEST(TireQuestionOperation, EachQuestionComesAsOftenAsDesigned) {
    struct Cas {
        const char* nom;
        SharedState etat;
        std::map<QString, double> parts;
    };
    SharedState doublesOuSuccesseurs = reglages({{6, 1, 10, Fois}}, true);
    doublesOuSuccesseurs.CasDoublesCarres = doublesOuSuccesseurs.CasSuccesseurs = true;
    const auto u = [](const char* t) { return QString::fromUtf8(t); };
    std::map<QString, double> addition, soustraction;
    for (int r = 1; r <= 10; ++r) {  // 5 + r or r + 5, the table number on either side by even chance
        addition[QStringLiteral("5+%1").arg(r)] += 0.05;
        addition[QStringLiteral("%1+5").arg(r)] += 0.05;
    }
    // 5 - r or r - 5; a negative draw is redrawn from the subtraction entry only, without a swap.
    for (int r = 1; r <= 10; ++r) soustraction[r <= 5 ? QStringLiteral("5-%1").arg(r) : QStringLiteral("%1-5").arg(r)] = 0.05;
    for (int r = 1; r <= 5; ++r) soustraction[QStringLiteral("5-%1").arg(r)] += 0.45 / 5 + (r == 5 ? 0.05 : 0.0);
    soustraction[u("100+1")] = soustraction[u("1+100")] = 0.25;
    for (auto& [q, p] : soustraction)
        if (q.contains('-')) p /= 2;
    const Cas cas[] = {
        {"addition", reglages({{5, 1, 10, Plus}}), addition},
        {"division", reglages({{5, 1, 10, Divise}}), {{u("5÷1"), 0.25}, {u("5÷5"), 0.5}, {u("10÷5"), 0.25}}},
        {"division in order", reglages({{5, 1, 10, Divise}}, true), {{u("5÷1"), 0.5}, {u("5÷5"), 0.5}}},
        {"subtraction beside an addition", reglages({{5, 1, 10, Moins}, {100, 1, 1, Plus}}), soustraction},
        {"entries alike whatever their range",
         reglages({{2, 1, 1, Fois}, {3, 1, 2, Fois}}, true),
         {{u("2×1"), 0.5}, {u("3×1"), 0.25}, {u("3×2"), 0.25}}},
        {"doubles or successors", doublesOuSuccesseurs, {{u("6×6"), 0.5}, {u("6×7"), 0.5}}},
    };
    constexpr int N = 20000;
    for (const Cas& c : cas) {
        Aleatoire::graine(20261206);
        std::map<QString, int> vues;
        for (int i = 0; i < N; ++i) ++vues[TexteOperation(TireQuestionOperation(c.etat), false)];
        for (const auto& [q, n] : vues) EXPECT_TRUE(c.parts.count(q)) << c.nom << ": " << q.toStdString();
        for (const auto& [q, p] : c.parts)
            EXPECT_NEAR(double(vues[q]) / N, p, 5 * std::sqrt(p * (1 - p) / N)) << c.nom << ": " << q.toStdString();
    }
}

// Zero operands but never a divisor zero; complements give their target whatever the options.
TEST(TireQuestionOperation, ZeroOperandsAndComplements) {
    const auto fois = questions(reglages({{3, 0, 10, Fois}}));
    EXPECT_TRUE(fois.count(QString::fromUtf8("3×0")) && fois.count(QString::fromUtf8("0×3")));
    EXPECT_TRUE(questions(reglages({{3, 0, 10, Divise}})).count(QString::fromUtf8("0÷3")));
    SharedState e = reglages({{C, 10, C, Plus}});
    e.OptionTableDansOrdre = e.OptionGrandeOperandeAGauche = e.CasDoublesCarres = e.CasSuccesseurs = true;
    std::set<QString> attendues;
    for (int g = 0; g <= 9; ++g) attendues.insert(QStringLiteral("%1+%2").arg(g).arg(10 - g));
    EXPECT_EQ(questions(e, [](const QuestionOperation& q) { EXPECT_TRUE(q.complement); }), attendues);

    EXPECT_EQ(questions(reglages({{C, 7, C, Fois}})), ensemble({"1×7"}));
    EXPECT_EQ(questions(reglages({{C, 12, C, Fois}})), ensemble({"1×12", "2×6", "3×4", "4×3", "6×2"}));
    EXPECT_EQ(questions(reglages({{C, 6, C, Moins}})), ensemble({"6-0", "7-1", "8-2", "9-3", "10-4", "11-5"}));
    EXPECT_EQ(questions(reglages({{C, 6, C, Divise}})), ensemble({"6÷1", "12÷2", "18÷3", "24÷4", "30÷5"}));
    for (int cible : {0, 1})
        for (int op : {Plus, Moins, Fois, Divise})
            questions(
                reglages({{C, cible, C, op}}), [cible](const QuestionOperation& q) { EXPECT_EQ(q.resultat, cible); }, 200);
    EXPECT_EQ(questions(reglages({{C, 1, C, Fois}})), ensemble({"1×1"}));
    EXPECT_EQ(questions(reglages({{C, 1, C, Divise}})), ensemble({"1÷1"}));
    EXPECT_EQ(questions(reglages({{C, 0, C, Divise}})), ensemble({"0÷1"}));
}

// Subtraction is negative only with relative numbers; the larger operand on the left, unless the
// numbers are relative or the table kept in order.
TEST(TireQuestionOperation, SubtractionAndLargerOperandOnTheLeft) {
    SharedState e = reglages({{4, 1, 10, Moins}});
    const auto positives = questions(e, [](const QuestionOperation& q) { EXPECT_GE(q.resultat, 0); });
    EXPECT_TRUE(positives.count("10-4") && positives.count("4-1"));
    e.OptionNombresRelatifs = true;
    EXPECT_TRUE(questions(e).count("4-9"));

    e = reglages({{5, 1, 10, Plus}});
    e.OptionGrandeOperandeAGauche = true;
    const auto vues = questions(e, [](const QuestionOperation& q) { EXPECT_GE(q.gauche, q.droite); });
    EXPECT_TRUE(vues.count("5+1") && vues.count("10+5"));
    e.OptionNombresRelatifs = true;
    EXPECT_TRUE(questions(e).count("1+5"));
    e.OptionNombresRelatifs = false;
    e.OptionTableDansOrdre = true;
    EXPECT_TRUE(questions(e).count("5+10"));
}

TEST(TireQuestionOperation, DoublesAndSuccessors) {
    SharedState e = reglages({{6, 1, 10, Fois}});
    e.CasDoublesCarres = true;
    EXPECT_EQ(questions(e), ensemble({"6×6"}));
    // Successors: 6 × 7, or 5 × 6 when the first draw and its swap already gave a successor pair.
    e.CasSuccesseurs = true;
    EXPECT_EQ(questions(e), ensemble({"6×6", "6×7", "5×6"}));
    e.CasDoublesCarres = false;
    EXPECT_EQ(questions(e), ensemble({"6×7", "5×6"}));
    e.OptionTableDansOrdre = true;
    EXPECT_EQ(questions(e), ensemble({"6×7"}));

    SharedState plus = reglages({{6, 1, 10, Plus}});
    plus.CasSuccesseurs = true;
    plus.OptionTableDansOrdre = true;
    EXPECT_EQ(questions(plus), ensemble({"6+7"}));
}

TEST(TireQuestionOperation, NoUsableEntryFallsBackToTheAdditionTables) {
    const auto addition = [](const QuestionOperation& q) {
        EXPECT_EQ(q.operation, Operation::Addition);
        EXPECT_TRUE(q.gauche >= 1 && q.gauche <= 10 && q.droite >= 1 && q.droite <= 10);
    };
    EXPECT_EQ(questions(SharedState{}, addition).size(), 100u);
    // Unknown operations and entries whose results overflow are left out.
    questions(reglages({{5, 1, 10, 7}, {2000000000, 1, 2000000000, Plus}, {100000, 1, 100000, Fois}}), addition, 300);
    SharedState faux = reglages({{5, 1, 10, Plus}});
    faux.DernierIndiceTables = -7;
    questions(faux, addition, 100);
}

TEST(TireQuestionOperation, LargeNumbersNeverOverflow) {
    EXPECT_EQ(questions(reglages({{C, INT_MAX, C, Fois}}), {}, 20), ensemble({"1×2147483647"}));
    questions(reglages({{C, INT_MAX, C, Moins}}), {}, 200);
    questions(reglages({{C, 2000000000, C, Divise}}), {}, 200);
    questions(reglages({{C, INT_MIN, C, Fois}, {C, -12, C, Divise}}), {}, 200);
    questions(reglages({{INT_MAX, -1, 1, Divise}, {-1, INT_MIN + 1, INT_MAX, Moins}}), {}, 300);
}

TEST(TireQuestionOperation, ImpossibleConstraintsStillGiveAQuestion) {
    // Doubles and successors no range can give: ordinary questions.
    SharedState doubles = reglages({{6, 1, 5, Plus}});
    doubles.CasDoublesCarres = true;
    EXPECT_EQ(questions(doubles).size(), 10u);
    SharedState successeurs = reglages({{9, 1, 5, Fois}});
    successeurs.CasSuccesseurs = true;
    EXPECT_EQ(questions(successeurs).size(), 10u);

    // Subtraction that can only be negative: the operands are swapped.
    SharedState moins = reglages({{2, 5, 10, Moins}});
    moins.OptionTableDansOrdre = true;
    questions(moins, [](const QuestionOperation& q) { EXPECT_GE(q.resultat, 0); });

    // No exact division at all: the drawn pair becomes one.
    SharedState divise = reglages({{7, 2, 3, Divise}});
    divise.OptionTableDansOrdre = true;
    EXPECT_EQ(questions(divise), ensemble({"14÷2", "21÷3"}));
    SharedState enorme = reglages({{7, 1000000, 2000000000, Divise}});
    enorme.OptionTableDansOrdre = true;
    questions(
        enorme, [](const QuestionOperation& q) { EXPECT_EQ(q.resultat, 7); }, 200);

    // A double that chance almost never gives is built once the redraws run out.
    SharedState rare = reglages({{5, 1, 2000000000, Plus}});
    rare.CasDoublesCarres = true;
    EXPECT_EQ(questions(rare, {}, 50), ensemble({"5+5"}));
}

TEST(TireQuestionOperation, RedrawsNeverLandOnComplementEntries) {
    SharedState e = reglages({{C, 10, C, Plus}, {6, 1, 10, Fois}});
    e.CasDoublesCarres = true;
    const auto vues = questions(e);
    EXPECT_TRUE(vues.count(QString::fromUtf8("6×6")));
    EXPECT_EQ(vues.size(), 11u);

    SharedState d = reglages({{C, 5, C, Plus}, {C, 8, C, Moins}, {5, 1, 10, Divise}});
    questions(d, [](const QuestionOperation& q) {
        if (!q.complement) {
            EXPECT_TRUE(ensemble({"5÷1", "5÷5", "10÷5"}).count(TexteOperation(q, false)));
        }
    });

    SharedState m = reglages({{C, 3, C, Moins}, {4, 1, 10, Moins}, {3, 1, 10, Plus}});
    m.OptionGrandeOperandeAGauche = true;
    questions(m, [](const QuestionOperation& q) {
        if (!q.complement && q.operation == static_cast<Operation>(Moins)) {
            EXPECT_GE(q.resultat, 0);
        }
    });
}

// Random settings: whatever the tables and flags, every question is a valid operation.
TEST(TireQuestionOperation, AnySettingsGiveValidQuestions) {
    Aleatoire::graine(7);
    std::mt19937 hasard(99);
    const auto de = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard); };
    for (int essai = 0; essai < 300; ++essai) {
        SharedState e;
        const int entrees = de(0, 5);
        for (int j = 0; j < entrees; ++j) {
            if (de(0, 3) == 0) e.ajouteEntree(C, de(-3, 30), C, de(0, 3));
            else e.ajouteEntree(de(-12, 12), de(-12, 12), de(-12, 12), de(0, 3));
        }
        e.CasDoublesCarres = de(0, 1);
        e.CasSuccesseurs = de(0, 1);
        e.OptionTableDansOrdre = de(0, 1);
        e.OptionGrandeOperandeAGauche = de(0, 1);
        e.OptionNombresRelatifs = de(0, 1);
        for (int i = 0; i < 40; ++i) {
            const QuestionOperation q = TireQuestionOperation(e);
            verifieCalcul(q);
            if (!e.OptionNombresRelatifs && !q.complement && q.operation == static_cast<Operation>(Moins)) {
                EXPECT_GE(q.resultat, 0);
            }
        }
    }
}
