// The sentence the voice says for every kind of question the exercises can draw.
#include "Tirages.h"
#include "logique/exercices/Lecture.h"
#include "logique/sons/Phrases.h"

using namespace tirages;

namespace {
// The sentences of 200 draws, for the question as shown (trou 0) or with a missing operand.
std::set<QString> phrases(const SharedState& e, int trou) {
    Aleatoire::graine(7);
    std::set<QString> s;
    for (int i = 0; i < 200; ++i) s.insert(Lecture::question(TireQuestionOperation(e), trou));
    return s;
}
SharedState avec(SharedState e, bool doubles, bool successeurs) {
    e.CasDoublesCarres = doubles;
    e.CasSuccesseurs = successeurs;
    return e;
}
}  // namespace

TEST(Lecture, EveryKindOfQuestionIsReadAsATeacherReadsIt) {
    const struct {
        const char* genre;
        SharedState reglages;
        int trou;
        std::set<QString> attendu;
    } cas[] = {
        {"addition", reglages({{7, 8, 8, Plus}}, true), 0, ensemble({"sept plus huit"})},
        {"subtraction", reglages({{12, 5, 5, Moins}}, true), 0, ensemble({"douze moins cinq"})},
        {"multiplication", reglages({{7, 8, 8, Fois}}, true), 0, ensemble({"sept fois huit"})},
        {"division", reglages({{12, 3, 3, Divise}}, true), 0, ensemble({"douze divisé par trois"})},
        {"complement", reglages({{C, 2, C, Plus}}), 0, ensemble({"zéro plus deux", "un plus un"})},
        {"complement, exercise 2", reglages({{C, 2, C, Plus}}), 2,
         ensemble({"zéro plus combien égale deux", "un plus combien égale deux"})},
        {"doubles", avec(reglages({{6, 1, 10, Plus}}), true, false), 0, ensemble({"six plus six"})},
        {"squares", avec(reglages({{6, 1, 10, Fois}}), true, false), 0, ensemble({"six fois six"})},
        {"successors", avec(reglages({{6, 1, 10, Plus}}, true), false, true), 0, ensemble({"six plus sept"})},
        {"missing left operand", reglages({{7, 8, 8, Fois}}, true), 1, ensemble({"combien fois huit égale cinquante-six"})},
        {"relative numbers", reglages({{4, 9, 9, Moins}}, true, true), 2, ensemble({"quatre moins combien égale moins cinq"})},
    };
    for (const auto& c : cas) EXPECT_EQ(phrases(c.reglages, c.trou), c.attendu) << c.genre;

    // Exercise 3 reads its three bubbles; exercise 4 its target.
    EXPECT_EQ(Lecture::operations({{7, 8, 56, Operation::Multiplication},
                                   {14, 4, 56, Operation::Multiplication},
                                   {6, 9, 54, Operation::Multiplication}}),
              QStringLiteral("sept fois huit, quatorze fois quatre, six fois neuf"));
}

TEST(Lecture, NumbersInFrenchWords) {
    const std::pair<long long, const char*> cas[] = {
        {0, "zéro"},
        {1, "un"},
        {16, "seize"},
        {17, "dix-sept"},
        {21, "vingt et un"},
        {22, "vingt-deux"},
        {70, "soixante-dix"},
        {71, "soixante et onze"},
        {79, "soixante-dix-neuf"},
        {80, "quatre-vingts"},
        {81, "quatre-vingt-un"},
        {91, "quatre-vingt-onze"},
        {100, "cent"},
        {101, "cent un"},
        {200, "deux cents"},
        {280, "deux cent quatre-vingts"},
        {1000, "mille"},
        {1001, "mille un"},
        {2000, "deux mille"},
        {80000, "quatre-vingt mille"},
        {200000, "deux cent mille"},
        {1000000, "un million"},
        {2300000, "deux millions trois cent mille"},
        {200000000, "deux cents millions"},
        {-5, "moins cinq"},
        {-2147483647, "moins deux milliards cent quarante-sept millions quatre cent "
                      "quatre-vingt-trois mille six cent quarante-sept"},
    };
    for (const auto& [n, texte] : cas) EXPECT_EQ(Phrases::nombre(n), QString::fromUtf8(texte)) << n;
}

TEST(Lecture, TheStatementsReadAsSentences) {
    EXPECT_EQ(Phrases::consigne({QStringLiteral("Vite, aide le poisson\ravant que\r le requin n'éclate la bulle !"),
                                 QStringLiteral("Tape la réponse"), QString()}),
              QStringLiteral("Vite, aide le poisson avant que le requin n'éclate la bulle ! Tape la réponse"));
    EXPECT_EQ(Phrases::consigne({QStringLiteral("Aide le poisson"), QStringLiteral("Tape")}),
              QStringLiteral("Aide le poisson. Tape"));
}
