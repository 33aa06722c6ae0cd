#pragma once
// Some of the adjustments, each known or not. The panel that sets them for several pupils at
// once needs two of them: what every ticked pupil shares (a key they differ on is shown as
// mixed), and what the teacher changed (the only keys written, each pupil keeping the others).
// Each key's value is the int of its enum, or 0/1 for the on/off ones.
#include "logique/amenagements/Amenagements.h"

#include <QList>

#include <array>
#include <optional>

class AmenagementsPartiels final {
public:
    enum class Cle { Temps, Police, Taille, Espacement, Contraste, Voix, Questions };
    static constexpr std::array<Cle, 7> Cles{Cle::Temps,     Cle::Police, Cle::Taille,   Cle::Espacement,
                                             Cle::Contraste, Cle::Voix,   Cle::Questions};

    static int valeurDe(const Amenagements& a, Cle cle);
    static void fixeDans(Amenagements& a, Cle cle, int valeur);

    // The keys on which every one of `liste` agrees; none for an empty list.
    static AmenagementsPartiels communs(const QList<Amenagements>& liste);

    std::optional<int> valeur(Cle cle) const { return valeurs_[static_cast<size_t>(cle)]; }
    void fixe(Cle cle, int valeur) { valeurs_[static_cast<size_t>(cle)] = valeur; }
    bool vide() const;
    // `dessous` with the keys known here laid over it.
    AmenagementsPartiels sur(const AmenagementsPartiels& dessous) const;
    // `a` with the keys known here changed.
    Amenagements appliqueA(Amenagements a) const;

    bool operator==(const AmenagementsPartiels&) const = default;

private:
    std::array<std::optional<int>, Cles.size()> valeurs_{};
};
