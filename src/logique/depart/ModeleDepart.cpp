#include "logique/depart/ModeleDepart.h"

#include <cmath>

namespace Depart {
namespace {
double sigmoide(double x) { return 1.0 / (1.0 + std::exp(-x)); }

double produit(const Vecteur& a, const Vecteur& b, int n) {
    double s = 0;
    for (int i = 0; i < n; ++i) s += a[i] * b[i];
    return s;
}

Vecteur applique(const Matrice& m, const Vecteur& x, int n) {
    Vecteur y{};
    for (int i = 0; i < n; ++i) y[i] = produit(m[i], x, n);
    return y;
}

// The inverse of a symmetric positive definite matrix (Gauss-Jordan; the prior keeps it well
// conditioned).
Matrice inverse(Matrice a, int n) {
    Matrice r{};
    for (int i = 0; i < n; ++i) r[i][i] = 1.0;
    for (int c = 0; c < n; ++c) {
        const double pivot = a[c][c];
        for (int j = 0; j < n; ++j) {
            a[c][j] /= pivot;
            r[c][j] /= pivot;
        }
        for (int i = 0; i < n; ++i) {
            const double f = a[i][c];
            if (i == c || f == 0) continue;
            for (int j = 0; j < n; ++j) {
                a[i][j] -= f * a[c][j];
                r[i][j] -= f * r[c][j];
            }
        }
    }
    return r;
}
}  // namespace

ModeleDepart::ModeleDepart(const TraitsDesFaits& traits) : traits_(traits) { apprend({}); }

void ModeleDepart::apprend(const QList<ReponseDepart>& reponses) {
    // Newton's method on the log-posterior: concave, so a few steps from the prior's centre.
    const int n = traits_.nombre;
    Vecteur mode = traits_.moyenne;
    Matrice hessienne{};
    for (int iteration = 0; iteration < 50; ++iteration) {
        Vecteur gradient{};
        hessienne = {};
        for (int i = 0; i < n; ++i) {
            const double precision = 1.0 / (traits_.ecart[i] * traits_.ecart[i]);
            gradient[i] = -precision * (mode[i] - traits_.moyenne[i]);
            hessienne[i][i] = precision;
        }
        for (const ReponseDepart& r : reponses) {
            const int a = r.question.gauche, b = r.question.droite;
            if (a < 1 || a > Cote || b < 1 || b > Cote) continue;
            const Vecteur& x = traits_.x[indexFait(a, b)];
            const double p = sigmoide(produit(mode, x, n));
            const double w = p * (1 - p);
            for (int i = 0; i < n; ++i) {
                if (x[i] == 0) continue;
                gradient[i] += ((r.juste ? 1.0 : 0.0) - p) * x[i];
                for (int j = 0; j < n; ++j) hessienne[i][j] += w * x[i] * x[j];
            }
        }
        const Vecteur pas = applique(inverse(hessienne, n), gradient, n);
        double longueur = 0;
        for (int i = 0; i < n; ++i) {
            mode[i] += pas[i];
            longueur += pas[i] * pas[i];
        }
        if (longueur < 1e-14) break;
    }
    mode_ = mode;
    covariance_ = inverse(hessienne, n);
}

double ModeleDepart::logit(int index) const { return produit(mode_, traits_.x[index], traits_.nombre); }

double ModeleDepart::variance(int index) const {
    const Vecteur& x = traits_.x[index];
    return produit(x, applique(covariance_, x, traits_.nombre), traits_.nombre);
}

Estimations ModeleDepart::estimations() const {
    Estimations e{};
    for (int k = 0; k < NombreDeFaits; ++k) e[k] = sigmoide(logit(k));
    return e;
}

double ModeleDepart::information(int index, const std::array<bool, NombreDeFaits>& posee) const {
    // One more answer on fact j lowers the variance of fact k's log-odds by
    // w·(x_k'Σx_j)² / (1 + w·x_j'Σx_j), w = p_j(1 - p_j); on the chance, by that times (p_k(1 - p_k))².
    const int n = traits_.nombre;
    const Vecteur sx = applique(covariance_, traits_.x[index], n);
    const double p = sigmoide(logit(index));
    const double w = p * (1 - p);
    const double denominateur = 1.0 + w * produit(traits_.x[index], sx, n);
    double gain = 0;
    for (int k = 0; k < NombreDeFaits; ++k) {
        if (posee[k]) continue;
        const double pk = sigmoide(logit(k));
        const double c = produit(traits_.x[k], sx, n);
        gain += pk * pk * (1 - pk) * (1 - pk) * w * c * c / denominateur;
    }
    return gain;
}

double ModeleDepart::incertitude() const {
    double somme = 0;
    for (int k = 0; k < NombreDeFaits; ++k) {
        const double p = sigmoide(logit(k));
        somme += p * (1 - p) * std::sqrt(variance(k));
    }
    return somme / NombreDeFaits;
}

Estimations estimeDepuis(Operation operation, const QList<ReponseDepart>& reponses) {
    ModeleDepart modele(traitsDesFaits(operation));
    modele.apprend(reponses);
    return modele.estimations();
}
}  // namespace Depart
