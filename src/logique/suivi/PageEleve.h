#pragma once
// What one pupil's page tells: each grid cell's own fact (never its turn-around's), the pupil's
// operations, the facts to work by their last answers and the review's facts due by the memory
// model, each named apart (docs/suivi.md).
#include "logique/suivi/AnneeEleve.h"

namespace Suivi {
// The fact itself as a number: "7 × 8" and "8 × 7" give two keys.
CleFait cleSens(const Fait& fait);
// Each fact asked, by its own key, from the pupil's questions up to `maintenant`.
StatsFaits faitsParSens(std::span<const ReponseResumee> reponses, qint64 maintenant);

// The operations of the pupil's tables and answers, that of the last typed answer first, the
// others in the order + - × ÷; none for a pupil with neither.
QList<Operation> operationsDeLEleve(const AnneeEleve& annee);
// The grids' order: by operation, then row, then column ("7 × 1", "7 × 2" … "7 × 10").
QList<Fait> dansLOrdreDesTables(QList<Fait> faits);

// A cell's text: the fact, its own state, questions and median time, the model's estimate.
// `propre`: the fact's own figures, none when it was never asked; `estimationDepart`: what a
// starting test estimated of a fact never asked (-1: none).
QString descriptionFait(const Fait& fait, const StatFait* propre, bool dansTables, double estimation, double cible, int seuilMs,
                        double estimationDepart = -1);
// The starting tests' one-line summaries: "Test de départ des multiplications : connaît …".
QString texteDeparts(const QList<DepartOperation>& departs);
// A line of the facts to work: "✗ 8 × 7 = 56 (à revoir, 6 s)".
QString texteATravailler(const StatFait& fait, int seuilMs);
// The review's facts due today and those due within the week, in the grids' order.
QString texteRevision(const Revision::EstimationsEleve& estimations);
}  // namespace Suivi
