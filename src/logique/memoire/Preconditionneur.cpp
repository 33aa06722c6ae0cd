#include "logique/memoire/Preconditionneur.h"

#include <algorithm>
#include <cmath>
#include <limits>

Preconditionneur::Preconditionneur(std::vector<double> hessien, const std::vector<bool>& bornes,
                                   const std::vector<double>& centre)
    : n_(int(centre.size())), centre_(centre) {
    for (const bool borne : {false, true})
        for (int i = 0; i < n_; ++i)
            if (bornes[std::size_t(i)] == borne) ordre_.push_back(i);
    bornees_ = int(std::count(bornes.begin(), bornes.end(), true));
    const bool plein = hessien.size() == std::size_t(n_) * std::size_t(n_) && n_ > 1;
    l_.assign(hessien.size(), 0.0);
    // The Hessian in the order of v.
    for (int a = 0; a < n_; ++a) {
        const std::size_t i = std::size_t(ordre_[std::size_t(a)]);
        if (!plein) {
            l_[std::size_t(a)] = hessien[i];
            continue;
        }
        for (int b = 0; b <= a; ++b) {
            const std::size_t j = std::size_t(ordre_[std::size_t(b)]);
            l(a, b) = hessien[std::max(i, j) * std::size_t(n_) + std::min(i, j)];
        }
    }
    factorise(n_ - bornees_);
}

// Cholesky, in place. The bounded unknowns, last, keep only their own curvature once the others
// are accounted for (the diagonal of the Schur complement), and no coupling between them.
void Preconditionneur::factorise(int premiereBorne) {
    for (int j = 0; j < n_; ++j) {
        double d = plein() ? l(j, j) : l_[std::size_t(j)];
        if (plein())
            for (int k = 0; k < std::min(j, premiereBorne); ++k) d -= l(j, k) * l(j, k);
        if (!(d > 0) || !std::isfinite(d)) {
            l_.clear();
            return;
        }
        if (!plein()) {
            l_[std::size_t(j)] = std::sqrt(d);
            continue;
        }
        l(j, j) = std::sqrt(d);
        for (int i = j + 1; i < n_; ++i) {
            double s = j < premiereBorne ? l(i, j) : 0;
            if (j < premiereBorne)
                for (int k = 0; k < j; ++k) s -= l(i, k) * l(j, k);
            l(i, j) = s / l(j, j);
        }
    }
}

std::vector<double> Preconditionneur::poids(const std::vector<double>& v) const {
    // u = L^-T v, by back substitution.
    std::vector<double> u(v);
    if (plein()) {
        for (int i = n_ - 1; i >= 0; --i) {
            double s = v[std::size_t(i)];
            for (int j = i + 1; j < n_; ++j) s -= l(j, i) * u[std::size_t(j)];
            u[std::size_t(i)] = s / l(i, i);
        }
    } else if (!l_.empty()) {
        for (int i = 0; i < n_; ++i) u[std::size_t(i)] /= l_[std::size_t(i)];
    }
    std::vector<double> w(v.size());
    for (int a = 0; a < n_; ++a) {
        const std::size_t i = std::size_t(ordre_[std::size_t(a)]);
        w[i] = centre_[i] + u[std::size_t(a)];
    }
    return w;
}

std::vector<double> Preconditionneur::gradient(const std::vector<double>& gw) const {
    // T^T gw = L^-1 gw, by forward substitution.
    std::vector<double> y(gw.size());
    for (int a = 0; a < n_; ++a) y[std::size_t(a)] = gw[std::size_t(ordre_[std::size_t(a)])];
    if (plein()) {
        for (int i = 0; i < n_; ++i) {
            double s = y[std::size_t(i)];
            for (int j = 0; j < i; ++j) s -= l(i, j) * y[std::size_t(j)];
            y[std::size_t(i)] = s / l(i, i);
        }
    } else if (!l_.empty()) {
        for (int i = 0; i < n_; ++i) y[std::size_t(i)] /= l_[std::size_t(i)];
    }
    return y;
}

std::vector<double> Preconditionneur::bornesBasses() const {
    std::vector<double> bas(std::size_t(n_), -std::numeric_limits<double>::infinity());
    for (int a = n_ - bornees_; a < n_; ++a) bas[std::size_t(a)] = 0;
    return bas;
}
