#pragma once
// The class's settings of the teacher's progress view, kept in the class folder: the fluency
// threshold (within it a right answer is "automatique" there) and the success aimed at (a fact
// whose estimated success falls below it is due in the review). One line each, the threshold
// first: a file of an older program, the threshold alone, reads as 90 %, and an older program
// reads the threshold of a file written here.
#include <QString>

namespace Revision {
constexpr int SeuilParDefaut = 3000;        // ms: a right answer within it is fluent
constexpr int ReussiteViseeParDefaut = 90;  // %
constexpr int ReussiteViseeMin = 60, ReussiteViseeMax = 99;

QString fichierSeuil(const QString& repertoireClasse);
// The default (3000 ms) without a file or with a file that cannot be read.
int litSeuil(const QString& repertoireClasse);
void ecritSeuil(const QString& repertoireClasse, int seuilMs);
// The success aimed at, in %; the default without a file or without its line.
int litReussiteVisee(const QString& repertoireClasse);
void ecritReussiteVisee(const QString& repertoireClasse, int pourcent);
}  // namespace Revision
