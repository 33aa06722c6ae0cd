#include "logique/depart/TraitsDesFaits.h"

#include <cmath>

namespace Depart {
namespace {
// One term: its value for each fact and its prior.
struct Terme {
    double moyenne;
    double ecart;
    double (*valeur)(int a, int b);
};

double un(int, int) { return 1.0; }
double avecUn(int a, int b) { return a == 1 || b == 1 ? 1.0 : 0.0; }
double avecDix(int a, int b) { return a == 10 || b == 10 ? 1.0 : 0.0; }
double double_(int a, int b) { return a == b ? 1.0 : 0.0; }
// The problem-size effect, each side apart (children do not always find a×b and b×a alike).
double tailleGauche(int a, int) { return std::log(a) - 1.0; }
double tailleDroite(int, int b) { return std::log(b) - 1.0; }
double avecDeuxOuCinq(int a, int b) { return a == 2 || b == 2 || a == 5 || b == 5 ? 1.0 : 0.0; }
double sommeAuDelaDeDix(int a, int b) { return a + b > 10 ? 1.0 : 0.0; }
double taillePlusGauche(int a, int) { return (a - 5.0) / 5.0; }
double taillePlusDroite(int, int b) { return (b - 5.0) / 5.0; }

// The ability's prior: most pupils who start know the easiest facts, few know them all.
constexpr Terme Capacite{0.0, 1.5, un};
constexpr Terme TermesFois[] = {Capacite,
                                {-1.0, 0.8, tailleGauche},
                                {-1.0, 0.8, tailleDroite},
                                {1.5, 1.2, avecUn},
                                {1.0, 1.5, avecDix},
                                {0.5, 0.8, double_},
                                {0.7, 0.8, avecDeuxOuCinq}};
constexpr Terme TermesPlus[] = {Capacite,
                                {-0.7, 0.8, taillePlusGauche},
                                {-0.7, 0.8, taillePlusDroite},
                                {-1.0, 1.0, sommeAuDelaDeDix},
                                {1.5, 1.2, avecUn},
                                {1.0, 1.5, avecDix},
                                {0.8, 0.8, double_}};
// The pupil's term for each table: a child may know the table of 5 better than the sizes say.
constexpr double EcartTable = 0.5;

template <std::size_t N>
TraitsDesFaits construit(Operation operation, const Terme (&termes)[N]) {
    TraitsDesFaits t;
    t.operation = operation;
    t.nombre = int(N) + Cote;
    for (std::size_t i = 0; i < N; ++i) {
        t.moyenne[i] = termes[i].moyenne;
        t.ecart[i] = termes[i].ecart;
    }
    for (int table = 0; table < Cote; ++table) t.ecart[N + table] = EcartTable;
    for (int a = 1; a <= Cote; ++a)
        for (int b = 1; b <= Cote; ++b) {
            Vecteur& x = t.x[indexFait(a, b)];
            for (std::size_t i = 0; i < N; ++i) x[i] = termes[i].valeur(a, b);
            x[N + a - 1] += 1.0;
            x[N + b - 1] += 1.0;
        }
    return t;
}
}  // namespace

TraitsDesFaits traitsDesFaits(Operation operation) {
    if (operation == Operation::Multiplication) return construit(operation, TermesFois);
    return construit(Operation::Addition, TermesPlus);
}
}  // namespace Depart
