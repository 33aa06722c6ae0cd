#pragma once
// "marivelle --test-de-depart <op>": the starting test without a window, on the standard input
// and output, in the simulated pupils' protocol (docs/depart.md): each question printed as
// "gauche;op;droite" (op 0 for +, 2 for ×), each answer read as "juste;ms" (1 or 0; any further
// field passed over), and at the end the 100 estimates on one line separated by ";".
#include <QStringList>

#include <cstdio>
#include <optional>

namespace TestDeDepartTexte {
struct Demande {
    QString operation;  // as typed: "+" or "×" (also "x", "*", "0", "2")
    bool complete = false;
};
// Nothing when the command line asks no starting test.
std::optional<Demande> lit(const QStringList& arguments);
// Runs the test; the program's exit code (2: bad command line, 1: the input ended too soon).
int execute(const Demande& demande, std::FILE* entree, std::FILE* sortie);
}  // namespace TestDeDepartTexte
