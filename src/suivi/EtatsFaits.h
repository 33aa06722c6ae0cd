#pragma once
// What a pupil knows of each fact, from the answers typed for it (exercises 1, 2 and the review).
// Facts of one family ("7 × 8" and "8 × 7") are followed together. Rules: docs/suivi.md.
#include "journal/MagasinJournal.h"

#include <QHash>
#include <QList>
#include <span>

enum class EtatFait { JamaisVu = 0, ARevoir = 1, JusteLent = 2, Automatique = 3 };

namespace Suivi {
inline constexpr int SeuilParDefautMs = 3000;
// The state looks at the last answers of the fact only: a fact mended lately is no longer "à revoir".
inline constexpr int EssaisRetenus = 3;

// Exercises 1, 2 and the review ask the pupil to type the answer of one fact; 3 and 4 do not.
bool estReponseTapee(int typeExercice);
}  // namespace Suivi

struct Essai {
    bool juste = false;  // right at the first try
    int ms = -1;         // to the right answer, -1 never right
};

struct StatFait {
    Fait fait;               // as last met
    int essais = 0;          // questions of the fact
    int justes = 0;          // right at the first try
    QList<int> temps;        // ms to each right answer
    QList<Essai> derniers;   // the last EssaisRetenus questions, oldest first

    void ajoute(const ReponseResumee& r);
    // Median time to a right answer, -1 without one.
    int mediane() const;
    EtatFait etat(int seuilMs) const;
};

// By family key (Fait::famille()).
using StatsFaits = QHash<QString, StatFait>;

// Median of whole numbers (the lower middle of an even count, so it is a time really taken); -1 when empty.
int Mediane(QList<int> valeurs);
// "✓", "~", "✗", "·": the state readable without colours.
QString SymboleEtat(EtatFait etat);
// "automatique", "juste mais lente", "à revoir", "jamais vue".
QString NomEtat(EtatFait etat);
