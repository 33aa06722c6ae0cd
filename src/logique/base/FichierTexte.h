#pragma once
// The one way text files are read and written: Windows-1252, CR LF line ends (a lone LF is
// accepted when reading), whole-file writes replace the target atomically (temporary file,
// written whole and flushed to disk, then renamed over the target), so a file never stops
// existing or ends half written; a write that fails (no space left, read-only, too large) leaves
// the old file as it was. Nothing written, rewritten or deleted is a link or lies outside the
// working folder, but the files written with `remplaceOctetsAilleurs`. Failures throw ErreurFichier with a French message naming the file and the
// reason.
#include <QString>
#include <QStringList>
#include <functional>

namespace FichierTexte {
bool existe(const QString& chemin);
bool dossierExiste(const QString& chemin);
// Something of that name is there: a file, a folder, or a link (even one leading nowhere).
bool estPresent(const QString& chemin);

// The file's lines without their line ends; a last line without line end counts.
QStringList litLignes(const QString& chemin);

// The lines of a settings file, which a teacher may have saved from another editor: UTF-8 (its
// byte-order mark dropped) when the whole file is valid UTF-8, Windows-1252 otherwise. Every
// settings reader uses it; the program itself writes them in Windows-1252.
QStringList litLignesReglages(const QString& chemin);

// The file's bytes as they are; for files that are not text.
QByteArray litOctets(const QString& chemin);

// Reads lines from the start while `encore` says so for the line just read (that line included);
// for settings files whose useful part is at the top, decoded like litLignesReglages.
QStringList litLignesTantQue(const QString& chemin, const std::function<bool(const QString&)>& encore);

// Replaces (or creates) the file with each line followed by CR LF.
void ecritLignes(const QString& chemin, const QStringList& lignes);
// Replaces (or creates) the file with the text followed by one CR LF.
void ecritTexte(const QString& chemin, const QString& texte);
// Replaces (or creates) the file with these bytes, as above; for files that are not text.
void remplaceOctets(const QString& chemin, const QByteArray& contenu);
// The same for a file outside the working folder: one the teacher chose (an export on a USB key)
// or the computer's own files (the outbox of a school server).
void remplaceOctetsAilleurs(const QString& chemin, const QByteArray& contenu);
// Appends the text followed by one CR LF, creating the file when missing. An append that fails
// is cut back, the file keeps its previous bytes. Runs under the file's Verrou.
void ajoute(const QString& chemin, const QString& texte);

// Read-modify-write of a shared file under its Verrou, so that two programs sharing the working
// folder lose nothing: `modification` receives the file's lines (none, and `existait` false, when
// the file does not exist) and changes them; the file is replaced when it returns true. Returns
// what `modification` returned. Do not write the same file from inside `modification`.
bool modifieLignes(const QString& chemin, const std::function<bool(QStringList& lignes, bool existait)>& modification);

// Creates one folder level; true when it exists afterwards.
bool creeDossier(const QString& chemin);
// Deletes a file when it exists (a link is refused like for writing).
void supprime(const QString& chemin);

// Throws ErreurFichier unless the file may be written, rewritten or deleted: it is not a link
// (dangling or not) nor a named pipe, socket or device, and its folder is the working folder or
// one below it, reached without links. Only plain files are ever read, too.
void verifieDansDossierDeTravail(const QString& chemin);

// The temporary copy a replace writes before renaming it: "<name>.~" and five letters or digits.
// A program killed in the middle leaves it behind.
bool estTemporaire(const QString& nomDeFichier);
// Removes, in a folder of the working folder (or the working folder itself, "."), the temporary
// copies left by killed programs: all of them when `cible` is empty, else those of the file named
// `cible`; only those older than `ageMinimumSecondes` (another program may be writing the young
// ones). Links and anything else are left alone. Returns the number removed.
int nettoieTemporaires(const QString& dossier, const QString& cible = {}, int ageMinimumSecondes = 0);

// Why a system call failed (its errno), in French: "il n'y a plus de place sur le disque"...
QString raison(int erreur);

// Encodes for writing; throws ErreurFichier when a character has no Windows-1252 byte.
QByteArray encode(const QString& texte, const QString& chemin);
}
