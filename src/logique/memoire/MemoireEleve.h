#pragma once
// What one pupil's past answers say about each fact, as numbers a model weighs (its features):
// memory traces of the fact and of the rest of its family, right and wrong apart, each fading on
// the power curve at three stabilities (a quarter of an hour, a day, a month); the days on which
// it was recalled (spaced practice lasts); how fluent the right answers were once the pupil's
// typing is set aside; the time since it was last met; how the pupil has been doing lately; and
// what makes a fact hard for everyone (its operation, the size of its numbers). Nothing here is
// fitted: the weights are the model's (ParametresMemoire).
#include "logique/journal/MagasinJournal.h"
#include "logique/memoire/TempsDeFrappe.h"

#include <QHash>
#include <array>
#include <cstdint>
#include <vector>

namespace Caracteristique {
constexpr int NombreStabilites = 3;
enum Trace { FaitJuste, FaitFaux, FamilleJuste, FamilleFaux, NombreTraces };
enum : int {
    Constante,
    Traces,                                                  // ln(1 + Σ R(t, S)) for each trace and stability, trace by trace
    JoursJustes = Traces + NombreTraces * NombreStabilites,  // ln(1 + days the fact was right)
    JoursJustesFamille,                                      // ... the rest of its family
    AisanceConnue,                                           // 1 when the fact was answered right with a known typing time
    Aisance,                                                 // its right answers' thinking time, ln(1 + s), recent ones first
    AisanceFamilleConnue,
    AisanceFamille,
    Depuis,           // ln(1 + days since the fact was last met); 0 never met
    JamaisVu,         // neither the fact nor its family met
    ReussiteRecente,  // log-odds of the pupil's recent first tries in this group of operations
    ClasseOperation,  // log-odds of the class's recent first tries on this operation (MemoireClasse)
    ClasseFait,       // ... on this fact, drawn towards its operation's while it is seldom asked
    Soustraction,
    Multiplication,
    Division,
    Exercice2,  // the hole to fill
    Revision,   // the facts mixed: the review and the starting test
    // The size of the numbers, hard in every operation (the problem-size effect): ln(1 + smaller),
    // ln(1 + larger), both about 0 in the middle of the tables; a double; a 0 or a 1; a 10.
    Taille,
    Nombre = Taille + 5,
};
}

using VecteurCaracteristiques = std::array<float, Caracteristique::Nombre>;

// Features of one question, and what the model keys its per-pupil and per-fact terms on.
struct Caracteristiques {
    VecteurCaracteristiques x{};
    int groupe = 0;      // 0: + and -, 1: × and ÷
    qint64 fait = 0;     // FamilleDeFaits::codeFait
    qint64 famille = 0;  // FamilleDeFaits::code
};

// Which questions are typed answers the model learns from and predicts (estReponseTapee).
bool estQuestionTapee(const ReponseResumee& reponse);

class MemoireEleve final {
public:
    // The answers must come in the order they were given.
    void apprend(const ReponseResumee& reponse);
    // The features of a question on `fait` at `moment` (after every answer learnt).
    Caracteristiques caracteristiques(const Fait& fait, qint64 moment, int typeExercice) const;
    // The facts met, in the order first met.
    const QList<Fait>& faitsRencontres() const { return faits_; }

private:
    struct EtatFait {
        qint64 fait = 0;  // FamilleDeFaits::codeFait
        int joursJustes = 0;
        qint64 dernierJourJuste = -1;
        qint64 dernierMoment = -1;
        float aisance = 0;
        bool aisanceConnue = false;
    };
    struct Evenement {
        qint64 moment;
        std::uint8_t fait;  // index in the family's faits
        bool juste;
    };
    struct Famille {
        std::vector<Evenement> evenements;  // the latest ones, oldest first
        std::vector<EtatFait> faits;        // at most four, in the order first met
    };
    QHash<qint64, Famille> familles_;
    QList<Fait> faits_;
    TempsDeFrappe frappe_;
    std::array<double, 2> justesRecents_{};  // decaying counts, per group
    std::array<double, 2> questionsRecentes_{};
};
