#pragma once
// The local day a moment falls in, with the day's first and last instants. Working a local date
// out asks the C library, which looks at the time zone file each time: a class's year of answers
// meets the same few hundred days thousands of times, so each day is worked out once and kept.
#include <QDate>

struct JourLocal {
    QDate jour;
    qint64 debut = 0;  // the day's midnight, in milliseconds since the epoch
    qint64 fin = 0;    // the next day's midnight
    bool contient(qint64 moment) const { return moment >= debut && moment < fin; }
};

// Safe from several threads at once.
JourLocal jourLocal(qint64 moment);
