#include "logique/amenagements/AmenagementsPartiels.h"

#include <algorithm>

int AmenagementsPartiels::valeurDe(const Amenagements& a, Cle cle) {
    switch (cle) {
        case Cle::Temps: return static_cast<int>(a.temps);
        case Cle::Police: return static_cast<int>(a.police);
        case Cle::Taille: return static_cast<int>(a.taille);
        case Cle::Espacement: return a.espacement;
        case Cle::Contraste: return a.contraste;
        case Cle::Voix: return a.voix;
        case Cle::Questions: return a.moinsDeQuestions;
    }
    return 0;
}

void AmenagementsPartiels::fixeDans(Amenagements& a, Cle cle, int valeur) {
    switch (cle) {
        case Cle::Temps: a.temps = static_cast<Amenagements::Temps>(valeur); break;
        case Cle::Police: a.police = static_cast<Amenagements::Police>(valeur); break;
        case Cle::Taille: a.taille = static_cast<Amenagements::Taille>(valeur); break;
        case Cle::Espacement: a.espacement = valeur != 0; break;
        case Cle::Contraste: a.contraste = valeur != 0; break;
        case Cle::Voix: a.voix = valeur != 0; break;
        case Cle::Questions: a.moinsDeQuestions = valeur != 0; break;
    }
}

AmenagementsPartiels AmenagementsPartiels::communs(const QList<Amenagements>& liste) {
    AmenagementsPartiels p;
    if (liste.isEmpty()) return p;
    for (Cle cle : Cles) {
        const int premiere = valeurDe(liste.front(), cle);
        if (std::all_of(liste.begin(), liste.end(), [&](const Amenagements& a) { return valeurDe(a, cle) == premiere; }))
            p.fixe(cle, premiere);
    }
    return p;
}

bool AmenagementsPartiels::vide() const {
    return std::none_of(valeurs_.begin(), valeurs_.end(), [](const std::optional<int>& v) { return v.has_value(); });
}

AmenagementsPartiels AmenagementsPartiels::sur(const AmenagementsPartiels& dessous) const {
    AmenagementsPartiels p = dessous;
    for (Cle cle : Cles)
        if (const auto v = valeur(cle)) p.fixe(cle, *v);
    return p;
}

Amenagements AmenagementsPartiels::appliqueA(Amenagements a) const {
    for (Cle cle : Cles)
        if (const auto v = valeur(cle)) fixeDans(a, cle, *v);
    return a;
}
