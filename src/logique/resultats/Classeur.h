#pragma once
// The teacher's results workbook (.xlsx): one worksheet per pupil, one column per finished
// exercise. An existing workbook is updated in place: only the parts that must change are
// rewritten (the pupil's sheet, and the workbook's sheet list and styles when a sheet is added);
// every other sheet, cell, style and part the teacher keeps there is copied as it was. Each
// update runs under the workbook's Verrou and replaces the file atomically through FichierTexte
// (never a link, never outside the working folder, flushed before the rename). Each save leaves
// the pupil's sheet active. A file that is not a readable workbook is never replaced. Failures
// throw ErreurFichier naming the file.
#include <QString>

struct ResultatExercice;
struct SharedState;

namespace Classeur {
// "classe de <T>/profil_des_eleves_de_<T>.xlsx" (or the folder of pupils without teacher).
QString chemin(const SharedState& etat);

// Connection: creates the workbook with the pupil's sheet only, or adds the pupil's sheet; a
// workbook that already holds the pupil's sheet is not touched.
void prepare(const QString& chemin, const QString& enseignant, const QString& eleve);

// What one exercise writes into its column (rows 6 to 19).
struct Colonne {
    QString exercice, type, tables, cas, aide, debut;
    double taux = 0;
    QString erreurs, duree, tempsParQuestion, listeErreurs, fin;
};
Colonne colonne(const ResultatExercice& resultat);

// End of an exercise: the column after the last one used (A25 + 1), then A25. Nothing when the
// workbook does not exist; a pupil's sheet removed meanwhile is made again. Returns the column.
int ajouteColonne(const QString& chemin, const QString& enseignant, const QString& eleve, const Colonne& colonne);
}  // namespace Classeur
