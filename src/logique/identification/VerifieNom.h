#pragma once
// The rules a new teacher or pupil name must pass. Each function is true when the name is
// refused. A name becomes a registry line and part of file and folder names, so it must keep
// the registry readable (no header or level look-alike), be storable in Windows-1252, and make
// file names that every file system accepts.
#include <QString>
#include <QStringList>

// Empty; beginning with a blank, "-", "_" or ">"; ending with a blank or "."; holding a path or
// file-name separator, : * ? " < > |, a control character (tab included), a non-breaking space,
// a soft hyphen or another invisible character; a character that Windows-1252 cannot store; or
// one of the list entries ("aucun", "Enseignant non inscrit", "Elève non inscrit",
// "eleve sans_id") or a near-copy of one (Registre::EntreeDeListe).
bool VerifieNom(const QString& nom);
// VerifieNom, a list entry that stands for "new", or a name too long for the teacher's folder
// and files.
bool VerifieNomEnseignant(const QString& enseignant);
// VerifieNom on the name, a name ending like the level of a pupil line (so that its line could
// not be told from another pupil's with a level), a pupil line that would stand for "new" or for
// the anonymous pupil, or a line too long for the pupil's files in the teacher's folder.
bool VerifieNomEleve(const QString& nom, const QString& ligne, const QString& enseignant);

namespace Registre {
// The form two names are compared in: blanks trimmed and runs of blanks made one, case folded
// (case-blind file systems give "Dupont" and "dupont" one folder).
QString CleDeNom(const QString& nom);
// True when the name is a list entry or looks like one: the same once case, accents and runs of
// blanks are set aside ("eleve  NON inscrit"). A list entry stands for "new" and is never stored.
bool EntreeDeListe(const QString& nom);
// True when the name ends like the level part of a pupil line, " en classe de " and anything,
// in any case and with or without accents.
bool FinitCommeUnNiveau(const QString& nom);
// True when the name is EntreeDeListe or has the CleDeNom of one of `existants`.
bool NomDejaPris(const QString& nom, const QStringList& existants = {});
// True when a file or folder name (one path component) fits the 255-byte limit of file
// systems, counted in UTF-8 (the largest encoding in use), with room for the longest name made
// beside it (a temporary copy, a lock, SQLite's journal, the pending file's own files).
bool NomDeFichierAcceptable(const QString& composant);
}
