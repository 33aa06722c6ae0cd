#include "core/platform/Verrou.h"

#include "core/platform/Erreurs.h"
#include "core/platform/FichierTexte.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
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
}  // namespace

QString Verrou::cheminVerrou(const QString& cheminFichier) { return cheminFichier + QStringLiteral(".verrou"); }

Verrou::Verrou(const QString& cheminFichier, int attenteMs) : verrou_(cheminVerrou(cheminFichier)) {
    // A live program holds the lock for milliseconds; one older than this died holding it (the
    // lock of a program no longer running is taken over at once).
    verrou_.setStaleLockTime(30000);
    if (verrou_.tryLock(attenteMs)) return;
    const QString fichier = QStringLiteral("« %1 »").arg(cheminFichier);
    if (verrou_.error() == QLockFile::LockFailedError)
        throw ErreurFichier(
            QStringLiteral("Le fichier %1 est utilisé par un autre programme. Réessayez dans un instant.").arg(fichier));
    throw ErreurFichier(QStringLiteral("Impossible de modifier le fichier %1 : %2.")
                            .arg(fichier, FichierTexte::raison(pourquoiPasDeVerrou(cheminFichier))));
}

Verrou::~Verrou() { verrou_.unlock(); }
