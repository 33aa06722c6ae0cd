#pragma once
// The class's fluency threshold, set on the teacher's progress view and kept in the class folder:
// within it a right answer is "automatique" there and moves a fact up a box in the review.
#include <QString>

namespace Revision {
QString fichierSeuil(const QString& repertoireClasse);
// The default (3000 ms) without a file or with a file that cannot be read.
int litSeuil(const QString& repertoireClasse);
void ecritSeuil(const QString& repertoireClasse, int seuilMs);
}  // namespace Revision
