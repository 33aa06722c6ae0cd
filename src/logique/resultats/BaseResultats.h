#pragma once
// The teacher's results database: one SQLite file per class folder, one table, one row per
// finished exercise. Every value is bound as a parameter; a second program writing the same file
// is waited for briefly (1.5 s in all), then the failure says the database is in use. The file
// and SQLite's files beside it are never links nor outside the working folder. Failures throw
// ErreurFichier naming the file and the reason in French; the database is then as it was.
#include "logique/journal/LigneResultat.h"

#include <QString>
#include <QVariantList>

struct ResultatExercice;
struct SharedState;

namespace BaseResultats {
// "classe de <T>/profil_des_eleves_de_<T>.sqlite" (or the folder of pupils without teacher).
QString chemin(const SharedState& etat);
// "classe_de_" + teacher with "_" for blanks, or "Eleve_sans_enseignant" for "aucun".
QString nomTable(const QString& enseignant);
// Creates the file and its table, or adds the table to an existing file that lacks it; a table of
// that name with other columns is refused. A file created here is removed again when its table
// cannot be made.
void prepare(const QString& chemin, const QString& table);
// The row's values of the exercise that just ended, in the table's column order (after Id).
QVariantList valeurs(const ResultatExercice& resultat);
QVariantList valeurs(const SharedState& etat, int erreurs, const QString& listeErreurs);
// The same row for a school server: the teacher's table, and an id of its own.
LigneResultat ligne(const ResultatExercice& resultat);
// The row of the exercise that just ended.
void ajouteLigne(const QString& chemin, const QString& table, const ResultatExercice& resultat);
}  // namespace BaseResultats
