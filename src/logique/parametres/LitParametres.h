#pragma once
// Loads the current exercise of a pupil's sequence, and the teacher's recording choice, from
// the parameter files into the shared state.
#include "logique/parametres/ParameterFiles.h"

#include <QList>
#include <QString>

struct SharedState;

// Pupil's file: RepertoireClasse + "parametrage_<eleve>_de_<enseignant>.txt". When it is missing
// the defaults stay and "Les valeurs des paramètres seront par defaut" is shown. A missing
// teacher's file never stops a child: the text profile records, and the result is false so that
// the teacher, not the child, is told. A pupil's file that cannot be understood (no position
// line, no number or a number below 1 in it) throws ErreurFichier naming the file; a value that
// is not a whole number throws ErreurConversion naming the file and the line. Every failure
// leaves the settings read so far in the state; nothing is ever written.
bool LitParametres(SharedState& etat, const QString& eleve, const QString& enseignant);

// The table entries of every exercise of a pupil's file, in order (the review asks their facts).
// Throws as LitParametres does for a value that is not a whole number.
QList<EntreeTable> TablesDeLaSequence(const QString& chemin);
