#pragma once
// The class as a whole, beside its table: its own trend (this week against the four before) and
// the facts the class finds hardest. Rules: docs/suivi.md.
#include "logique/suivi/AnneeEleve.h"

#include <QStringList>

struct TendanceClasse {
    int questionsSemaine = 0, tapeesSemaine = 0, justesSemaine = 0;
    int questionsAvant = 0, tapeesAvant = 0, justesAvant = 0;  // the four weeks before this one, together
    double reussiteSemaine() const { return tapeesSemaine > 0 ? double(justesSemaine) / tapeesSemaine : -1.0; }
    double reussiteAvant() const { return tapeesAvant > 0 ? double(justesAvant) / tapeesAvant : -1.0; }
};

// A fact family as the whole class answered it lately.
struct FaitDifficile {
    Fait fait;  // + and ×: the smaller operand first ("7 × 8")
    int reponses = 0;
    int justes = 0;  // right at the first try
    int eleves = 0;  // pupils who answered it
    double reussite() const { return double(justes) / reponses; }
};

namespace Suivi {
// The weeks of the class lines: the ISO week of `aujourdhui` and the four before it.
TendanceClasse tendance(const QList<AnneeEleve>& eleves, const QDate& aujourdhui);
// Two sentences: the share right at the first try, then the number of questions.
QStringList texteTendance(const TendanceClasse& tendance);

// Over the typed answers of the last 28 days, a family counts once at least this many pupils
// gave it this many answers in all.
inline constexpr qint64 DifficilesDepuisMs = 28LL * 24 * 3600 * 1000;
inline constexpr int DifficilesReponsesMin = 5;
inline constexpr int DifficilesElevesMin = 2;
// The lowest success at the first try first; then the most answered.
QList<FaitDifficile> faitsLesPlusDifficiles(const QList<AnneeEleve>& eleves, qint64 maintenant, int combien = 8);
// "7 × 8 = 56 : 40 % du premier coup (5 élèves, 10 réponses)".
QString texteDifficile(const FaitDifficile& fait);
}  // namespace Suivi
