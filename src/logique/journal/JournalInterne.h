#pragma once
// What the journal's free functions (Journal.cpp) and its writer thread (Ecrivain) share; for
// the journal's own files only.
#include "logique/journal/Journal.h"

#include <chrono>

namespace JournalInterne {
using Montre = std::chrono::steady_clock;

// The longest a screen waits for the writer, as designed (Minuterie speeds it up in tests).
constexpr int AttenteEcranMs = 2000;

// The school server's store installed (none: each class's SQLite file), and its outbox.
Journal::Fabrique fabrique();
QString fichierDifferes();
}  // namespace JournalInterne
