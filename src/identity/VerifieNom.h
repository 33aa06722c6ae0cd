#pragma once
// The rules a new teacher or pupil name must pass. Each function is true when the name is
// refused. A name becomes a registry line and part of file and folder names, so it must keep
// the registry readable (no header or level look-alike), be storable in Windows-1252, and make
// file names that every file system accepts.
#include <QString>

// Empty; beginning with a blank, "-", "_" or ">"; holding a path or file-name separator,
// : * ? " < > |, or a control character (tab included); "." or ".."; or a character that
// Windows-1252 cannot store.
bool VerifieNom(const QString& nom);
// VerifieNom, a list entry that stands for "new", or a name too long for the teacher's folder
// and files.
bool VerifieNomEnseignant(const QString& enseignant);
// VerifieNom on the name, a pupil line that would stand for "new" or for the anonymous pupil,
// or a line too long for the pupil's files in the teacher's folder.
bool VerifieNomEleve(const QString& nom, const QString& ligne, const QString& enseignant);

namespace Registre {
// True when a file or folder name (one path component) fits the 255-byte limit of file
// systems, counted in UTF-8 (the largest encoding in use), with room for the ".XXXXXX" of the
// temporary copy made while a file is replaced.
bool NomDeFichierAcceptable(const QString& composant);
}
