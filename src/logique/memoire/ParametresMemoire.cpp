#include "logique/memoire/ParametresMemoire.h"

#include <cmath>

double ParametresMemoire::probabilite(const QString& eleve, const Caracteristiques& c) const {
    double z = 0;
    for (int k = 0; k < Caracteristique::Nombre; ++k) z += double(poids[k]) * c.x[k];
    if (const auto e = eleves.constFind(eleve); e != eleves.cend())
        z += e->niveau + e->niveauGroupe[c.groupe] + e->oubli * c.x[Caracteristique::Depuis];
    z += faits.value(c.fait) + familles.value(c.famille);
    return 1.0 / (1.0 + std::exp(-z));
}
