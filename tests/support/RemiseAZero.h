#pragma once
// Every test starts from the program's defaults: after each test the support puts back every
// seam a test may set (timers' pace, clock, random seed, message boxes, journal writer and
// server, sound output, display size, screen fitting, program end, the pupil's adjustments) and
// the shared state.
// GoogleTest does it from a listener of its mains, QtTest from the `cleanup()` of `TestEcran`.
namespace RemiseAZero {
// The process-wide test hooks of the program, back to their defaults.
void coutures();
// The shared state (`Etat()`) and the pupil's adjustments as a program just started has them.
void etat();
// The screen registry emptied: the screens a test registered die with it.
void ecrans();
// Before a fork: the program's threads end (the journal's, the pools'). A fork copies only the
// thread that calls it; what another held (a lock, a queue) would stay held in the child. Each
// starts again on its next use, in both processes.
void unSeulFil();
// GoogleTest: the first three after every test, once its fixture is gone (called by both mains).
void installePourGoogleTest();
}  // namespace RemiseAZero
