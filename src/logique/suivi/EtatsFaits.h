#pragma once
// What a pupil knows of each fact, from the answers typed for it (exercises 1, 2 and the review).
// Facts of one family ("7 × 8" and "8 × 7") are followed together. Rules: docs/suivi.md.
#include "logique/journal/MagasinJournal.h"
#include "logique/revision/SeuilClasse.h"

#include <QHash>
#include <QList>
#include <array>
#include <span>

enum class EtatFait { JamaisVu = 0, ARevoir = 1, JusteLent = 2, Automatique = 3 };

// A fact family as a number: a class year holds hundreds of thousands of answers, and text keys
// cost more than the figures themselves.
using CleFait = quint64;

namespace Suivi {
inline constexpr int SeuilParDefautMs = Revision::SeuilParDefaut;
// The state looks at the last answers of the fact only: a fact mended lately is no longer "à revoir".
inline constexpr int EssaisRetenus = 3;

// The family of `fait` ("7 × 8" and "8 × 7" give one key), as Fait::famille() tells them apart.
CleFait cleFamille(const Fait& fait);
}  // namespace Suivi

struct Essai {
    bool juste = false;  // right at the first try
    int ms = -1;         // to the right answer, -1 never right
};

// The last EssaisRetenus questions of a fact, oldest first.
struct DerniersEssais {
    std::array<Essai, Suivi::EssaisRetenus> essais{};
    int nombre = 0;

    void ajoute(Essai e);
    EtatFait etat(int seuilMs) const;
    int manques() const;
};

struct StatFait {
    Fait fait;         // as last met
    int essais = 0;    // questions of the fact
    int justes = 0;    // right at the first try
    QList<int> temps;  // ms to each right answer
    DerniersEssais derniers;
    // The last questions as they stood at a past moment (fourteen days ago), kept once the
    // first later question comes.
    DerniersEssais derniersAvant;
    bool avantFige = false;

    void ajoute(const ReponseResumee& r);
    // Freezes the past state before the first question after that moment.
    void figeAvant() {
        if (!avantFige) derniersAvant = derniers;
        avantFige = true;
    }
    // Median time to a right answer, -1 without one.
    int mediane() const;
    EtatFait etat(int seuilMs) const { return derniers.etat(seuilMs); }
    EtatFait etatAvant(int seuilMs) const { return (avantFige ? derniersAvant : derniers).etat(seuilMs); }
};

using StatsFaits = QHash<CleFait, StatFait>;

// Median of whole numbers (the lower middle of an even count, so it is a time really taken); -1 when empty.
int Mediane(QList<int> valeurs);
// "✓", "~", "✗", "·": the state readable without colours.
QString SymboleEtat(EtatFait etat);
// "automatique", "juste mais lente", "à revoir", "jamais vue".
QString NomEtat(EtatFait etat);
