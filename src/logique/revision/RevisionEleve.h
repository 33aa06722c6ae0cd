#pragma once
// One pupil's review as the screen sees it: the answers read from the class's journal, and the
// facts the pupil's own tables can ask.
#include "logique/journal/EntreeJournal.h"
#include "logique/journal/MagasinJournal.h"
#include "logique/revision/FaitsDesTables.h"

#include <QList>
#include <QString>

struct SharedState;

namespace Revision {
// The pupil's answers in the class's journal, after the writer has written every finished
// question. Throws ErreurJournal when the store cannot be read.
QList<EntreeJournal> litEntrees(const QString& enseignant, const QString& eleve, const QString& repertoireClasse);
// The class's questions, the pupil's as `siennes` holds them (those still waiting for the writer
// included): what the memory model learns from. Throws ErreurJournal.
QList<ReponseResumee> reponsesDeLaClasse(const QString& enseignant, const QString& eleve, const QString& repertoireClasse,
                                         const QList<EntreeJournal>& siennes);

// The tables a pupil without a sequence has met: the tables 1 to 10 of each operation they
// answered in free practice (what free practice asks them), else the addition tables 1 to 10.
QList<EntreeTable> tablesDeLaPratiqueLibre(const QList<EntreeJournal>& entrees);
// The pupil's own tables: those of every exercise of their sequence when they have a parameter
// file, else those of their free practice.
QList<EntreeTable> tablesDeLEleve(const SharedState& etat, const QList<EntreeJournal>& entrees);
// The sign chosen on the free-practice chooser (written into every entry), -1 in a sequence.
int operationChoisie(const SharedState& etat);
}  // namespace Revision
