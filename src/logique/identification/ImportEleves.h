#pragma once
// A class list brought in from a file, and the class list taken out to one. Before anything is
// written the teacher sees each pupil read, the registry line it would make and, for every one
// refused, why; the accepted ones are then registered with the registry's own checks, in one
// rewrite of the class list under its lock.
#include "logique/listes/ListeLue.h"

#include <QList>
#include <QString>
#include <QStringList>

struct SharedState;

namespace ImportEleves {
struct Eleve {
    int numero = 0;  // line (or row) in the file
    QString nom;
    QString niveau;  // one of the teacher's levels, or empty
    QString ligne;   // the pupil's registry line
    QString refus;   // why it will not be registered; empty when it will
};

// The teacher's levels in the order the registry lists them (all six for "aucun"; none when the
// teacher teaches none).
QStringList niveauxDe(SharedState& etat, const QString& enseignant);

// What registering these pupils with the teacher would do, in linear time. A pupil without a
// level in the file takes `niveauParDefaut` (one of the teacher's levels, or empty for none),
// unless the program's own class list says they have none; a name written as a registry line
// ("Léa en classe de ce1") is that name at that level, so a list taken out and brought back in
// adds no one.
QList<Eleve> prepare(SharedState& etat, const QString& enseignant, const QList<ListeLue::Eleve>& lus,
                     const QString& niveauParDefaut);

struct CompteRendu {
    int enregistres = 0;
    // Accepted pupils another program registered meanwhile.
    QStringList dejaLa;
};
// Registers the accepted pupils (those without `refus`) in one rewrite of the class list, under
// its lock; no box is shown. Throws ErreurFichier, the list then unchanged.
CompteRendu enregistre(const QString& enseignant, const QList<Eleve>& eleves);
// "3 élèves ont été inscrits.", for the screen and the command line alike.
QString texteInscrits(int enregistres);

// The class list as a CSV file a spreadsheet opens ("Nom;Niveau", Windows-1252, CR LF), for a
// file that the import reads back to the same list.
QByteArray exporte(const QString& enseignant);
// A registry line split into the name and the level it ends with (empty when none).
std::pair<QString, QString> decoupeLigne(const QString& ligne);
}
