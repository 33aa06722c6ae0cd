#pragma once
// Reliability tests run the program's code in forked child processes: to kill it at any moment,
// to run two writers at once, or to limit what it may write.
#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <sys/types.h>

// Starts `corps` in a child process, the program's threads ended first (`RemiseAZero::unSeulFil`);
// the child ends with the value `corps` returns (1 when it throws), without running the parent's
// exit handlers.
pid_t lanceEnfant(const std::function<int()>& corps);
// Waits for a child: its exit code, or 128 + the signal that ended it.
int attendEnfant(pid_t enfant);
// lanceEnfant then attendEnfant.
int dansUnEnfant(const std::function<int()>& corps);
// In a child: files may grow to `octets` bytes at most; a longer write fails with EFBIG (as on
// a full disk) instead of killing the process.
void limiteTailleFichiers(long octets);
// In a child: the folder `point` becomes a small disk of its own (tmpfs of `taille`, "64k"), seen
// by this process only, with the caller as its owner; false where the system refuses.
bool montePetitDisque(const QByteArray& point, const char* taille);
// Fills the working folder's disk to its last byte through the file "remplissage", then gives
// back `libres` bytes of it.
void remplitDisque(long libres = 0);
// Long runs by hand: MARIVELLE_FIABILITE_LONGUE=1 multiplies the counts of the CI runs.
int fois(int enCi, int aLaMain);
// The seed of a test's random timings: MARIVELLE_GRAINE when set, else drawn; printed, so that a
// failing run can be replayed.
quint32 graineImprimee();
