#pragma once
// What the program has to tell a class's teacher (why answers wait, a damaged journal set aside, a
// file that failed while a pupil played): never on a child's screen, but in one box at the
// teacher's next visit (the settings screen or the progress view). Kept in the class folder,
// "messages_pour_l_enseignant.txt" (one dated message a line), so that the next program to open
// the class says it; kept in memory when that file cannot be written. See docs/journal.md.
#include <QString>
#include <QStringList>

namespace AvisEnseignant {
// "<class folder>messages_pour_l_enseignant.txt".
QString fichier(const QString& repertoireClasse);
// Notes a message for the teacher of the class (an empty folder: for the next teacher who comes to
// this computer). Safe from any thread; never throws.
void note(const QString& repertoireClasse, const QString& texte);
// The messages waiting for the class's teacher (and for anyone at this computer), oldest first;
// they are forgotten once taken.
QStringList prend(const QString& repertoireClasse);

// A pupil is at the screen: from now on a failure's words (a file, a path) are noted for the
// class's teacher, the pupil named, and written on the error output, while the child reads a
// child's words (Messages::erreur).
void pendantLaSeance(const QString& repertoireClasse, const QString& eleve);
// Nobody plays any more (the identification screen is back): failures are shown as they are.
void finDeSeance();
}  // namespace AvisEnseignant
