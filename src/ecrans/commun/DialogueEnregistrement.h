#pragma once
// Every "enregistrer sous" of the program: Qt's own dialog, the same on every computer, in French
// with French dates; a proposed name the dialog cannot split and whose extension stays; a file
// already there replaced only when the teacher says so (through Messages).
#include <QString>

class QWidget;

namespace DialogueEnregistrement {
// `nom` fit for a file name, then "." and the extension: '"' (which the dialog reads as the
// bounds of several names) becomes "'", / \ : * ? < > | and control characters become blanks,
// blanks made single, no blank or dot at either end.
QString nomPropose(const QString& nom, const QString& extension);

// Asks where to save `nom` (proposed in the teacher's home folder); `filtre` like "PDF (*.pdf)".
// The path chosen, with the extension when none was typed; empty when the teacher gives up.
QString demande(QWidget* parent, const QString& titre, const QString& nom, const QString& extension, const QString& filtre);

// Tells the teacher where the file went: `fait` ("Le bilan a été enregistré") then
// " dans « <chemin> »."
void confirme(const QString& fait, const QString& chemin);
}
