#pragma once
// The table entries of the settings screen's entry list: their texts ("(x) table de 5 sur
// [1..10]", "(+) compléments à 10"), reading a text back into an entry, what ">>" adds from the
// table choices, and the feasibility of the successors and doubles for the checked entries.
#include "logique/parametres/ParameterFiles.h"

#include <QList>
#include <QString>
#include <optional>

namespace EntreesTables {
// The two entries the list always starts with.
inline const QString Doubles = QStringLiteral("Doubles / carrés");
inline const QString Successeurs = QStringLiteral("Successeurs");

// "(+)", "(-)", "(x)", "(/)" for operations 0 to 3.
QString marqueur(int operation);
QString texte(const EntreeTable& entree);
// The entry an entry text stands for; none for the fixed entries and for any other text.
std::optional<EntreeTable> lit(const QString& texte);

// Successors are possible when one table entry has a <= n + 1 <= b; doubles when one has a <= n <= b.
// Complement entries take no part.
bool successeursPossibles(const QList<EntreeTable>& entrees);
bool doublesPossibles(const QList<EntreeTable>& entrees);

enum class Mode { Aucun, Precise, Intervalle, Complement };

// The table choices of the panel when ">>" is pressed.
struct Demande {
    int operation = -1;  // -1: none chosen
    Mode mode = Mode::Aucun;
    bool numeroCourant = false;  // a number of the [1..10] list was clicked (or all were ticked)
    QList<int> numerosCoches;    // ticked numbers of the [1..10] list, in list order
    QString table, gauche, droite, complement;
};

struct Ajout {
    QString refus;  // the French message when nothing is added
    QList<EntreeTable> entrees;
};

Ajout ajoute(const Demande& demande);
}
