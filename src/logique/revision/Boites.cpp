#include "logique/revision/Boites.h"

#include "logique/base/JourLocal.h"

#include <algorithm>
#include <array>

namespace Revision {
int intervalle(int boite) {
    static constexpr std::array<int, BoiteMax> jours{1, 2, 4, 9, 14};
    return jours[static_cast<std::size_t>(std::clamp(boite, 1, BoiteMax) - 1)];
}

namespace {
bool reponseTapee(int type) { return type == 1 || type == 2 || type == 5; }

// One answer applied to the fact's state.
template <class Entree>
void applique(EtatFait& f, const Entree& e, const QDate& jour, int seuilMs) {
    const bool juste = e.justePremierCoup && !e.finCreature;
    const bool fluide = juste && e.msFin >= 0 && e.msFin <= seuilMs;
    if (juste && f.boite != Nouveau && jour < f.echeance) {
        // Only a review on or after its day counts: a fact answered five times in one exercise
        // does not climb five boxes.
        f.derniere = jour;
        return;
    }
    // Wrong: box 1. A first meeting starts in box 1, fluent or not. Right but slow: same box.
    if (!juste || f.boite == Nouveau) f.boite = 1;
    else if (fluide) f.boite = std::min(f.boite + 1, BoiteMax);
    f.derniere = jour;
    f.echeance = jour.addDays(intervalle(f.boite));
}
template <class Entrees>
Boites calcule(const Entrees& entrees, const QDate& aujourdhui, int seuilMs) {
    Boites boites;
    boites.reserve(512);
    qint64 jourDebut = 0, jourFin = -1;  // the local day of the last entry, cached
    QDate jour;
    for (const auto& e : entrees) {
        if (!reponseTapee(e.typeExercice)) continue;
        if (e.moment < jourDebut || e.moment >= jourFin) {
            const JourLocal j = jourLocal(e.moment);
            jour = j.jour;
            jourDebut = j.debut;
            jourFin = j.fin;
        }
        if (jour > aujourdhui) continue;
        auto [it, nouveau] = boites.try_emplace(e.fait);
        if (nouveau) it->second.fait = e.fait;
        applique(it->second, e, jour, seuilMs);
    }
    return boites;
}
}  // namespace

Boites calculeBoites(const QList<EntreeJournal>& entrees, const QDate& aujourdhui, int seuilMs) {
    return calcule(entrees, aujourdhui, seuilMs);
}

Boites calculeBoites(std::span<const ReponseResumee> reponses, const QDate& aujourdhui, int seuilMs) {
    return calcule(reponses, aujourdhui, seuilMs);
}

int boiteDe(const Boites& boites, const Fait& fait) {
    const auto it = boites.find(fait);
    return it == boites.end() ? Nouveau : it->second.boite;
}

bool estDu(const EtatFait& f, const QDate& aujourdhui) { return f.boite != Nouveau && f.echeance <= aujourdhui; }
}  // namespace Revision
