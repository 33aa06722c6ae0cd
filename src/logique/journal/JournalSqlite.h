#pragma once
// What only a class's SQLite journal file needs, beside the store itself: a look through the
// whole file at its first use in a session; a damaged file set aside under a dated name (kept for
// recovery) and a new one started with every row that can still be read of it; the readers' way
// to what can be read of a damaged file. See docs/journal.md.
#include "logique/journal/MagasinJournal.h"

#include <QDateTime>
#include <memory>

namespace JournalSqlite {
enum class Etat {
    Sain,         // looked through, nothing wrong (or no file yet)
    Abime,        // damaged: set aside and replaced
    Occupe,       // another program holds it: to look through again a little later
    Injoignable,  // cannot be opened or read now (a missing folder, a disk error): later too
};

// What could be read of a damaged file.
struct Lecture {
    qint64 questions = 0;   // questions read
    qint64 illisibles = 0;  // at most this many questions could not be read
    bool tout = true;       // false: the count above is unknown (the end of the table cannot be found)
};

struct Controle {
    Etat etat = Etat::Sain;
    QString raison;     // French: why it could not be looked through
    QString misDeCote;  // Abime: the name the damaged file now has
    Lecture lecture;    // Abime: what of it went into the new file
};

// Looks through the file (PRAGMA quick_check). A damaged one is set aside, under the lock of the
// database so that no other program is writing it, and a new one made with what can be read of
// it; the pupils whose names were lost are kept as "élève non retrouvé n° <id>" of `enseignant`.
// `attenteVerrouMs`: how long to wait for another program's lock before saying Occupe.
Controle controle(const QString& fichier, const QString& enseignant, const QDateTime& quand, int attenteVerrouMs);

// What can be read of a damaged file, read into memory for the teacher's views; read only. A
// pupil whose name was lost is "élève non retrouvé n° <id>" of `enseignant`. Throws ErreurJournal
// when nothing at all can be read.
std::unique_ptr<MagasinJournal> lisible(const QString& fichier, const QString& enseignant, Lecture& lecture);

// "1 234 questions ont pu être lues ; au plus 56 n'ont pas pu l'être."
QString texteLecture(const Lecture& lecture);
}  // namespace JournalSqlite
