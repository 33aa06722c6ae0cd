#pragma once
// The teacher's defined exercises and their files: reading them back from the teacher's
// parameter file, the profile-saving choice kept there, saving the list, and assigning a
// sequence to pupils (one parameter file each, plus the default parameter file).
#include <QString>
#include <QStringList>

struct ExercicesDefinis {
    static constexpr int Max = 50;
    QStringList libelles;
    QStringList contenus;  // the exercise block of each label
};

struct SauvegardeProfil {
    bool base = false, tableur = false, texte = true;
    bool operator==(const SauvegardeProfil&) const = default;
};

namespace ExercicesEnseignant {
inline const QString ParDefaut = QStringLiteral("Paramétrage par défaut");

// The defined exercises of a teacher's file (none when it is missing). The empty lines that stand
// before a separator or the end of the file are not part of an exercise, so a save, reload and
// save cycle gives the same bytes; every exercise of the file is read, even beyond the list's 50.
ExercicesDefinis lit(const QString& chemin);
// The profile-saving boxes kept in a teacher's file; the defaults when it is missing.
SauvegardeProfil litSauvegarde(const QString& chemin);

// Writes the teacher's file whole, under the file lock.
void enregistre(const QString& chemin, const QString& enseignant, const ExercicesDefinis& exercices,
                const SauvegardeProfil& sauvegarde);

struct Affectation {
    QString enseignant;
    QString repertoireClasse;  // ends with "/"
    QStringList eleves;        // ticked entries of the pupil list, "Paramétrage par défaut" included
    QStringList blocs;         // ticked defined exercises, in list order
    int fin = 0;
    int retroaction = 0;
};

QString cheminEleve(const Affectation& a, const QString& eleve);

// Writes each pupil's file (the default file for "Paramétrage par défaut"), each whole and under
// its lock, so a pupil playing in another session never reads half a file; several files are
// written at once. A file that cannot be written does not stop the others: the French messages of
// the failures are returned, in list order.
QStringList affecte(const Affectation& a);
}
