#pragma once
// The parameters a class has before it has given enough answers to fit its own: written by hand
// from what is known of memory (docs/memoire.md), not learnt. A fact answered right minutes ago is
// very likely known; one answered right once yesterday much less so; each day on which it was
// right makes it last longer; a wrong answer lately makes it likely wrong; it fades with the days
// since it was last met. Nothing of the class's or of the pupil's general success is used.
#include "logique/memoire/ParametresMemoire.h"

ParametresMemoire parametresParDefaut();
