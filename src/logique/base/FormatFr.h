#pragma once
// Every date, time and number text of the program, always in French whatever the machine's locale.
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace FormatFr {
QString dateLongue(const QDate& date);            // dimanche 6 décembre 2026
QString jourMois(const QDate& date);              // 6 déc., 1er sept.
QString heureCourte(const QTime& heure);          // 09:10
QString heureLongue(const QTime& heure);          // 09:10:05
QString dateHeure(const QDateTime& instant);      // 06/12/2026 09:10:05
QString dateLongueHeureCourte(const QDateTime&);  // dimanche 6 décembre 2026 09:10
QString dateLongueHeureLongue(const QDateTime&);  // dimanche 6 décembre 2026 09:10:05
// General number format: up to 15 significant digits, no trailing zeros, "," as separator.
QString nombre(double valeur);
// A time to the tenth of a second, the unit held to the number by a no-break space: 1500 → "1,5 s".
QString secondes(int ms);
// A share as a whole percentage, the sign held to the number: 0.824 → "82 %".
QString pourcent(double part);
// Spaces made no-break, so that a line is never cut inside a calculation: "7 × 8 = 56".
QString insecable(QString texte);
// Items joined by " ; ", the space before ";" no-break as French typography wants it, so that no
// line starts with ";".
QString pointsVirgules(const QStringList& elements);
// "2", "2 et 5", "2, 5 et 10": items joined as a French sentence lists them.
QString enumeration(const QStringList& elements);
// French agreement: the singular for 0 and 1 ("0 calcul", "1 calcul est su"), the plural from 2.
QString accord(int nombre, const QString& singulier, const QString& pluriel);
// The number and its word agreed: "0 calcul", "1 calcul", "2 calculs".
QString quantite(int nombre, const QString& singulier, const QString& pluriel);
// A day fraction as hh:nn:ss (hours past 24 keep counting).
QString duree(double fractionJour);
}
