#pragma once
// "marivelle [dossier] --importer-liste <enseignant> <fichier> [--essai]": a class list brought
// in by the technician without any window, in the data folder the other arguments choose. The
// preview (each pupil with their level, each refusal with its line and reason) goes to the
// standard output; then the accepted pupils are registered as the screen's import does (same
// checks, one rewrite of the class list under its lock), except with "--essai", which writes
// nothing at all.
#include <QStringList>

#include <optional>

namespace ImportListe {
struct Demande {
    QString enseignant;
    QString fichier;
    bool essai = false;
    QStringList autresArguments;  // the program's name and the data folder, if given
};
// The arguments of an import, taken out of the command line; nothing when it asks no import.
std::optional<Demande> lit(const QStringList& arguments);
// Imports the list; errors, in French, on the error output. The program's exit code: 0 when the
// list was read (whatever pupils it refused), 1 for a list that cannot be read or holds no pupil,
// an unknown teacher or a failed registration, 2 for arguments missing.
int execute(const Demande& demande, const QString& dossierPartage, const QString& maison);
}
