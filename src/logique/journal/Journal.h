#pragma once
// The answer journal of the program: every question of every named pupil, written when it ends,
// whatever the teacher's recording choices. Writing happens on a thread of its own, so a slow
// disk, a store locked by another program or a failure never holds a game up: what cannot be
// stored yet stays queued, in order, and is stored later, once; what is still queued when the
// program ends is kept in a file (the class's pending file, or this computer's outbox) that the
// next program stores first. A failure is told to the child once per session in plain words, its
// details to the teacher at the next visit. See docs/journal.md.
#include "logique/journal/MagasinJournal.h"
#include "logique/journal/LigneResultat.h"

#include <functional>
#include <memory>

namespace Journal {
// The SQLite file of a class: "<class folder>journal_des_reponses_de_<teacher>.sqlite".
QString cheminSqlite(const QString& enseignant, const QString& repertoireClasse);

// Opens the class's store: by default its SQLite file; a school server's store once one is
// installed. Throws ErreurJournal. Used on the thread that calls it only.
std::unique_ptr<MagasinJournal> ouvre(const QString& enseignant, const QString& repertoireClasse);
using Fabrique = std::function<std::unique_ptr<MagasinJournal>(const QString& enseignant, const QString& repertoireClasse)>;
// A school server's store, which serves every class (the writer opens it with empty names).
// What it cannot take goes to the outbox file `fichierDifferes` (default EnvoisDifferes::cheminParDefaut())
// and is sent again, in order, when it answers. Null gives the SQLite files back.
void installeFabrique(Fabrique fabrique, const QString& fichierDifferes = {});
// A server's store is installed: results rows go there too.
bool surServeur();
// The class has a journal to read: a server's store, or the class's SQLite file. A reader that
// must not make the file asks this before `ouvre`.
bool aUnJournal(const QString& enseignant, const QString& repertoireClasse);
// Queues a results row for the server (nothing without one).
void ecritLigne(const LigneResultat& ligne);
// Tries the server again now, whatever the pause after a failure.
void renvoie();
// Records in this computer's outbox.
qsizetype enAttente();

// Deleting a child deletes the child's answers; a teacher's go with the teacher. Nothing is
// made when the class has no journal yet. Throws ErreurJournal.
void oublieEleve(const QString& enseignant, const QString& eleve, const QString& repertoireClasse);
void oublieEnseignant(const QString& enseignant, const QString& repertoireClasse);

// Queues a finished question for the writer. The anonymous pupil's questions are never kept.
void ecrit(const EntreeJournal& entree, const QString& repertoireClasse);
// Waits until the writer has done all it can now: every queued question stored, or waiting to be
// tried again after a failure. A store locked by another program is waited for. No limit: for
// tests and tools; the screens use attendsBrievement().
void attends();
// The same for about 2 s at most (2,000 ms through Minuterie); true when nothing is left to
// store. What is left is stored in the background, in order.
bool attendsBrievement();
// The end of the program: what can be stored in about 2 s is, the rest goes to the pending files
// (the class's, or the outbox with a server); then the writer stops. Bounded even when a disk or
// a lock holds the writer: it then leaves it behind.
void arrete();
// The queued questions of a pupil, not stored yet (the review counts them with the stored ones).
QList<EntreeJournal> enFile(const QString& enseignant, const QString& eleve);
// The class's pending file, beside its SQLite file: "<journal>.en_attente.jsonl".
QString cheminEnAttente(const QString& fichierSqlite);
// Queues, for the writer, the pending files the classes of the working folder were left with.
void reprendEnAttente();

// A new pupil session: a failure may be told again. With the pupil's class, its journal is looked
// through now (once a session), before the first answer needs it.
void nouvelleSession(const QString& enseignant = {}, const QString& repertoireClasse = {});
// Tells the child, in one box in plain words (TexteEleve), that answers wait to be saved, at most
// once a session; the details wait for the teacher (ditALEnseignant). The screens call it where a
// box does not disturb a question (the end of an exercise).
inline const QString TexteEleve = QStringLiteral(
    "Tes réponses sont bien gardées\u00A0: elles seront enregistrées un peu plus tard. Tu peux continuer à t'entraîner.");
void signaleEchecs();
// Tells, once, the records the school server refused for good and set aside (a value it will
// never take). For the teacher: the teacher's screens call it when they are opened.
void signaleRefus();
// The teacher of the class comes (settings screen, progress view): one box with what was noted for
// them (AvisEnseignant), if anything.
void ditALEnseignant(const QString& repertoireClasse);
// What can be read of the class's damaged SQLite file, in memory, for the teacher's views, and
// in `manque` what could not be read. Throws ErreurJournal when nothing can.
std::unique_ptr<MagasinJournal> ouvreAbime(const QString& enseignant, const QString& repertoireClasse, QString& manque);

// Tests: the journal as a program just started has it: what was queued is written, the writer
// stopped, no server, no failure kept, no session told, no moment given yet.
void retablit();
// Tests, before a fork (which copies only the calling thread): the journal's threads end, the
// writer as at the program's end and the watchdog of the server's calls; each starts again on its
// next use, in both processes.
void arreteLesFils();

// The moment of a question shown now: the clock's milliseconds, never equal to or before the
// previous one, so that each question of a pupil keeps its own key even on a frozen clock.
qint64 momentUnique();
}  // namespace Journal
