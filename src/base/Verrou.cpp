#include "base/Verrou.h"

#include "base/Erreurs.h"

QString Verrou::cheminVerrou(const QString& cheminFichier) { return cheminFichier + QStringLiteral(".verrou"); }

Verrou::Verrou(const QString& cheminFichier, int attenteMs) : verrou_(cheminVerrou(cheminFichier)) {
    // A live program holds the lock for milliseconds; one older than this died holding it.
    verrou_.setStaleLockTime(30000);
    if (!verrou_.tryLock(attenteMs))
        throw ErreurFichier(QStringLiteral("Le fichier « %1 » est utilisé par un autre programme. "
                                           "Réessayez dans un instant.")
                                .arg(cheminFichier));
}

Verrou::~Verrou() { verrou_.unlock(); }
