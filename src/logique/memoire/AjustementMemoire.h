#pragma once
// Fitting the model: a logistic regression of "right at the first try" on the features of each
// question, with terms of each pupil and each fact held near zero (ridge penalties, as Gaussian
// priors), by L-BFGS on the penalised log-loss with its exact gradient (NLopt). The loss is convex,
// so the fit finds the one best set of weights whatever it starts from. A plain function of its
// data: the caller may run it on any thread.
#include "logique/memoire/ParametresMemoire.h"

#include <cstdint>
#include <vector>

namespace AjustementMemoire {
struct Exemple {
    Caracteristiques c;
    int eleve = 0;  // index in `eleves`
    bool juste = false;
};

// The examples as each pass of the fit reads them, a class's year being 300,000 questions read
// some thirty times: one compact row of features per question, and the indices of its pupil's,
// fact's and family's terms.
class TableExemples final {
public:
    // Features per row: Caracteristique::Nombre, padded with zeros to a multiple of 4 so that the
    // weighted sum runs on four independent additions.
    static constexpr int Largeur = (Caracteristique::Nombre + 3) / 4 * 4;
    struct Termes {
        std::int32_t eleve, fait, famille;  // indices in `eleves`, codesFaits, codesFamilles
        std::uint8_t groupe;
        std::uint8_t juste;
    };

    void reserve(std::size_t questions);
    void ajoute(const Caracteristiques& c, int eleve, bool juste);
    std::size_t taille() const { return termes_.size(); }
    const float* ligne(std::size_t n) const { return x_.data() + n * Largeur; }
    const Termes& termes(std::size_t n) const { return termes_[n]; }
    // The facts and families met, by index.
    const std::vector<qint64>& codesFaits() const { return codesFaits_; }
    const std::vector<qint64>& codesFamilles() const { return codesFamilles_; }

private:
    std::vector<float> x_;
    std::vector<Termes> termes_;
    QHash<qint64, int> faits_, familles_;
    std::vector<qint64> codesFaits_, codesFamilles_;
};

ParametresMemoire ajuste(const TableExemples& exemples, const QStringList& eleves);
ParametresMemoire ajuste(const std::vector<Exemple>& exemples, const QStringList& eleves);
}
