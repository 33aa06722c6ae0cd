#pragma once
// "marivelle --journal-csv <teacher> [<pupil>]": the answer journal printed as CSV, without any
// window, in the data folder the other arguments choose.
#include <QStringList>

#include <optional>

namespace ExportJournal {
// The arguments of an export, taken out of the command line; nothing when it asks no export.
struct Demande {
    QString enseignant;
    QString eleve;
    QStringList autresArguments;  // the program's name and the data folder, if given
};
std::optional<Demande> lit(const QStringList& arguments);
// Prints the journal on the standard output (errors, in French, on the error output); the
// program's exit code.
int execute(const Demande& demande, const QString& dossierPartage, const QString& maison);
}
