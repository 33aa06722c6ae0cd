#pragma once
// One row of a teacher's results table, as it goes to a school server: the class's table name,
// the values in the table's column order, and an id of its own so that a row sent twice (after a
// failed delivery) is stored once.
#include <QString>
#include <QVariantList>

struct LigneResultat {
    QString identifiant;   // unique: QUuid text
    QString table;         // "classe_de_<T>", the name the class's own table has
    QVariantList valeurs;  // Nom_eleve ... Date_fin, as in ColonnesResultat
    bool operator==(const LigneResultat&) const = default;
};

// The results table's columns after its Id, in order.
inline const char* const ColonnesResultat[] = {"Nom_eleve",       "Date_debut", "Exercice",      "Type_exercice", "Tables",
                                               "Cas_particulier", "Aide",       "Taux_reussite", "Nombre_erreur", "Temps",
                                               "Temps_questions", "Bilan",      "Date_fin"};
