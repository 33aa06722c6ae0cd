#pragma once
// Fitting the model: a logistic regression of "right at the first try" on the features of each
// question, with terms of each pupil and each fact held near zero (ridge penalties, as Gaussian
// priors), by L-BFGS on the penalised log-loss with its exact gradient (NLopt). The loss is convex,
// so the fit finds the one best set of weights whatever it starts from. A plain function of its
// data: the caller may run it on any thread.
#include "logique/memoire/ParametresMemoire.h"

#include <vector>

namespace AjustementMemoire {
struct Exemple {
    Caracteristiques c;
    int eleve = 0;  // index in `eleves`
    bool juste = false;
};

ParametresMemoire ajuste(const std::vector<Exemple>& exemples, const QStringList& eleves);
}
