#pragma once
// Every timer interval of the program goes through here, so tests can run animations fast.
class QTimer;
class QObject;

namespace Minuterie {
// The interval to use for a designed interval in milliseconds (at least 1).
int intervalle(int millisecondes);
// Tests: divides every interval by this factor (1 = real time).
void accelere(int facteur);
// A stopped single-thread timer owned by the given object.
QTimer* cree(QObject* proprietaire);
// Starts a timer at a designed interval.
void demarre(QTimer* minuterie, int millisecondes);
// Tests: the designed interval the timer was last started with (0 when never started).
int intervalleVoulu(const QTimer* minuterie);
// Stops a timer and releases it once the current event has returned (a timer may be released
// from its own event); the pointer is cleared.
void libere(QTimer*& minuterie);
}
