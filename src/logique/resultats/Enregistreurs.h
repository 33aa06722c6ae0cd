#pragma once
// The recorders of a pupil's results: the text profile, the workbook and the database (or a
// school server). Each decides from the shared state whether and where it writes; at the end of
// an exercise each writes the same ResultatExercice, built once.
#include <QDateTime>
#include <QString>

struct ResultatExercice;
struct SharedState;

// What a child reads when a store fails while the pupil plays (the teacher reads the store's words).
inline const QString ResultatsEnPartie = QStringLiteral(
    "Une partie de tes résultats ne peut pas être enregistrée. Tu peux continuer à t'entraîner\u00A0: "
    "ton enseignant sera prévenu.");

// Connection: the profile file's header when it is new, then the connection block
// (only when the text profile is on).
void EcritConnexion(SharedState& etat, const QDateTime& date);
// End of an exercise: the exercise block, appended when the profile file exists.
void EcritProfilExercice(const SharedState& etat, const ResultatExercice& resultat);
// The same with the result built from the state, the error count and the error list.
void EcritProfilExercice(SharedState& etat, int erreurs, const QString& listeErreurs);
// Leaving: the disconnection line (text profile on and file present); the class folder is forgotten.
void EcritDateDeconnexion(SharedState& etat);

// Connection: the teacher's workbook with the pupil's sheet, and the teacher's database with its
// table, made when missing. A workbook that cannot be prepared (unreadable, a link...) is left as
// it is and does not stop the connection: the user is told once where the results go instead (a
// pupil reads ResultatsEnPartie, the teacher where they go).
// Database failures throw ErreurFichier naming the file.
void PrepareClasseur(SharedState& etat);
void PrepareBase(SharedState& etat);
// End of an exercise: the pupil's next workbook column and the database row, when the teacher
// chose them and the file exists. A failure is shown to the user (a pupil reads ResultatsEnPartie)
// and the next store still writes; a workbook failure already told during the connection is not
// told again.
void EcritColonneTableur(SharedState& etat, const ResultatExercice& resultat);
void EcritLigneBase(const SharedState& etat, const ResultatExercice& resultat);
// The same with the result built from the state, the error count and the error list.
void EcritColonneTableur(SharedState& etat, int erreurs, const QString& listeErreurs);
void EcritLigneBase(SharedState& etat, int erreurs, const QString& listeErreurs);
