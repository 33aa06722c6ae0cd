#pragma once
// What the family report says, as sentences a family reads: the counts of the facts in agreed
// French (0, 1 and many), the period from the pupil's first answer of the school year and the
// weeks of the progress curve. The page itself is drawn by
// RapportFamille (src/ecrans/suivi).
#include "logique/suivi/AnneeEleve.h"

#include <QStringList>

namespace TextesRapport {
// "1 calcul sur 2 est su par cœur." and what the others are, one or two sentences.
QStringList acquis(const Suivi::Comptes& comptes);
// What "su par cœur" means with the class's threshold.
QString definition(int seuilMs);

// From the pupil's first answer since 1 September to the day of the report; `debut` is invalid
// when the pupil has not answered yet this school year.
struct Periode {
    QDate debut, fin;
};
Periode periode(const AnneeEleve& annee, const QDate& aujourdhui);
// "Période : du lundi 7 décembre 2026 au mercredi 9 décembre 2026".
QString textePeriode(const Periode& periode);
// The weeks of the period, empty ones included (none without a first answer).
QList<Semaine> semaines(const AnneeEleve& annee, const Periode& periode);
// The curve is drawn from two weeks with typed answers on; before, a sentence says when it comes.
bool courbeParlante(const QList<Semaine>& semaines);
}  // namespace TextesRapport
