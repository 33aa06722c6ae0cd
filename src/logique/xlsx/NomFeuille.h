#pragma once
// Worksheet names of pupils. A sheet name holds at most 31 characters, none of [ ] : * ? / \,
// does not begin or end with an apostrophe, and two names of one workbook may not differ only by
// case. A pupil whose name fits keeps it (blanks become "_"); any other gets a derived name and
// is found again through the full name written in B3.
#include <QString>
#include <QStringList>

namespace NomFeuille {
constexpr int Longueur = 31;

// The name the pupil's sheet takes when no other sheet is in the way.
QString souhaite(const QString& eleve);
// True when that name is the pupil's name with "_" for blanks, unchanged otherwise.
bool estIntact(const QString& eleve);
// Equal for a spreadsheet (case ignored).
bool memeNom(const QString& a, const QString& b);
// `nom`, or `nom` shortened and ended by "~2", "~3", … so that it matches none of `pris`.
QString unique(const QString& nom, const QStringList& pris);
// True when `nom` may be a sheet that `unique` derived from `souhaite` (case ignored).
bool peutVenirDe(const QString& nom, const QString& souhaite);
}  // namespace NomFeuille
