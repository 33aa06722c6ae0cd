#pragma once
// The one way text files are read and written: Windows-1252, CR LF line ends (a lone LF is
// accepted when reading), whole-file writes replace the target atomically (temporary file,
// flushed to disk, renamed over the target), so a file never stops existing or ends half written.
// Failures throw ErreurFichier with a French message naming the file.
#include <QString>
#include <QStringList>
#include <functional>

namespace FichierTexte {
bool existe(const QString& chemin);
bool dossierExiste(const QString& chemin);

// The file's lines without their line ends; a last line without line end counts.
QStringList litLignes(const QString& chemin);

// Reads lines from the start while `encore` says so for the line just read (that line included);
// for files whose useful part is at the top.
QStringList litLignesTantQue(const QString& chemin, const std::function<bool(const QString&)>& encore);

// Replaces (or creates) the file with each line followed by CR LF.
void ecritLignes(const QString& chemin, const QStringList& lignes);
// Replaces (or creates) the file with the text followed by one CR LF.
void ecritTexte(const QString& chemin, const QString& texte);
// Appends the text followed by one CR LF, creating the file when missing.
void ajoute(const QString& chemin, const QString& texte);

// Creates one folder level; true when it exists afterwards.
bool creeDossier(const QString& chemin);
// Deletes a file when it exists.
void supprime(const QString& chemin);

// Encodes for writing; throws ErreurFichier when a character has no Windows-1252 byte.
QByteArray encode(const QString& texte, const QString& chemin);
}
