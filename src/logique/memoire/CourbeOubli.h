#pragma once
// How a memory trace fades: the power curve of the published spaced-repetition memory models,
// R(t, S) = (1 + F·t/S)^-0.5, with F = 19/81 so that R = 0.9 when t = S (the stability). A power
// curve, unlike an exponential one, keeps a long tail: a fact practised months ago still helps.

namespace CourbeOubli {
// The share of a trace left `jours` days after a practice, for a stability of `stabilite` days.
double retenue(double jours, double stabilite);
// The same for `nombre` ages at once, in single precision: what the model's features sum.
void retenues(const float* jours, int nombre, double stabilite, float* sortie);
}
