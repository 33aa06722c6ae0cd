#pragma once
// The choices of the settings screen's upper panel as plain values, the defined exercise they
// make (exercise block, label items, refusal or notices), and a defined exercise read back into
// choices when the teacher clicks it in the list.
#include "logique/parametres/ParameterFiles.h"

#include <QList>
#include <QString>
#include <QStringList>

struct EntreeCochee {
    QString texte;
    bool coche = true;
    bool operator==(const EntreeCochee&) const = default;
};

struct ChoixExercice {
    enum class Temps { Aucun, Pirate, Requin };

    int type = 0;                 // 1..6 (5 the review, 6 the starting test), 0 when none is chosen
    QList<EntreeCochee> entrees;  // the entry list without its two fixed entries
    bool doubles = false, successeurs = false;
    bool tablesDansOrdre = false, grandeOperandeAGauche = false, nombresRelatifs = false;
    int operation = -1;  // the operation radio, read for one notice only
    Temps temps = Temps::Aucun;
    int tempsPirate = 10, tempsRequin = 10;
    int questions = 10;
    int aide = 1;  // 0 drawings, 1 constellations, 2 none
    bool bande = false;
    int valeurBande = 9;  // 9, 19, ..., 99
    bool operator==(const ChoixExercice&) const = default;
};

struct ExerciceConstruit {
    QString refus;      // when set, nothing is added
    QStringList avis;   // notices shown before adding
    QString bloc;       // the exercise block
    QStringList items;  // the checked entry texts, for the label
};

namespace ExerciceParametre {
// A defined exercise holds at most this many table entries (the reader's table holds 250).
constexpr int EntreesMax = 250;

ExerciceConstruit construit(const ChoixExercice& choix);
// The choices a stored block stands for. Table lines are taken apart by their words, so negative
// numbers come back; lines that cannot be read are left out.
ChoixExercice charge(const QString& bloc);
}
