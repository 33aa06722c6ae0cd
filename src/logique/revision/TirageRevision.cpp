#include "logique/revision/TirageRevision.h"

#include "logique/base/Aleatoire.h"

#include <algorithm>

namespace Revision {
TirageRevision::TirageRevision(const EstimationsEleve& e, const QList<Fait>& faits) : total_(static_cast<int>(faits.size())) {
    std::vector<std::pair<double, Fait>> dus;
    for (const Fait& f : faits) {
        const double p = e.estimation(f);
        if (p < 0) {
            nouveaux_.push_back(f);
            continue;
        }
        ++rencontres_;
        if (p < e.cible) dus.emplace_back(p, f);
        else connus_.push_back(f);
    }
    // The least likely first; equal chances in the order of the tables.
    std::stable_sort(dus.begin(), dus.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& d : dus) dus_.push_back(d.second);
}

// A fact never met, at random; once asked it joins those asked again.
Fait TirageRevision::prendsNouveau() {
    const auto k = static_cast<std::size_t>(Aleatoire::random(static_cast<int>(nouveaux_.size())));
    const Fait fait = nouveaux_[k];
    nouveaux_.erase(nouveaux_.begin() + static_cast<std::ptrdiff_t>(k));
    revus_.push_back(fait);
    return fait;
}

// One fact of the pile at random, never the last one asked; false when the pile has no other.
bool TirageRevision::tireAuHasard(const std::vector<Fait>& pile, Fait& fait) const {
    const int n = static_cast<int>(pile.size());
    if (n == 0 || (n == 1 && aUnDernier_ && pile[0] == dernier_)) return false;
    int k = Aleatoire::random(n);
    if (aUnDernier_ && pile[static_cast<std::size_t>(k)] == dernier_) k = (k + 1 + Aleatoire::random(n - 1)) % n;
    fait = pile[static_cast<std::size_t>(k)];
    return true;
}

// Due and new facts are each asked once before any comes again, so none follows itself.
Fait TirageRevision::tire() {
    Fait fait{1, Operation::Addition, 1, 2};
    if (!nouveaux_.empty() && Aleatoire::random(UnSurN) == 0) {
        fait = prendsNouveau();
    } else if (suivantDu_ < dus_.size()) {
        fait = dus_[suivantDu_++];
        revus_.push_back(fait);
    } else if (!nouveaux_.empty()) {
        fait = prendsNouveau();
    } else if (!tireAuHasard(revus_, fait) && !tireAuHasard(connus_, fait) && aUnDernier_) {
        // A single fact in all comes twice in a row: there is nothing else to ask.
        fait = dernier_;
    }
    dernier_ = fait;
    aUnDernier_ = true;
    return fait;
}
}  // namespace Revision
