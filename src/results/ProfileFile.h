#pragma once
// The pupil's text profile: what each write appends, composed in memory. The file itself is
// Windows-1252 with CR LF line ends and only ever grows (see Enregistreurs.h for the writers).
#include <QDateTime>
#include <QString>

struct SharedState;

namespace ProfilTexte {
// Header of a new file: title, pupil, teacher, then one empty line (line ends included).
QString entete(const QString& eleve, const QString& enseignant);
// The block stamped at every connection (date as long date and short time).
QString connexion(const QDateTime& date);
// The block of a finished exercise, from the shared state, the error count and the error list.
QString exercice(const SharedState& etat, int erreurs, const QString& bilan);
// The line stamped when the pupil leaves (date as long date and long time).
QString deconnexion(const QDateTime& date);

// Share of right answers in percent, all decimals kept; 0 when there was no question.
double tauxDeReussite(int questions, int erreurs);
// Length of an exercise in day fractions; an exercise that ran over midnight ends the next day.
double duree(double heureDebut, double heureFin);
// Seconds per question rounded to two decimals (halves to even); 0 when there was no question.
double tempsParQuestion(double dureeJours, int questions);
}  // namespace ProfilTexte
