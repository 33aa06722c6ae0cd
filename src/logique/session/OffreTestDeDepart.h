#pragma once
// The starting test offered in free practice: a named pupil who has never answered a question of
// an operation (addition or multiplication: the others have no test) is asked once, before the
// game chosen, whether they want the test; a pupil who declines is never asked again for that
// operation (the pupil's file `NomsDossier::testsRefuses`, one operation word a line).
#include <QString>

struct SharedState;

namespace OffreTestDeDepart {
// The test may be offered: a named pupil, an operation with a test, not declined before.
bool proposable(const SharedState& etat, int operation);
// The pupil answered a question of this operation in any exercise: the journal's stored answers
// and those waiting for its writer. Throws ErreurJournal when the journal cannot be read.
bool aDejaRepondu(const QString& enseignant, const QString& eleve, const QString& repertoireClasse, int operation);
// Declined: kept in the pupil's file of the class folder.
void noteRefus(const SharedState& etat, int operation);
// What the box asks, and its title.
QString question(int operation);
inline const QString Titre = QStringLiteral("Test de départ");
}  // namespace OffreTestDeDepart
