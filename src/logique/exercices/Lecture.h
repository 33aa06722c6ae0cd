#pragma once
// The sentence the voice says when a question appears, from the question as it is drawn.
#include "logique/exercices/QuestionOperation.h"

#include <QList>
#include <QString>

namespace Lecture {
// "sept fois huit"; with the missing operand of exercise 2 (`trou` 1 on the left, 2 on the right)
// "combien fois huit égale cinquante-six".
QString question(const QuestionOperation& question, int trou = 0);
// Exercise 3's bubbles, one after the other.
QString operations(const QList<QuestionOperation>& operations);
}  // namespace Lecture
