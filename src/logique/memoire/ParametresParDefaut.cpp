#include "logique/memoire/ParametresParDefaut.h"

ParametresMemoire parametresParDefaut() {
    using namespace Caracteristique;
    ParametresMemoire p;
    auto& w = p.poids;
    w[Constante] = -0.5;
    // The quarter-of-an-hour trace of the fact's right answers: just recalled, still there.
    w[Traces + FaitJuste * NombreStabilites] = 3.0;
    w[Traces + FamilleJuste * NombreStabilites] = 0.5;
    // Wrong answers lately: the quarter of an hour and the day.
    w[Traces + FaitFaux * NombreStabilites] = -2.0;
    w[Traces + FaitFaux * NombreStabilites + 1] = -1.5;
    w[Traces + FamilleFaux * NombreStabilites + 1] = -0.5;
    // Spaced practice lasts: ln(1 + days on which it was right).
    w[JoursJustes] = 1.8;
    w[JoursJustesFamille] = 0.3;
    // Forgetting: ln(1 + days since it was last met).
    w[Depuis] = -0.8;
    w[JamaisVu] = -1.0;
    return p;
}
