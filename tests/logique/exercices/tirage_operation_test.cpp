#include "Tirages.h"
#include "logique/base/Cp1252.h"

#include <climits>
#include <cmath>

using namespace tirages;

namespace {
std::set<QString> textes(const SharedState& e, int tirages = 2000) {
    Aleatoire::graine(71);
    const TirageOperation tireur(e);
    std::set<QString> vus;
    for (int i = 0; i < tirages; ++i) {
        const QuestionOperation q = tireur.tire();
        verifieCalcul(q);
        vus.insert(TexteOperation(q, false));
    }
    return vus;
}
}  // namespace

// Each case ends (its loops are bounded) and gives exactly these operations.
TEST(TirageOperation, donneLesOperationsAttendues) {
    struct Cas {
        const char* nom;
        SharedState etat;
        std::set<QString> attendues;
    };
    const Cas cas[] = {
        {"dans l'ordre", reglages({{7, 2, 4, Fois}}, true), ensemble({"7×2", "7×3", "7×4"})},
        {"échange", reglages({{7, 3, 3, Fois}}), ensemble({"7×3", "3×7"})},
        // the special cases and "larger on the left" of exercise 1 play no part here
        {"division", reglages({{5, 1, 10, Divise}}), ensemble({"5÷1", "5÷5", "10÷5"})},
        {"soustraction sans négatif", reglages({{4, 3, 6, Moins}}), ensemble({"4-3", "4-4", "5-4", "6-4"})},
        {"relatifs", reglages({{4, 5, 5, Moins}}, true, true), ensemble({"4-5"})},
        // a table number below its whole range: the operands are swapped rather than redrawn forever
        {"soustraction impossible dans l'ordre", reglages({{2, 5, 5, Moins}}, true), ensemble({"5-2"})},
        // a subtraction redraw only lands on an entry that can serve
        {"redessin", reglages({{2, 5, 5, Moins}, {9, 1, 1, Moins}}, true), ensemble({"9-1"})},
        {"complément à 4 +", reglages({{C, 4, C, Plus}}), ensemble({"0+4", "1+3", "2+2", "3+1"})},
        {"complément à 1 ×", reglages({{C, 1, C, Fois}}), ensemble({"1×1"})},
        {"complément à 0 ÷", reglages({{C, 0, C, Divise}}), ensemble({"0÷1"})},
        {"complément à 7 ×", reglages({{C, 7, C, Fois}}), ensemble({"1×7"})},
        {"complément à 3 −", reglages({{C, 3, C, Moins}}), ensemble({"3-0", "4-1", "5-2"})},
        // a division that never divides becomes an exact one
        {"division jamais exacte", reglages({{7, 2, 2, Divise}}, true), ensemble({"14÷2"})},
        {"liste vide", reglages({}), {}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::set<QString> vues = textes(c.etat);
        if (c.attendues.empty()) {
            EXPECT_EQ(vues.size(), 100u);  // the addition tables 1 to 10 on 1 to 10, both orders
            EXPECT_TRUE(vues.count("10+10") && vues.count("1+1") && vues.count("3+10"));
        } else {
            EXPECT_EQ(vues, c.attendues);
        }
    }
}

// A subtraction redraw takes a new entry whatever its operation, keeping the sign: with 3 − 5..9
// and 10 + 1, half the draws are the subtraction entry, half of those in its order (3 − b), which
// redraw until the addition entry gives 10 − 1: a quarter of all draws.
TEST(TirageOperation, redessinDUneSoustractionParmiToutesLesEntrees) {
    Aleatoire::graine(2024);
    const TirageOperation tireur(reglages({{3, 5, 9, Moins}, {10, 1, 1, Plus}}));
    constexpr int Tirages = 8000;
    int dixMoinsUn = 0;
    for (int i = 0; i < Tirages; ++i) {
        const QuestionOperation q = tireur.tire();
        verifieCalcul(q);
        dixMoinsUn += TexteOperation(q, false) == QStringLiteral("10-1");
    }
    EXPECT_NEAR(dixMoinsUn, Tirages / 4.0, 5 * std::sqrt(Tirages * 0.25 * 0.75));
}

// Entries at the edges of 32 bits give exact operations or are left out, never an overflow.
TEST(TirageOperation, extremesSansDebordement) {
    const SharedState e = reglages({{INT_MAX, 2, 3, Fois},
                                    {C, INT_MIN, C, Fois},
                                    {C, INT_MAX, C, Divise},
                                    {INT_MAX, -5, 5, Divise},
                                    {INT_MIN + 1, 1, 2000000000, Moins},
                                    {-7, INT_MIN, INT_MIN, Plus}});
    EXPECT_FALSE(textes(e).empty());
}

// The captions, with and without spaces, in the bytes the profile gets.
TEST(TirageOperation, legendesEnWindows1252) {
    const QuestionOperation fois{7, 8, 56, Operation::Multiplication, false};
    const QuestionOperation divise{56, 8, 7, Operation::Division, false};
    EXPECT_EQ(*Cp1252::encode(TexteOperation(fois, false) + TexteOperation(divise, false) + TexteResultat(fois)),
              QByteArray("7\xD7"
                         "8"
                         "56\xF7"
                         "8"
                         "= 56"));
    EXPECT_EQ(TexteOperation(fois, true), QString::fromUtf8("7 × 8"));
    EXPECT_EQ(SigneOperation(Operation::Addition) + SigneOperation(Operation::Soustraction), QStringLiteral("+-"));
    EXPECT_EQ(TexteOperation({-3, 4, -7, Operation::Soustraction, false}, true), QStringLiteral("-3 - 4"));
}
