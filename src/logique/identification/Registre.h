#pragma once
// The registry of teachers, class levels and pupils: "enseignant.txt", one folder per teacher
// with its pupil list, and the list of pupils without teacher. Every operation reopens the
// files; every change rewrites a whole file in one atomic replace. Messages for the user go
// through Messages; file failures throw ErreurFichier.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct SharedState;

// 1 when a line of the file is exactly the given line (and says so to the user); 0 otherwise,
// also when the file does not exist.
int Gestion_meme_nom(const QString& ligne, const QString& fichier);

namespace Registre {
enum class Issue { Refuse, Existant, Enregistre };

// Registers a teacher with the level indexes (0..5) taught, in list order.
Issue EnregistreEnseignant(SharedState& etat, const QString& nom, const QList<int>& niveaux);
// Registers a pupil with a teacher ("aucun" for none) and a level text (empty for none).
Issue EnregistreEleve(SharedState& etat, const QString& nom, const QString& enseignant, const QString& niveau);
// Removes a teacher's lines from the teacher list and deletes the teacher's folder. True when
// the folder was deleted (the user is told). "aucun" and "Enseignant non inscrit" stay.
bool SupprimeEnseignant(SharedState& etat, const QString& enseignant);
// Removes every line equal to the pupil line from the teacher's pupil list, and the pupil's
// profile and parameter files. "Elève non inscrit" stays.
void SupprimeEleve(const QString& ligne, const QString& enseignant);

// The level texts of a teacher in file order (all six for "aucun"); none when the teacher list
// does not exist.
std::optional<QStringList> NiveauxEnseignant(SharedState& etat, const QString& enseignant);
// True for "aucun" and for a name that has its own line in the teacher list.
bool EnseignantInscrit(SharedState& etat, const QString& enseignant);
}
