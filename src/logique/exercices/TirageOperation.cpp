#include "logique/exercices/TirageOperation.h"

#include "logique/base/Aleatoire.h"
#include "logique/exercices/TirageCommun.h"
#include "logique/etat/SharedState.h"

#include <algorithm>
#include <limits>
#include <random>
#include <utility>

namespace {
using namespace TirageCommun;
using Groupe = TirageOperation::Groupe;
// Ranges up to this size are searched whole for an exact division.
constexpr i64 RechercheMax = 10000;
constexpr Operation Addition = Operation::Addition;
constexpr Operation Soustraction = Operation::Soustraction;
constexpr Operation Multiplication = Operation::Multiplication;

bool divise(i64 gauche, i64 droite) { return droite != 0 && gauche % droite == 0; }

// An exact division this entry can ask: n ÷ r, or r ÷ n when the operands may be swapped.
bool divisionPossible(const Groupe& g, bool echange) {
    if (g.b - g.a < RechercheMax) {
        for (i64 r = g.a; r <= g.b; ++r)
            if (divise(g.n, r) || (echange && divise(r, g.n))) return true;
        return false;
    }
    // A wide range: 1 or -1 lies in it, or a multiple of n does.
    return g.n != 0 || g.a != 0 || g.b != 0;
}

// The division built when redraws gave none: the first exact pair of the entry.
std::pair<i64, i64> divisionDe(const Groupe& g, bool echange) {
    const i64 fin = std::min(g.b, g.a + RechercheMax);
    for (i64 r = g.a; r <= fin; ++r) {
        if (divise(g.n, r)) return {g.n, r};
        if (echange && divise(r, g.n)) return {r, g.n};
    }
    for (i64 r : {i64{1}, i64{-1}})
        if (r >= g.a && r <= g.b) return {g.n, r};
    return {g.n == 0 ? 0 : g.n, 1};
}

void complement(const Groupe& g, QuestionOperation& q) { TirageCommun::compose(g.op, g.a, g.diviseurs, q); }
}  // namespace

TirageOperation::TirageOperation(const SharedState& e) : dansOrdre_(e.OptionTableDansOrdre), relatifs_(e.OptionNombresRelatifs) {
    for (const EntreeTirage& t : entreesDuTirage(e.entreesTables())) {
        Groupe g;
        static_cast<EntreeTirage&>(g) = t;
        groupes_.push_back(g);
    }
    for (int k = 0; k < static_cast<int>(groupes_.size()); ++k) {
        Groupe& g = groupes_[static_cast<std::size_t>(k)];
        if (g.complement) {
            if (g.op == Multiplication && (g.a < -1 || g.a > 1)) g.diviseurs = TirageCommun::diviseurs(g.a < 0 ? -g.a : g.a);
            continue;
        }
        // A subtraction redraw takes the new entry's numbers whatever its operation: any entry
        // whose table number is not below its range can give one.
        g.soustractionPossible = g.a <= g.n && tient(g.n - g.a);
        g.divisionPossible = divisionPossible(g, !dansOrdre_);
        if (g.soustractionPossible) soustractions_.push_back(k);
        if (g.divisionPossible) divisions_.push_back(k);
    }
}

QuestionOperation TirageOperation::tire() const {
    const auto au_hasard = [this](const std::vector<int>& parmi) -> const Groupe& {
        return groupes_[static_cast<std::size_t>(
            parmi[static_cast<std::size_t>(Aleatoire::random(static_cast<int>(parmi.size())))])];
    };
    const Groupe& premier = groupes_[static_cast<std::size_t>(Aleatoire::random(static_cast<int>(groupes_.size())))];
    QuestionOperation q;
    q.operation = premier.op;
    q.complement = premier.complement;
    if (premier.complement) {
        complement(premier, q);
        return q;
    }
    i64 gauche = premier.n;
    i64 droite = tireDans(premier.a, premier.b);
    const auto echange = [&] {
        if (!dansOrdre_ && Aleatoire::random(2) == 1) std::swap(gauche, droite);
    };
    echange();

    i64 resultat = 0;
    switch (q.operation) {
        case Addition: resultat = gauche + droite; break;
        case Multiplication: resultat = gauche * droite; break;
        case Soustraction:
            if (!relatifs_ && gauche < droite) {
                if (soustractions_.empty()) {
                    std::swap(gauche, droite);  // no entry gives left >= right in its order
                } else {
                    for (int essai = 0; essai < EssaisMax && gauche < droite; ++essai) {
                        const Groupe& g = au_hasard(soustractions_);
                        gauche = g.n;
                        droite = tireDans(g.a, g.b);
                    }
                    if (gauche < droite) {
                        const Groupe& g = au_hasard(soustractions_);
                        gauche = g.n;
                        droite = tireDans(g.a, std::min(g.b, g.n));
                    }
                }
            }
            resultat = gauche - droite;
            break;
        default:
            if (!divise(gauche, droite)) {
                if (divisions_.empty()) {
                    // No entry gives an exact division: the drawn pair is made one.
                    if (droite == 0) {
                        if (gauche != 0) std::swap(gauche, droite);
                        else droite = 1;
                    } else if (tient(gauche * droite)) {
                        gauche *= droite;
                    } else {
                        droite = 1;
                    }
                } else {
                    for (int essai = 0; essai < EssaisMax && !divise(gauche, droite); ++essai) {
                        const Groupe& g = au_hasard(divisions_);
                        gauche = g.n;
                        droite = tireDans(g.a, g.b);
                        echange();
                    }
                    if (!divise(gauche, droite)) {
                        const auto paire = divisionDe(au_hasard(divisions_), !dansOrdre_);
                        gauche = paire.first;
                        droite = paire.second;
                    }
                }
            }
            resultat = gauche / droite;
            break;
    }
    q.gauche = static_cast<int>(gauche);
    q.droite = static_cast<int>(droite);
    q.resultat = static_cast<int>(resultat);
    return q;
}

QString TexteResultat(const QuestionOperation& operation) { return QStringLiteral("= ") + QString::number(operation.resultat); }

RepertoireOperations::RepertoireOperations(const TirageOperation& tireur, int tirages) {
    for (int i = 0; i < tirages; ++i) note(tireur.tire());
}

void RepertoireOperations::note(const QuestionOperation& operation) {
    const std::uint64_t operandes = static_cast<std::uint64_t>(static_cast<std::uint32_t>(operation.gauche)) << 32 |
                                    static_cast<std::uint32_t>(operation.droite);
    if (!vues_[static_cast<std::size_t>(static_cast<int>(operation.operation) & 3)].insert(operandes).second) return;
    std::vector<QuestionOperation>& memes = parResultat_[operation.resultat];
    if (!jumelles_)
        jumelles_ = std::any_of(memes.begin(), memes.end(),
                                [&](const QuestionOperation& autre) { return autre.gauche != operation.gauche; });
    memes.push_back(operation);
    plusGrandGroupe_ = std::max(plusGrandGroupe_, static_cast<int>(memes.size()));
    ++nombre_;
}

const std::vector<QuestionOperation>& RepertoireOperations::deResultat(int resultat) const {
    static const std::vector<QuestionOperation> aucune;
    const auto it = parResultat_.find(resultat);
    return it == parResultat_.end() ? aucune : it->second;
}
