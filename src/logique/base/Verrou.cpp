#include "logique/base/Verrou.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
// QLockFile does not tell why it could not make its file: the folder tells.
int pourquoiPasDeVerrou(const QString& cheminFichier) {
    const QByteArray dossier = QFile::encodeName(QFileInfo(cheminFichier).absolutePath());
    struct statvfs disque {};
    if (::statvfs(dossier.constData(), &disque) == 0) {
        if (disque.f_flag & ST_RDONLY) return EROFS;
        if (disque.f_bavail == 0 || disque.f_favail == 0) return ENOSPC;
    }
    if (::access(dossier.constData(), W_OK) != 0) return errno;
    return EIO;
}

// The lock of a program that died is taken over at once: its file names no process of this
// machine that still runs, or (killed between creating and filling it) names none and is older
// than a second, which no live program's lock is.
void retireVerrouAbandonne(QLockFile& verrou, const QString& chemin) {
    qint64 pid = 0;
    QString hote, programme;
    if (verrou.getLockInfo(&pid, &hote, &programme)) {
        if (pid > 0 && hote == QSysInfo::machineHostName() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            verrou.removeStaleLockFile();
        return;
    }
    const QFileInfo info(chemin);
    if (info.exists() && info.lastModified().msecsTo(QDateTime::currentDateTime()) > 1000) QFile::remove(chemin);
}
}  // namespace

QString Verrou::cheminVerrou(const QString& cheminFichier) { return cheminFichier + QStringLiteral(".verrou"); }

Verrou::Verrou(const QString& cheminFichier, int attenteMs) : verrou_(cheminVerrou(cheminFichier)) {
    // The lock file is written like any other: never through a link, never outside.
    FichierTexte::verifieDansDossierDeTravail(cheminVerrou(cheminFichier));
    // A live program holds the lock for milliseconds; one older than this died holding it (the
    // lock of a program no longer running is taken over at once).
    verrou_.setStaleLockTime(30000);
    QDeadlineTimer fin(attenteMs);
    // Polled every few milliseconds: the holder keeps it for milliseconds, and QLockFile's own
    // waiting doubles its pauses up to seconds.
    for (;;) {
        if (verrou_.tryLock(0)) return;
        if (verrou_.error() != QLockFile::LockFailedError) break;
        retireVerrouAbandonne(verrou_, cheminVerrou(cheminFichier));
        if (verrou_.tryLock(0)) return;
        if (verrou_.error() != QLockFile::LockFailedError || fin.hasExpired()) break;
        QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(fin.remainingTime(), 0, 5)));
    }
    const QString fichier = QStringLiteral("« %1 »").arg(cheminFichier);
    if (verrou_.error() == QLockFile::LockFailedError)
        throw ErreurFichier(
            QStringLiteral("Le fichier %1 est utilisé par un autre programme. Réessayez dans un instant.").arg(fichier));
    throw ErreurFichier(QStringLiteral("Impossible de modifier le fichier %1 : %2.")
                            .arg(fichier, FichierTexte::raison(pourquoiPasDeVerrou(cheminFichier))));
}

Verrou::~Verrou() { verrou_.unlock(); }
