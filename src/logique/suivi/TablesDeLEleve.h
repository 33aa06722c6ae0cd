#pragma once
// The tables the teacher has set for a pupil, read from the pupil's parameter file, their facts by
// family key (the facts themselves: Revision::faitsDesTables), and the grid cell of a fact.
#include "logique/suivi/EtatsFaits.h"
#include "logique/parametres/ParameterFiles.h"

#include <QHash>
#include <QList>

namespace Suivi {
// The table entries of every exercise of the pupil's parameter file, in file order; none when
// the pupil has no file. Nothing is written. Throws ErreurFichier when the file cannot be read.
QList<EntreeTable> tablesDeLEleve(const QString& repertoireClasse, const QString& eleve, const QString& enseignant);

// The facts the entries can ask (both orders of an entry: the draw may swap the operands), by
// family key to one fact of the family.
QHash<CleFait, Fait> faitsDesTables(const QList<EntreeTable>& tables);

// A fact's cell in its operation's grid: left and right operand for + and ×; for - and ÷ the
// right operand and the result, so the grid reads like the table it undoes.
struct CaseGrille {
    int ligne = 0;
    int colonne = 0;
};
CaseGrille caseDe(const Fait& fait);
// The fact of a grid cell; false when the cell holds none (a division by 0).
bool faitDeLaCase(Operation operation, int ligne, int colonne, Fait& fait);
}  // namespace Suivi
