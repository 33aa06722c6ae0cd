#pragma once
// "marivelle --predictions <journal.sqlite> --jusqua <moment>": the memory model fitted on a
// class's questions before the moment, then, for every question of kinds 1, 2 and 5, the
// probability it gave of a right first answer from the answers strictly before it. Without any
// window; what the measurement of the model runs (tools/memoire/mesure.py, docs/memoire.md).
#include <QStringList>

#include <optional>

namespace PredictionsMemoire {
struct Demande {
    QString journal;
    QString jusqua;  // as typed; checked by execute
    bool complete = false;
};
// Nothing when the command line asks no predictions.
std::optional<Demande> lit(const QStringList& arguments);
// Prints "eleve;moment;p" lines on the standard output (errors, in French, on the error output,
// and nothing on the standard output then); the program's exit code.
int execute(const Demande& demande);
}
