#pragma once
// The pupil connection behind "Jouer": identity, settings and result stores, in that order.
#include <QString>

struct SharedState;

// Sets NomEnseignant and RepertoireClasse, then, when a pupil and a teacher are given, NomEleve,
// loads the pupil's settings and prepares the result stores the teacher chose. False (the user
// is told) when the pupil or the teacher is missing. An empty pupil name (no selection, or a
// blank line of a hand-edited list) counts as missing. File failures throw, except the
// workbook's: they are told and the pupil still connects.
bool ConnecteEleve(SharedState& etat, const QString& eleve, const QString& enseignant);
