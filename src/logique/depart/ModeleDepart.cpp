#include "logique/depart/ModeleDepart.h"

#include <cmath>

namespace Depart {
namespace {
constexpr int Dimension = 11;
constexpr double EcartCapacite = 1.5;  // prior standard deviations of the pupil's terms
constexpr double EcartTable = 0.7;
using Vecteur = std::array<double, Dimension>;
using Matrice = std::array<Vecteur, Dimension>;

double sigmoide(double x) { return 1.0 / (1.0 + std::exp(-x)); }

// The terms of fact a×b: the ability, table a, table b.
Vecteur termes(int index) {
    Vecteur x{};
    x[0] = 1.0;
    x[1 + index / Cote] += 1.0;
    x[1 + index % Cote] += 1.0;
    return x;
}

double produit(const Vecteur& a, const Vecteur& b) {
    double s = 0;
    for (int i = 0; i < Dimension; ++i) s += a[i] * b[i];
    return s;
}

Vecteur applique(const Matrice& m, const Vecteur& x) {
    Vecteur y{};
    for (int i = 0; i < Dimension; ++i) y[i] = produit(m[i], x);
    return y;
}

// The inverse of a symmetric positive definite matrix (Gauss-Jordan; 11 × 11).
Matrice inverse(Matrice a) {
    Matrice r{};
    for (int i = 0; i < Dimension; ++i) r[i][i] = 1.0;
    for (int c = 0; c < Dimension; ++c) {
        const double pivot = a[c][c];
        for (int j = 0; j < Dimension; ++j) {
            a[c][j] /= pivot;
            r[c][j] /= pivot;
        }
        for (int i = 0; i < Dimension; ++i) {
            if (i == c) continue;
            const double f = a[i][c];
            if (f == 0) continue;
            for (int j = 0; j < Dimension; ++j) {
                a[i][j] -= f * a[c][j];
                r[i][j] -= f * r[c][j];
            }
        }
    }
    return r;
}

double precisionAPriori(int i) { return 1.0 / (i == 0 ? EcartCapacite * EcartCapacite : EcartTable * EcartTable); }
}  // namespace

DifficultesFaits difficultesParDefaut(Operation operation) {
    DifficultesFaits d{};
    for (int a = 1; a <= Cote; ++a)
        for (int b = 1; b <= Cote; ++b) {
            double v = 0;
            if (operation == Operation::Multiplication) {
                if (a == 1 || b == 1) v = 3.5;
                else if (a == 10 || b == 10) v = 3.0;
                else {
                    v = 2.8 - 1.1 * std::log(a * b / 4.0);
                    if (a == 2 || b == 2) v += 0.8;
                    if (a == 5 || b == 5) v += 0.6;
                    if (a == b) v += 0.6;
                }
            } else {
                if (a == 1 || b == 1) v = 3.5;
                else if (a == 10 || b == 10) v = 3.0;
                else {
                    const int somme = a + b;
                    v = somme <= 10 ? 2.8 - 0.2 * (somme - 4) : 1.0 - 0.2 * (somme - 11);
                    if (a == b) v += 0.8;
                }
            }
            d[indexFait(a, b)] = v;
        }
    return d;
}

ModeleDepart::ModeleDepart(const DifficultesFaits& difficultes) : difficultes_(difficultes) { apprend({}); }

void ModeleDepart::apprend(const QList<ReponseDepart>& reponses) {
    // Newton's method on the log-posterior: concave, so a few steps from the prior's centre.
    Vecteur mode{};
    Matrice hessienne{};
    for (int iteration = 0; iteration < 30; ++iteration) {
        Vecteur gradient{};
        hessienne = {};
        for (int i = 0; i < Dimension; ++i) {
            gradient[i] = -precisionAPriori(i) * mode[i];
            hessienne[i][i] = precisionAPriori(i);
        }
        for (const ReponseDepart& r : reponses) {
            const int index = indexFait(r.question.gauche, r.question.droite);
            if (index < 0 || index >= NombreDeFaits) continue;
            const Vecteur x = termes(index);
            const double p = sigmoide(difficultes_[index] + produit(mode, x));
            const double w = p * (1 - p);
            for (int i = 0; i < Dimension; ++i) {
                gradient[i] += ((r.juste ? 1.0 : 0.0) - p) * x[i];
                for (int j = 0; j < Dimension; ++j) hessienne[i][j] += w * x[i] * x[j];
            }
        }
        const Vecteur pas = applique(inverse(hessienne), gradient);
        double longueur = 0;
        for (int i = 0; i < Dimension; ++i) {
            mode[i] += pas[i];
            longueur += pas[i] * pas[i];
        }
        if (longueur < 1e-12) break;
    }
    mode_ = mode;
    covariance_ = inverse(hessienne);
}

Estimations ModeleDepart::estimations() const {
    Estimations e{};
    for (int k = 0; k < NombreDeFaits; ++k) e[k] = sigmoide(difficultes_[k] + produit(mode_, termes(k)));
    return e;
}

double ModeleDepart::information(int index, const QList<ReponseDepart>& dejaPosees) const {
    std::array<bool, NombreDeFaits> posee{};
    for (const ReponseDepart& r : dejaPosees) posee[indexFait(r.question.gauche, r.question.droite)] = true;
    const Vecteur x = termes(index);
    const Vecteur sx = applique(covariance_, x);
    const double p = sigmoide(difficultes_[index] + produit(mode_, x));
    const double w = p * (1 - p);
    const double denominateur = 1.0 + w * produit(x, sx);
    double gain = 0;
    for (int k = 0; k < NombreDeFaits; ++k) {
        if (posee[k]) continue;
        const Vecteur xk = termes(k);
        const double pk = sigmoide(difficultes_[k] + produit(mode_, xk));
        const double c = produit(xk, sx);
        gain += pk * pk * (1 - pk) * (1 - pk) * w * c * c / denominateur;
    }
    return gain;
}

double ModeleDepart::incertitude() const {
    double somme = 0;
    for (int k = 0; k < NombreDeFaits; ++k) {
        const Vecteur x = termes(k);
        const double p = sigmoide(difficultes_[k] + produit(mode_, x));
        somme += p * (1 - p) * std::sqrt(produit(x, applique(covariance_, x)));
    }
    return somme / NombreDeFaits;
}

Estimations estimeDepuis(Operation operation, const QList<ReponseDepart>& reponses) {
    ModeleDepart modele(difficultesParDefaut(operation));
    modele.apprend(reponses);
    return modele.estimations();
}
}  // namespace Depart
