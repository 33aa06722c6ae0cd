#pragma once
// Each fact of a pupil in a Leitner box, computed from the answer journal alone (no second store).
// Five boxes, reviewed 1, 2, 4, 9 and 14 days after the last answer. A fact answered right at the
// first try within the fluency threshold, on or after its due day, moves up one box; right but
// slow stays; wrong or ended by the pirate or the sharks goes back to box 1. A fact never met is
// "new" (box 0). See docs/revision.md.
#include "logique/journal/EntreeJournal.h"
#include "logique/journal/MagasinJournal.h"

#include <QDate>
#include <QList>

#include <cstddef>
#include <functional>
#include <span>
#include <unordered_map>

namespace Revision {
constexpr int Nouveau = 0;  // never met
constexpr int BoiteMax = 5;
constexpr int SeuilParDefaut = 3000;  // ms: a right answer within it is fluent

// Days between a review in box b (1..5) and the next one.
int intervalle(int boite);

struct CleFait {
    std::size_t operator()(const Fait& f) const {
        return std::hash<long long>{}((static_cast<long long>(f.gauche) * 1000003 + f.droite) * 4 +
                                      static_cast<int>(f.operation));
    }
};

struct EtatFait {
    Fait fait;
    int boite = Nouveau;
    QDate derniere;  // day of the last answer
    QDate echeance;  // day the fact is due again
};

// Every fact met, with its box and due day.
using Boites = std::unordered_map<Fait, EtatFait, CleFait>;

// The journal entries with typed answers (exercises 1, 2 and the review) of one pupil, oldest
// first, in the boxes they lead to on `aujourdhui`. Entries of other kinds and entries after that day
// are passed over. The day of an entry is its local calendar day.
Boites calculeBoites(const QList<EntreeJournal>& entrees, const QDate& aujourdhui, int seuilMs = SeuilParDefaut);
// The same from the questions the teacher's progress view has read.
Boites calculeBoites(std::span<const ReponseResumee> reponses, const QDate& aujourdhui, int seuilMs = SeuilParDefaut);

// The box of a fact (Nouveau when never met).
int boiteDe(const Boites& boites, const Fait& fait);
bool estDu(const EtatFait& etat, const QDate& aujourdhui);
}  // namespace Revision
