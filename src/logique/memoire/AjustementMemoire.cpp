#include "logique/memoire/AjustementMemoire.h"

#include <nlopt.hpp>

#include <QStringList>
#include <cmath>
#include <thread>

namespace {
using Caracteristique::Depuis;
using Caracteristique::Nombre;

// How far from the class's average a pupil or a fact may be pulled by its answers: the inverse
// variances of the priors. A pupil's forgetting is held tighter: it is a slope, seen over months.
constexpr double PenalitePoids = 1;
constexpr double PenaliteNiveau = 2;
constexpr double PenaliteOubli = 20;
constexpr double PenaliteFait = 2;

struct Probleme {
    const std::vector<AjustementMemoire::Exemple>& exemples;
    std::vector<int> fait, famille;  // index of each example's fact and family
    int eleves = 0, faits = 0, familles = 0;
    // Where each block of unknowns starts.
    int niveau() const { return Nombre; }
    int niveauGroupe() const { return niveau() + eleves; }
    int oubli() const { return niveauGroupe() + 2 * eleves; }
    int debutFaits() const { return oubli() + eleves; }
    int debutFamilles() const { return debutFaits() + faits; }
    int taille() const { return debutFamilles() + familles; }
};

// The class's log-odds of the fact is the prior of every answer to it: its weight is drawn
// towards 1, not 0, so that an operation the fit has not seen yet follows the class's answers.
double centre(int i) { return i == Caracteristique::ClasseFait ? 1 : 0; }

double penalite(int i, const Probleme& p) {
    if (i == Caracteristique::Constante) return 0;
    if (i < p.niveau()) return PenalitePoids;
    if (i < p.oubli()) return PenaliteNiveau;
    if (i < p.debutFaits()) return PenaliteOubli;
    return PenaliteFait;
}

// The loss and its gradient over the examples [debut, fin), added to `perte` and `g`.
void sommePartielle(const Probleme& p, const std::vector<double>& w, std::size_t debut, std::size_t fin, double& perte,
                    std::vector<double>& g) {
    for (std::size_t n = debut; n < fin; ++n) {
        const auto& e = p.exemples[n];
        const auto& x = e.c.x;
        const int oubli = p.oubli() + e.eleve;
        const int ng = p.niveauGroupe() + 2 * e.eleve + e.c.groupe;
        const int fa = p.debutFaits() + p.fait[n], fm = p.debutFamilles() + p.famille[n];
        double z = w[p.niveau() + e.eleve] + w[ng] + w[oubli] * x[Depuis] + w[fa] + w[fm];
        for (int k = 0; k < Nombre; ++k) z += w[k] * x[k];
        // log(1 + e^z) - y z and its slope p - y, from one exponential, without overflow.
        const double u = std::exp(-std::abs(z));
        perte += std::max(z, 0.0) + std::log1p(u) - (e.juste ? z : 0);
        const double r = (z >= 0 ? 1 / (1 + u) : u / (1 + u)) - (e.juste ? 1 : 0);
        for (int k = 0; k < Nombre; ++k) g[k] += r * x[k];
        g[p.niveau() + e.eleve] += r;
        g[ng] += r;
        g[oubli] += r * x[Depuis];
        g[fa] += r;
        g[fm] += r;
    }
}

double objectif(const std::vector<double>& w, std::vector<double>& gradient, void* donnees) {
    const Probleme& p = *static_cast<const Probleme*>(donnees);
    // Two halves at once: a class's year is 300,000 examples.
    const std::size_t milieu = p.exemples.size() / 2;
    std::vector<double> g(w.size(), 0.0), g2(w.size(), 0.0);
    double perte = 0, perte2 = 0;
    std::thread autre([&] { sommePartielle(p, w, milieu, p.exemples.size(), perte2, g2); });
    sommePartielle(p, w, 0, milieu, perte, g);
    autre.join();
    perte += perte2;
    for (std::size_t i = 0; i < g.size(); ++i) g[i] += g2[i];
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double l = penalite(int(i), p);
        const double ecart = w[i] - centre(int(i));
        perte += 0.5 * l * ecart * ecart;
        g[i] += l * ecart;
    }
    // The mean over the examples, so that the stopping tolerance means the same for any class.
    const double n = std::max<std::size_t>(1, p.exemples.size());
    if (!gradient.empty())
        for (std::size_t i = 0; i < w.size(); ++i) gradient[i] = g[i] / n;
    return perte / n;
}
}  // namespace

namespace AjustementMemoire {
ParametresMemoire ajuste(const std::vector<Exemple>& exemples, const QStringList& eleves) {
    Probleme p{exemples, {}, {}, int(eleves.size()), 0, 0};
    QHash<qint64, int> faits, familles;
    QList<qint64> codesFaits, codesFamilles;
    p.fait.reserve(exemples.size());
    p.famille.reserve(exemples.size());
    for (const auto& e : exemples) {
        auto f = faits.find(e.c.fait);
        if (f == faits.end()) {
            f = faits.insert(e.c.fait, int(codesFaits.size()));
            codesFaits.append(e.c.fait);
        }
        auto m = familles.find(e.c.famille);
        if (m == familles.end()) {
            m = familles.insert(e.c.famille, int(codesFamilles.size()));
            codesFamilles.append(e.c.famille);
        }
        p.fait.push_back(*f);
        p.famille.push_back(*m);
    }
    p.faits = int(codesFaits.size());
    p.familles = int(codesFamilles.size());

    std::vector<double> w(std::size_t(p.taille()), 0.0);
    ParametresMemoire resultat;
    if (!exemples.empty()) {
        nlopt::opt optimiseur(nlopt::LD_LBFGS, unsigned(w.size()));
        optimiseur.set_min_objective(objectif, &p);
        // More right answers never make a fact less known: the weights of the right answers'
        // traces and days stay at or above zero, which keeps a small class's fit from
        // trading one time scale against another (and from predicting wildly past its data).
        std::vector<double> bas(w.size(), -HUGE_VAL);
        for (int s = 0; s < Caracteristique::NombreStabilites; ++s)
            for (const int trace : {Caracteristique::FaitJuste, Caracteristique::FamilleJuste})
                bas[std::size_t(Caracteristique::Traces + trace * Caracteristique::NombreStabilites + s)] = 0;
        bas[Caracteristique::JoursJustes] = bas[Caracteristique::JoursJustesFamille] = 0;
        optimiseur.set_lower_bounds(bas);
        optimiseur.set_ftol_rel(1e-9);
        optimiseur.set_maxeval(500);
        double minimum = 0;
        try {
            optimiseur.optimize(w, minimum);
        } catch (const nlopt::roundoff_limited&) {
            // Stopped by rounding near the minimum: w holds the best point found.
        }
    }
    for (int k = 0; k < Nombre; ++k) resultat.poids[k] = w[k];
    for (int e = 0; e < p.eleves; ++e) {
        TermesEleve t;
        t.niveau = w[p.niveau() + e];
        t.niveauGroupe = {w[p.niveauGroupe() + 2 * e], w[p.niveauGroupe() + 2 * e + 1]};
        t.oubli = w[p.oubli() + e];
        resultat.eleves.insert(eleves[e], t);
    }
    for (int f = 0; f < p.faits; ++f) resultat.faits.insert(codesFaits[f], w[p.debutFaits() + f]);
    for (int f = 0; f < p.familles; ++f) resultat.familles.insert(codesFamilles[f], w[p.debutFamilles() + f]);
    return resultat;
}
}  // namespace AjustementMemoire
