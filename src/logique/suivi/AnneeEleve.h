#pragma once
// One pupil's year as the teacher's view reads it: the facts, the weeks, the last two weeks.
// Built from the journal's questions; rules and figures: docs/suivi.md.
#include "logique/suivi/DepartDeLEleve.h"
#include "logique/suivi/EtatsFaits.h"
#include "logique/revision/EstimationsEleve.h"
#include "logique/revision/RevisionEleve.h"
#include "logique/suivi/TablesDeLEleve.h"

#include <QDateTime>
#include <QMap>

// One ISO week (Monday to Sunday) of a pupil.
struct Semaine {
    int cle = 0;  // ISO year × 100 + ISO week number
    QDate lundi;
    int questions = 0;  // every exercise kind
    int exercices = 0;
    int tapees = 0;    // typed answers (exercises 1, 2, the review)
    int justes = 0;    // of them, right at the first try
    QList<int> temps;  // ms to each right typed answer
    // Share right at the first try, -1 without a typed answer.
    double reussite() const { return tapees > 0 ? double(justes) / tapees : -1.0; }
    int mediane() const { return Mediane(temps); }
};

struct AnneeEleve {
    QString eleve;
    qint64 derniereQuestion = -1;
    StatsFaits faits;  // now, and each fact's state as it stood fourteen days ago
    QHash<CleFait, Fait> faitsDesTables;
    QMap<int, Semaine> semaines;
    // Typed answers of the last seven days and of the seven before, and how many were right at once.
    int tapees7 = 0, justes7 = 0, tapeesAvant7 = 0, justesAvant7 = 0;
    // The pupil's questions (held by the class) and the memory model's estimates of their facts.
    std::span<const ReponseResumee> reponses;
    Revision::EstimationsEleve revision;
    // What the starting tests the pupil took tell of the facts not met since.
    QList<Suivi::DepartOperation> departs;
};

namespace Suivi {
// Exercises are told apart by a change of exercise kind or of place in the sequence, or a pause
// of more than this between two questions.
inline constexpr qint64 PauseEntreExercicesMs = 10 * 60 * 1000;

int cleSemaine(const QDate& jour);

// `reponses`: the pupil's questions, oldest first.
AnneeEleve analyse(const QString& eleve, std::span<const ReponseResumee> reponses, const QHash<CleFait, Fait>& faitsDesTables,
                   const QDateTime& maintenant);

// The state of every fact set for the pupil (the facts met when no table is set).
struct Comptes {
    int automatiques = 0, lentes = 0, aRevoir = 0, jamaisVues = 0;
};
Comptes comptes(const AnneeEleve& annee, int seuilMs);

// The facts most in need, "à revoir" first, then "juste mais lente"; within each the most
// missed of the last answers, then the slowest.
// `devenusARevoir`: only the facts "à revoir" now that were not fourteen days ago.
QList<Fait> faitsLesPlusFragiles(const StatsFaits& faits, int seuilMs, int combien = 10, bool devenusARevoir = false);

// The weeks from the start of the school year (1 September) to the week of `maintenant`, empty weeks included.
QList<Semaine> semainesDeLAnnee(const AnneeEleve& annee, const QDate& aujourdhui);
}  // namespace Suivi
