#include "logique/memoire/ParametresMemoire.h"

#include "logique/memoire/RegistresAvx.h"

#include <cmath>

double ParametresMemoire::probabilite(const QString& eleve, const Caracteristiques& c) const {
    static const TermesEleve moyen;
    const auto e = eleves.constFind(eleve);
    RegistresAvx::efface();
    return probabilite(e == eleves.cend() ? moyen : *e, c);
}

double ParametresMemoire::probabilite(const TermesEleve& eleve, const Caracteristiques& c) const {
    double z = 0;
    for (int k = 0; k < Caracteristique::Nombre; ++k) z += double(poids[k]) * c.x[k];
    z += eleve.niveau + eleve.niveauGroupe[c.groupe] + eleve.oubli * c.x[Caracteristique::Depuis];
    z += faits.value(c.fait) + familles.value(c.famille);
    return 1.0 / (1.0 + std::exp(-z));
}
