#include "logique/memoire/AjustementMemoire.h"

#include "logique/memoire/Preconditionneur.h"
#include "logique/memoire/RegistresAvx.h"

#include <nlopt.hpp>

#include <QStringList>
#include <algorithm>
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
    const AjustementMemoire::TableExemples& exemples;
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

struct Somme {
    double perte = 0;
    std::vector<double> gradient;
};

// The loss and its gradient over the examples [debut, fin), added to `somme`. Everything a
// question adds goes to locals first: the two halves run at once and must share no cache line.
void sommePartielle(const Probleme& p, const double* w, std::size_t debut, std::size_t fin, Somme& somme) {
    RegistresAvx::efface();  // this thread's registers may come from a lookup by name
    constexpr int L = AjustementMemoire::TableExemples::Largeur;
    std::array<double, L> poids{}, gPoids{};
    std::copy(w, w + Nombre, poids.begin());
    double* g = somme.gradient.data();
    double perte = 0;
    for (std::size_t n = debut; n < fin; ++n) {
        const float* x = p.exemples.ligne(n);
        const auto& t = p.exemples.termes(n);
        // Four sums side by side rather than one chain of additions.
        double z0 = 0, z1 = 0, z2 = 0, z3 = 0;
        for (int k = 0; k < L; k += 4) {
            z0 += poids[k] * x[k];
            z1 += poids[k + 1] * x[k + 1];
            z2 += poids[k + 2] * x[k + 2];
            z3 += poids[k + 3] * x[k + 3];
        }
        const int niveau = p.niveau() + t.eleve;
        const int ng = p.niveauGroupe() + 2 * t.eleve + t.groupe;
        const int oubli = p.oubli() + t.eleve;
        const int fa = p.debutFaits() + t.fait, fm = p.debutFamilles() + t.famille;
        const double z = (z0 + z1) + (z2 + z3) + w[niveau] + w[ng] + w[oubli] * x[Depuis] + w[fa] + w[fm];
        // log(1 + e^z) - y z and its slope p - y, from one exponential, without overflow
        // (u <= 1: log(1 + u) is then as exact as log1p, and quicker).
        const double u = std::exp(-std::abs(z));
        perte += std::max(z, 0.0) + std::log(1 + u) - (t.juste ? z : 0);
        const double r = (z >= 0 ? 1 : u) / (1 + u) - t.juste;
        for (int k = 0; k < L; ++k) gPoids[k] += r * x[k];
        g[niveau] += r;
        g[ng] += r;
        g[oubli] += r * x[Depuis];
        g[fa] += r;
        g[fm] += r;
    }
    for (int k = 0; k < Nombre; ++k) g[k] += gPoids[k];
    somme.perte += perte;
}

double objectifPoids(const Probleme& p, const std::vector<double>& w, std::vector<double>& gradient) {
    // Two halves at once, each into its own sums; added in the same order whatever the timing.
    const std::size_t n = p.exemples.taille(), milieu = n / 2;
    Somme a{0, std::vector<double>(w.size(), 0.0)}, b{0, std::vector<double>(w.size(), 0.0)};
    std::thread autre([&] { sommePartielle(p, w.data(), milieu, n, b); });
    sommePartielle(p, w.data(), 0, milieu, a);
    autre.join();
    double perte = a.perte + b.perte;
    std::vector<double>& g = a.gradient;
    for (std::size_t i = 0; i < g.size(); ++i) g[i] += b.gradient[i];
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double l = penalite(int(i), p);
        const double ecart = w[i] - centre(int(i));
        perte += 0.5 * l * ecart * ecart;
        g[i] += l * ecart;
    }
    // The mean over the examples, so that the stopping tolerance means the same for any class.
    const double moyenne = double(std::max<std::size_t>(1, n));
    gradient.resize(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) gradient[i] = g[i] / moyenne;
    return perte / moyenne;
}

// Beyond this many unknowns the Hessian's diagonal alone: a full one would take longer than the
// passes it saves.
constexpr int TaillePleine = 1200;

// The Hessian of the loss where the search starts (w = centre), from a sample of the examples,
// lower half. The sample takes the examples at the golden ratio's multiples: evenly spread and
// blind to the journal's order (a stride would see one pupil in three if the class answered in turn).
std::vector<double> hessien(const Probleme& p) {
    constexpr double Echantillon = 40000;
    const std::size_t n = std::size_t(p.taille()), taille = p.exemples.taille();
    const bool plein = p.taille() <= TaillePleine;
    std::vector<double> h(plein ? n * n : n, 0.0);
    const double part = std::min(1.0, Echantillon / double(taille));
    std::array<int, Nombre + 5> indices;
    std::array<double, Nombre + 5> valeurs;
    for (std::size_t e = 0; e < taille; ++e) {
        double entier;
        if (std::modf(double(e) * 0.6180339887498949, &entier) >= part) continue;
        const float* x = p.exemples.ligne(e);
        const auto& t = p.exemples.termes(e);
        std::size_t m = 0;
        for (int k = 0; k < Nombre; ++k)
            if (x[k] != 0) {
                indices[m] = k;
                valeurs[m++] = x[k];
            }
        for (const auto& [i, v] : {std::pair<int, double>{p.niveau() + t.eleve, 1.0},
                                   {p.niveauGroupe() + 2 * t.eleve + t.groupe, 1.0},
                                   {p.oubli() + t.eleve, x[Depuis]},
                                   {p.debutFaits() + t.fait, 1.0},
                                   {p.debutFamilles() + t.famille, 1.0}}) {
            indices[m] = i;
            valeurs[m++] = v;
        }
        const double q = 1 / (1 + std::exp(-double(x[Caracteristique::ClasseFait])));
        const double poids = q * (1 - q) / part / double(taille);
        for (std::size_t a = 0; a < m; ++a) {
            if (!plein) {
                h[std::size_t(indices[a])] += poids * valeurs[a] * valeurs[a];
                continue;
            }
            for (std::size_t b = 0; b <= a; ++b) {
                const std::size_t i = std::size_t(std::max(indices[a], indices[b]));
                const std::size_t j = std::size_t(std::min(indices[a], indices[b]));
                h[i * n + j] += poids * valeurs[a] * valeurs[b];
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) h[plein ? i * n + i : i] += penalite(int(i), p) / double(taille);
    return h;
}

struct Recherche {
    const Probleme& probleme;
    const Preconditionneur& preconditionneur;
};

double objectif(const std::vector<double>& v, std::vector<double>& gradient, void* donnees) {
    const Recherche& r = *static_cast<const Recherche*>(donnees);
    std::vector<double> gw;
    const double perte = objectifPoids(r.probleme, r.preconditionneur.poids(v), gw);
    if (!gradient.empty()) gradient = r.preconditionneur.gradient(gw);
    return perte;
}
}  // namespace

namespace AjustementMemoire {
void TableExemples::reserve(std::size_t questions) {
    x_.reserve(questions * Largeur);
    termes_.reserve(questions);
}

void TableExemples::ajoute(const Caracteristiques& c, int eleve, bool juste) {
    auto f = faits_.find(c.fait);
    if (f == faits_.end()) {
        f = faits_.insert(c.fait, int(codesFaits_.size()));
        codesFaits_.push_back(c.fait);
    }
    auto m = familles_.find(c.famille);
    if (m == familles_.end()) {
        m = familles_.insert(c.famille, int(codesFamilles_.size()));
        codesFamilles_.push_back(c.famille);
    }
    x_.insert(x_.end(), c.x.begin(), c.x.end());
    x_.resize(x_.size() + (Largeur - Caracteristique::Nombre), 0.0f);
    termes_.push_back({eleve, *f, *m, std::uint8_t(c.groupe), std::uint8_t(juste ? 1 : 0)});
}

ParametresMemoire ajuste(const std::vector<Exemple>& exemples, const QStringList& eleves) {
    TableExemples table;
    table.reserve(exemples.size());
    for (const Exemple& e : exemples) table.ajoute(e.c, e.eleve, e.juste);
    return ajuste(table, eleves);
}

ParametresMemoire ajuste(const TableExemples& exemples, const QStringList& eleves) {
    Probleme p{exemples, int(eleves.size()), int(exemples.codesFaits().size()), int(exemples.codesFamilles().size())};
    std::vector<double> w(std::size_t(p.taille()), 0.0);
    ParametresMemoire resultat;
    if (exemples.taille() > 0) {
        // More right answers never make a fact less known: the weights of the right answers'
        // traces and days stay at or above zero, which keeps a small class's fit from
        // trading one time scale against another (and from predicting wildly past its data).
        std::vector<bool> bornes(w.size(), false);
        for (int s = 0; s < Caracteristique::NombreStabilites; ++s)
            for (const int trace : {Caracteristique::FaitJuste, Caracteristique::FamilleJuste})
                bornes[std::size_t(Caracteristique::Traces + trace * Caracteristique::NombreStabilites + s)] = true;
        bornes[Caracteristique::JoursJustes] = bornes[Caracteristique::JoursJustesFamille] = true;
        std::vector<double> centres(w.size());
        for (std::size_t i = 0; i < w.size(); ++i) centres[i] = centre(int(i));
        const Preconditionneur preconditionneur(hessien(p), bornes, centres);
        Recherche recherche{p, preconditionneur};
        nlopt::opt optimiseur(nlopt::LD_LBFGS, unsigned(w.size()));
        optimiseur.set_min_objective(objectif, &recherche);
        optimiseur.set_lower_bounds(preconditionneur.bornesBasses());
        // Once a step lowers the mean loss by less than 1e-8 of it: some twenty passes, the loss
        // then within about 1e-9 of its minimum.
        optimiseur.set_ftol_rel(1e-8);
        optimiseur.set_maxeval(500);
        // Where the search starts: every term at the centre of its prior (v = 0).
        std::vector<double> v(w.size(), 0.0);
        double minimum = 0;
        try {
            optimiseur.optimize(v, minimum);
        } catch (const nlopt::roundoff_limited&) {
            // Stopped by rounding near the minimum: v holds the best point found.
        }
        w = preconditionneur.poids(v);
    }
    for (int k = 0; k < Nombre; ++k) resultat.poids[k] = w[k];
    for (int e = 0; e < p.eleves; ++e) {
        TermesEleve t;
        t.niveau = w[p.niveau() + e];
        t.niveauGroupe = {w[p.niveauGroupe() + 2 * e], w[p.niveauGroupe() + 2 * e + 1]};
        t.oubli = w[p.oubli() + e];
        resultat.eleves.insert(eleves[e], t);
    }
    for (int f = 0; f < p.faits; ++f) resultat.faits.insert(exemples.codesFaits()[f], w[p.debutFaits() + f]);
    for (int f = 0; f < p.familles; ++f) resultat.familles.insert(exemples.codesFamilles()[f], w[p.debutFamilles() + f]);
    return resultat;
}
}  // namespace AjustementMemoire
