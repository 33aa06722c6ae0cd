#pragma once
// The pupil connection behind "Jouer": identity, settings and result stores, in that order.
#include <QString>

struct SharedState;

// What a child reads when the connection cannot go on (a damaged parameter file, a profile or a
// database that cannot be written): the failure's own words go to the teacher.
inline const QString ConnexionImpossible = QStringLiteral("Tu ne peux pas jouer pour le moment. Appelle ton enseignant.");

// Sets NomEnseignant and RepertoireClasse, then, when a pupil and a teacher are given, NomEleve,
// loads the pupil's settings and prepares the result stores the teacher chose. False (the user
// is told) when the pupil or the teacher is missing. An empty pupil name (no selection, or a
// blank line of a hand-edited list) counts as missing. From the pupil known on, a pupil is at the
// screen (AvisEnseignant::pendantLaSeance): a file failure shows ConnexionImpossible, its text
// goes to the teacher, and the result is false; the workbook's failures are told and the pupil
// still connects.
bool ConnecteEleve(SharedState& etat, const QString& eleve, const QString& enseignant);
