#pragma once
// What the tests of the two operation draws share: settings from table entries, the check that a
// question is an exact operation, sets of question texts.
#include "logique/base/Aleatoire.h"
#include "logique/exercices/QuestionOperation.h"
#include "logique/exercices/TirageOperation.h"
#include "logique/etat/SharedState.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

namespace tirages {
constexpr int C = SharedState::Complement;
enum { Plus = 0, Moins = 1, Fois = 2, Divise = 3 };
using Entree = std::array<int, 4>;

inline SharedState reglages(std::initializer_list<Entree> entrees, bool dansOrdre = false, bool relatifs = false) {
    SharedState e;
    for (const Entree& x : entrees) e.ajouteEntree(x[0], x[1], x[2], x[3]);
    e.OptionTableDansOrdre = dansOrdre;
    e.OptionNombresRelatifs = relatifs;
    return e;
}

// Every question is an exact operation; a table question never shows the complement marker.
inline void verifieCalcul(const QuestionOperation& q) {
    if (!q.complement) {
        EXPECT_NE(q.gauche, C);
        EXPECT_NE(q.droite, C);
    }
    switch (static_cast<int>(q.operation)) {
        case Plus: EXPECT_EQ(static_cast<long long>(q.gauche) + q.droite, q.resultat); break;
        case Moins: EXPECT_EQ(static_cast<long long>(q.gauche) - q.droite, q.resultat); break;
        case Fois: EXPECT_EQ(static_cast<long long>(q.gauche) * q.droite, q.resultat); break;
        case Divise:
            ASSERT_NE(q.droite, 0);
            EXPECT_EQ(q.gauche % q.droite, 0);
            EXPECT_EQ(q.gauche / q.droite, q.resultat);
            break;
        default: ADD_FAILURE() << "operation " << static_cast<int>(q.operation);
    }
}

inline std::set<QString> ensemble(std::initializer_list<const char*> textes) {
    std::set<QString> s;
    for (const char* t : textes) s.insert(QString::fromUtf8(t));
    return s;
}
// Questions of one exercise of kind 3 or 4: the generator is prepared once, as the screen does.
template <typename Question, typename Genere>
std::vector<Question> questionsPreparees(const SharedState& e, int nombre, int graine, Genere genere) {
    Aleatoire::graine(static_cast<std::uint32_t>(graine));
    const TirageOperation tireur(e);
    RepertoireOperations repertoire(tireur);
    std::vector<Question> q;
    for (int i = 0; i < nombre; ++i) q.push_back(genere(tireur, repertoire));
    return q;
}
}  // namespace tirages
