#pragma once
// The sequence driver: what comes after a connection or a finished exercise.
#include <QString>

struct ResultatExercice;
struct SharedState;
class QWidget;

// What a child reads when the parameter file asks for an exercise kind, or an end of the sequence,
// that does not exist (the teacher reads the file's words); the identification screen comes back.
inline const QString ExerciceInconnu = QStringLiteral(
    "Ton exercice ne peut pas s'ouvrir. Demande à ton enseignant de vérifier tes exercices.");
inline const QString SuiteInconnue = QStringLiteral(
    "Tu as fini tes exercices\u00A0! Demande à ton enseignant ce que tu peux faire maintenant.");

// Shows the exercise at the stored position, applies the end-of-sequence behaviour, or shows the
// free-practice chooser when the pupil has no parameter file.
void ExerciceSuivant(SharedState& etat);
// Stamps the start time and shows the screen of TypeExercice (a kind without a screen is reported
// and the identification screen comes back).
void DemarreExercice(SharedState& etat);

// End of an exercise, in three steps the exercise screen calls in this order:
// 1. stamps HeureFin and DateHeureFin;
void MarqueFinExercice(SharedState& etat);
// 2. the three recorders (text profile, workbook, database) write the exercise's result, skipped
//    for the anonymous pupil unless `memeAnonyme` (each recorder then decides from its files
//    whether it writes); the second form builds the result from the state, the error count and
//    the error list;
void EnregistreResultats(SharedState& etat, const ResultatExercice& resultat, bool memeAnonyme = false);
void EnregistreResultats(SharedState& etat, int erreurs, const QString& listeErreurs, bool memeAnonyme = false);
// 3. (after the screen released its timers) NumeroExercice + 1, the position rewrite, the modal
//    summary, the exercise screen hidden, settings reloaded, ExerciceSuivant. The anonymous pupil
//    goes straight back to the chooser. Without `avecBilan` the summary is not shown.
void EnchaineApresExercice(SharedState& etat, QWidget* ecranExercice, bool avecBilan = true);
