#include "logique/exercices/QuestionOperation.h"

#include "logique/base/Aleatoire.h"
#include "logique/exercices/TirageCommun.h"
#include "logique/etat/EntreeTirage.h"
#include "logique/etat/SharedState.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace {
using namespace TirageCommun;

constexpr Operation Addition = Operation::Addition;
constexpr Operation Soustraction = Operation::Soustraction;
constexpr Operation Multiplication = Operation::Multiplication;
constexpr Operation Division = Operation::Division;

// The entries as the draw reads them (never empty).
using Groupe = EntreeTirage;
using Groupes = std::vector<Groupe>;

// Indexes of the groups a redraw may land on.
struct Reserve {
    std::array<short, SharedState::EntreesMax> i;
    int taille = 0;
};

template <typename Critere>
Reserve reserve(const Groupes& groupes, Critere critere) {
    Reserve r;
    for (int k = 0; k < static_cast<int>(groupes.size()); ++k)
        if (critere(groupes[static_cast<std::size_t>(k)])) r.i[r.taille++] = static_cast<short>(k);
    return r;
}

struct Tirage {
    const Groupes& groupes;
    i64 gauche = 0;
    i64 droite = 0;
    const Groupe* courant = nullptr;

    // The entry draw: the group's table number on the left, an operand of its range on the right.
    void entree(const Groupe& g) {
        gauche = g.n;
        droite = tireDans(g.a, g.b);
        courant = &g;
    }
    const Groupe& dans(const Reserve& r) const { return groupes[static_cast<std::size_t>(r.i[Aleatoire::random(r.taille)])]; }
    void echange() {
        if (Aleatoire::random(2) == 1) std::swap(gauche, droite);
    }
};

// A redraw loop: entry draws from the groups that can meet the condition, bounded; past the bound
// a group of the reserve gives a question that meets it. False when no group can meet it.
template <typename Critere, typename Condition, typename Construit>
bool redessine(Tirage& t, Critere critere, Condition condition, Construit construit, bool avecEchange = false) {
    if (condition()) return true;
    const Reserve r = reserve(t.groupes, critere);
    if (r.taille == 0) return false;
    for (int essai = 0; essai < EssaisMax && !condition(); ++essai) {
        t.entree(t.dans(r));
        if (avecEchange) t.echange();
    }
    if (!condition()) construit(t.dans(r));
    return true;
}

i64 plafondMultiple(i64 valeur, i64 pas) {  // smallest multiple of pas (> 0) not below valeur
    const i64 q = valeur >= 0 ? (valeur + pas - 1) / pas : -((-valeur) / pas);
    return q * pas;
}

// A division with an exact quotient this group can ask, if any: n ÷ r with r in the range, or
// (when the operands may be swapped) a multiple of n in the range divided by n.
std::optional<std::pair<i64, i64>> divisionPossible(const Groupe& g, bool echangePermis) {
    const i64 n = g.n;
    if (n == 0) {
        if (g.a != 0) return std::pair{i64{0}, g.a};
        if (g.b != 0) return std::pair{i64{0}, g.b};
        return std::nullopt;
    }
    for (i64 r : {i64{1}, i64{-1}, n, -n})
        if (g.contient(r)) return std::pair{n, r};
    const i64 absolu = n < 0 ? -n : n;
    if (echangePermis) {
        const i64 m = plafondMultiple(g.a, absolu);
        if (m <= g.b) return std::pair{m, n};
    }
    // Other divisors, looked for among small ones only so that the search stays short.
    for (i64 d = 2; d <= 200 && d * d <= absolu; ++d)
        if (absolu % d == 0)
            for (i64 r : {d, -d, absolu / d, -absolu / d})
                if (g.contient(r)) return std::pair{n, r};
    return std::nullopt;
}

// The operands of a complement entry's question; the divisors are those of its target.
void complement(const Groupe& g, QuestionOperation& q) {
    const bool facteurs = g.op == Operation::Multiplication && (g.a < -1 || g.a > 1);
    TirageCommun::compose(g.op, g.a, facteurs ? TirageCommun::diviseurs(g.a < 0 ? -g.a : g.a) : std::vector<i64>{}, q);
}
}  // namespace

QuestionOperation TireQuestionOperation(const SharedState& e) {
    const Groupes groupes = entreesDuTirage(e.entreesTables());
    Tirage t{groupes};
    const auto estTable = [](const Groupe& g) { return !g.complement; };

    // First entry draw; it alone decides whether the question is a complement.
    const Groupe& premier = groupes[static_cast<std::size_t>(Aleatoire::random(static_cast<int>(groupes.size())))];
    QuestionOperation q;
    q.complement = premier.complement;
    q.operation = premier.op;
    if (q.complement) {
        complement(premier, q);
        return q;
    }
    t.entree(premier);
    if (!e.OptionTableDansOrdre) t.echange();

    // Larger operand on the left (no effect with relative numbers).
    if (e.OptionGrandeOperandeAGauche && !e.OptionTableDansOrdre && !e.OptionNombresRelatifs) {
        redessine(
            t, estTable, [&] { return t.gauche >= t.droite; }, [&](const Groupe&) { std::swap(t.gauche, t.droite); }, true);
    }

    // Special cases: doubles, successors, or one of the two at random. A case no group can give
    // leaves the question ordinary.
    const int cas = (e.CasDoublesCarres ? 1 : 0) + (e.CasSuccesseurs ? 1 : 0);
    if (cas > 0) {
        const int choix = Aleatoire::random(cas);
        const bool doubles = e.CasDoublesCarres && choix == 0;
        if (doubles) {
            redessine(
                t, [](const Groupe& g) { return !g.complement && g.contient(g.n); }, [&] { return t.gauche == t.droite; },
                [&](const Groupe& g) {
                    t.gauche = t.droite = g.n;
                    t.courant = &g;
                });
        } else {
            redessine(
                t, [](const Groupe& g) { return !g.complement && g.contient(g.n + 1); }, [&] { return t.gauche + 1 == t.droite; },
                [&](const Groupe& g) {
                    t.gauche = g.n;
                    t.droite = g.n + 1;
                    t.courant = &g;
                });
        }
    }

    q.operation = t.courant->op;
    i64 resultat = 0;
    switch (q.operation) {
        case Addition: resultat = t.gauche + t.droite; break;
        case Soustraction:
            if (!e.OptionNombresRelatifs) {
                // Redraw among the subtraction groups that can give left >= right; with none,
                // the operands are swapped.
                const bool possible = redessine(
                    t, [](const Groupe& g) { return !g.complement && g.op == Soustraction && g.a <= g.n; },
                    [&] { return t.gauche >= t.droite; },
                    [&](const Groupe& g) {
                        t.gauche = g.n;
                        t.droite = tireDans(g.a, std::min(g.b, g.n));
                    });
                if (!possible) std::swap(t.gauche, t.droite);
            }
            resultat = t.gauche - t.droite;
            break;
        case Multiplication: resultat = t.gauche * t.droite; break;
        default: {
            const bool echange = !e.OptionTableDansOrdre;
            const auto exacte = [&] { return t.droite != 0 && t.gauche % t.droite == 0; };
            const bool possible = redessine(
                t, [&](const Groupe& g) { return !g.complement && divisionPossible(g, echange).has_value(); }, exacte,
                [&](const Groupe& g) {
                    const auto paire = *divisionPossible(g, echange);
                    t.gauche = paire.first;
                    t.droite = paire.second;
                },
                echange);
            if (!possible) {
                // No group can give an exact division: the drawn pair becomes one.
                if (t.droite == 0) {
                    if (t.gauche != 0) std::swap(t.gauche, t.droite);
                    else t.droite = 1;
                } else if (t.gauche % t.droite != 0) {
                    if (tient(t.gauche * t.droite)) t.gauche *= t.droite;
                    else t.droite = 1;
                }
            }
            resultat = t.gauche / t.droite;
            break;
        }
    }
    q.gauche = static_cast<int>(t.gauche);
    q.droite = static_cast<int>(t.droite);
    q.resultat = static_cast<int>(resultat);
    return q;
}

QString TexteOperation(const QuestionOperation& q, bool avecBlancs) {
    const QString signe = avecBlancs ? QLatin1Char(' ') + SigneOperation(q.operation) + QLatin1Char(' ')
                                     : SigneOperation(q.operation);
    return QString::number(q.gauche) + signe + QString::number(q.droite);
}
