#pragma once
// What the voice says: numbers in French words and every question an exercise shows, read as a
// teacher reads it aloud ("sept fois huit", "douze moins combien égale cinq").
#include "logique/base/Operation.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace Phrases {
// 56 -> "cinquante-six", 80 -> "quatre-vingts", -5 -> "moins cinq" (spelling before the 1990 reform).
QString nombre(std::int64_t n);
// "plus", "moins", "fois", "divisé par".
QString mot(Operation operation);
// "sept fois huit": exercise 1, and each bubble of exercises 3 and 4.
QString operation(std::int64_t gauche, Operation op, std::int64_t droite);
// Exercise 2, the missing operand as "combien": "sept fois combien égale cinquante-six".
QString aTrou(std::int64_t gauche, Operation op, std::int64_t droite, std::int64_t resultat, bool trouAGauche);
// Exercise 3: its three operations, one after the other.
QString intrus(const QStringList& operations);
// An exercise's statements as one text to read: line breaks as blanks, a full stop between two
// statements that do not end their own sentence. The long statements of the first exercises are
// said shorter than they are written (the screen keeps them whole): the instruction is heard in
// about three seconds, before the child's attention goes.
QString consigne(const QStringList& enonces);
// What the speech engine is given for a question: "plus" spelt as it is said between two numbers
// (/plys/), which the engine reads otherwise as in "ne… plus" (/ply/).
QString prononciation(const QString& question);
}  // namespace Phrases
