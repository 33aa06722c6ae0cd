#pragma once
// Loads the current exercise of a pupil's sequence, and the teacher's recording choice, from
// the parameter files into the shared state.
#include <QString>

struct SharedState;

// Pupil's file: RepertoireClasse + "parametrage_<eleve>_de_<enseignant>.txt". When it is missing
// the defaults stay and "Les valeurs des paramètres seront par defaut" is shown. A file that
// cannot be read or understood throws ErreurFichier (French message naming the file); a value
// that is not a whole number throws ErreurConversion.
void LitParametres(SharedState& etat, const QString& eleve, const QString& enseignant);
