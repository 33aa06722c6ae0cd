#pragma once
// The columns of a summarised answer packed by the database into two numbers, for the progress
// view's read of a whole class: each value read costs more than the figures drawn from it. The
// same packing is written once here for the SQL (SQLite and PostgreSQL, 64-bit integers) and for
// its reading.
//
// The codes: type of exercise, position, operation, right at first try, ended by a creature and
// the answer time (+ 1, so that "none", −1, is 0), from the highest bits down.
// The fact: left, right and result, each shifted to be positive, when they fall in the ranges
// below (every fact the settings offer does); otherwise the fact is read apart. The arithmetic is
// cast to 64 bits: PostgreSQL's integer arithmetic stops at 32.
#include "logique/journal/MagasinJournal.h"

#include <QString>

namespace ReponsesTassees {
constexpr qint64 Positions = 65536;    // position, 16 bits
constexpr qint64 Operations = 4;       // operation, 2 bits
constexpr qint64 BitsTemps = 32;       // answer time + 1
constexpr qint64 Operandes = 1 << 20;  // left and right, from −2^19 to 2^19 − 1
constexpr qint64 Resultats = 1 << 22;  // result, from −2^21 to 2^21 − 1

// The SQL of the two numbers, on journal_questions' columns.
QString sqlCodes();
QString sqlFait();
// What the codes hold, into `r`.
void litCodes(qint64 codes, ReponseResumee& r);
// The fact, into `fait`; false when it was out of the ranges (the SQL gave −1).
bool litFait(qint64 tasse, Fait& fait);
}
