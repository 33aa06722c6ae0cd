#pragma once
// The pupil's text profile: what each write appends, composed in memory. The file itself is
// Windows-1252 with CR LF line ends and only ever grows (see Enregistreurs.h for the writers).
#include <QDateTime>
#include <QString>

struct ResultatExercice;

namespace ProfilTexte {
// Header of a new file: title, pupil, teacher, then one empty line (line ends included).
QString entete(const QString& eleve, const QString& enseignant);
// The block stamped at every connection (date as long date and short time).
QString connexion(const QDateTime& date);
// The block of a finished exercise.
QString exercice(const ResultatExercice& resultat);
// The line stamped when the pupil leaves (date as long date and long time).
QString deconnexion(const QDateTime& date);
}  // namespace ProfilTexte
