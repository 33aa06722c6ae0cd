#include "logique/revision/TirageRevision.h"

#include "logique/base/Aleatoire.h"

#include <algorithm>

namespace Revision {
TirageRevision::TirageRevision(const Boites& boites, const QList<Fait>& faits, const QDate& aujourdhui) {
    std::vector<const EtatFait*> dus;
    for (const Fait& f : faits) {
        const auto it = boites.find(f);
        const int boite = it == boites.end() ? Nouveau : it->second.boite;
        Pioche& pioche = boite <= 1 ? fragiles_ : connus_;
        if (it != boites.end() && estDu(it->second, aujourdhui))
            dus.push_back(&it->second);
        else
            pioche.autres.push_back(f);
    }
    // The oldest due first; equal days the lower box first, then in the order of the tables.
    std::stable_sort(dus.begin(), dus.end(), [](const EtatFait* a, const EtatFait* b) {
        if (a->echeance != b->echeance) return a->echeance < b->echeance;
        return a->boite < b->boite;
    });
    for (const EtatFait* e : dus) (e->boite <= 1 ? fragiles_ : connus_).dus.push_back(e->fait);
    nombreDus_ = static_cast<int>(dus.size());
    total_ = static_cast<int>(faits.size());
}

// Takes the next due fact of the pile, else one of the others at random; never the last fact
// asked while another one is there (a due fact has never been asked in this exercise).
bool TirageRevision::tireDans(Pioche& p, Fait& fait) {
    if (p.suivant < p.dus.size()) {
        fait = p.dus[p.suivant++];
        // Asked: it may come back later at random, never in a row.
        p.autres.push_back(fait);
        return true;
    }
    const int n = static_cast<int>(p.autres.size());
    if (n == 0 || (n == 1 && aUnDernier_ && p.autres[0] == dernier_)) return false;
    int k = Aleatoire::random(n);
    if (aUnDernier_ && p.autres[static_cast<std::size_t>(k)] == dernier_) k = (k + 1 + Aleatoire::random(n - 1)) % n;
    fait = p.autres[static_cast<std::size_t>(k)];
    return true;
}

Fait TirageRevision::tire() {
    Fait fait{1, Operation::Addition, 1, 2};
    const bool fragile = Aleatoire::random(UnSurN) == 0;
    Pioche& premiere = fragile ? fragiles_ : connus_;
    Pioche& seconde = fragile ? connus_ : fragiles_;
    // A single fact in all may come twice in a row: there is nothing else to ask.
    if (!tireDans(premiere, fait) && !tireDans(seconde, fait) && aUnDernier_) fait = dernier_;
    dernier_ = fait;
    aUnDernier_ = true;
    return fait;
}
}  // namespace Revision
