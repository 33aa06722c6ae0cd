#pragma once
// The answer journal of the program: every question of every named pupil, written when it ends,
// whatever the teacher's recording choices. Writing happens on a thread of its own, so a slow
// disk, a store locked by another program or a failure never holds a game up; a failure is told
// once per session, in French, and the game goes on. See docs/journal.md.
#include "journal/MagasinJournal.h"
#include "journal/LigneResultat.h"

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
// What it cannot take goes to the outbox file `boiteEnvoi` (default BoiteEnvoi::cheminParDefaut())
// and is sent again, in order, when it answers. Null gives the SQLite files back.
void installeFabrique(Fabrique fabrique, const QString& boiteEnvoi = {});
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
// Waits until every queued question is written or has failed.
void attends();
// Waits, then stops the writer (end of the program).
void arrete();

// A new pupil session: a failure may be told again.
void nouvelleSession();
// Tells, in one box, the failures met since the last call, at most once a session. The screens
// call it where a box does not disturb a question (the end of an exercise).
void signaleEchecs();
// Tells, once, the records the school server refused for good and set aside (a value it will
// never take). For the teacher: the teacher's screens call it when they are opened.
void signaleRefus();

// The moment of a question shown now: the clock's milliseconds, never equal to or before the
// previous one, so that each question of a pupil keeps its own key even on a frozen clock.
qint64 momentUnique();
}  // namespace Journal
