#pragma once
// Serialises a read-modify-write of a shared file between programs that share a working folder
// (two sessions on one machine, a folder on a school server): while a Verrou lives, no other
// program holding a Verrou on the same file runs. The lock is a file "<file>.verrou" next to the
// target; the lock of a program that died is taken over.
#include <QLockFile>
#include <QString>

class Verrou final {
public:
    // Waits up to `attenteMs` for the lock; throws ErreurFichier with a French message otherwise,
    // and at once when the lock file would be a link or lie outside the working folder.
    explicit Verrou(const QString& cheminFichier, int attenteMs = 10000);
    ~Verrou();
    Verrou(const Verrou&) = delete;
    Verrou& operator=(const Verrou&) = delete;

    static QString cheminVerrou(const QString& cheminFichier);

private:
    QLockFile verrou_;
};
