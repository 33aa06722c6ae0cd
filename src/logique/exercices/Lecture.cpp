#include "logique/exercices/Lecture.h"

#include "logique/sons/Phrases.h"

namespace Lecture {
QString question(const QuestionOperation& q, int trou) {
    if (trou == 0) return Phrases::operation(q.gauche, q.operation, q.droite);
    return Phrases::aTrou(q.gauche, q.operation, q.droite, q.resultat, trou == 1);
}

QString operations(const QList<QuestionOperation>& operations) {
    QStringList phrases;
    for (const QuestionOperation& q : operations) phrases << question(q);
    return Phrases::intrus(phrases);
}
}  // namespace Lecture
