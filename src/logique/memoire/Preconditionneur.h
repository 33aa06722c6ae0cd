#pragma once
// A change of unknowns for a minimisation by L-BFGS: w = centre + T v with T = L^-T, where L L^T is
// an estimate of the Hessian of the loss. The loss is then about as curved in every direction of
// v, and L-BFGS needs a few passes where a badly scaled problem takes it many (the fit's loss is a
// hundred thousand times flatter in some directions than in others). An unknown kept at or above
// its centre stays a coordinate of its own, scaled but not mixed with the others, so that its
// bound stays a bound on one coordinate of v.
#include <vector>

class Preconditionneur final {
public:
    // `hessien`: n × n row by row (only the lower half is read), or its diagonal alone (n values),
    // which only scales each unknown. Positive definite; if not, v = w - centre.
    Preconditionneur(std::vector<double> hessien, const std::vector<bool>& bornes, const std::vector<double>& centre);
    std::vector<double> poids(const std::vector<double>& v) const;
    // The gradient in v from the gradient in w.
    std::vector<double> gradient(const std::vector<double>& gw) const;
    // 0 for the coordinates of the bounded unknowns, -infinity for the others.
    std::vector<double> bornesBasses() const;

private:
    bool plein() const { return l_.size() > std::size_t(n_); }
    double& l(int i, int j) { return l_[std::size_t(i) * std::size_t(n_) + std::size_t(j)]; }
    double l(int i, int j) const { return l_[std::size_t(i) * std::size_t(n_) + std::size_t(j)]; }
    void factorise(int premiereBorne);

    int n_ = 0;
    std::vector<double> centre_;
    std::vector<int> ordre_;  // the unknown at each coordinate of v: the bounded ones last
    int bornees_ = 0;
    std::vector<double> l_;  // lower triangular row by row, or its diagonal; empty: T = I
};
