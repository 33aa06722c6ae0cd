#include "journal/RaisonSql.h"

#include <QSqlError>

namespace {
// SQLite says "disk I/O error" when a file may grow no further, as on a full disk.
const QString EcritureDisque = QStringLiteral("le disque est plein ou ne peut plus être écrit");

// SQLite's primary result codes (the low byte of the extended code).
QString raisonSqlite(int code) {
    switch (code & 0xFF) {
        case 5:   // SQLITE_BUSY
        case 6:   // SQLITE_LOCKED
            return QStringLiteral("la base est utilisée par un autre programme, réessayez dans un instant");
        case 8: return QStringLiteral("la base est en lecture seule");            // SQLITE_READONLY
        case 10: return EcritureDisque;  // SQLITE_IOERR
        case 11: return QStringLiteral("le fichier est endommagé");                // SQLITE_CORRUPT
        case 13: return QStringLiteral("le disque est plein");                     // SQLITE_FULL
        case 14: return QStringLiteral("le fichier ne peut pas être ouvert");      // SQLITE_CANTOPEN
        case 23: return QStringLiteral("accès refusé");                            // SQLITE_AUTH
        case 26: return QStringLiteral("ce fichier n'est pas une base de données lisible");  // SQLITE_NOTADB
        default: return {};
    }
}

// PostgreSQL's SQLSTATE classes.
QString raisonPostgres(const QString& etat) {
    if (etat.startsWith(QLatin1String("08"))) return QStringLiteral("le serveur ne répond pas");
    if (etat == QLatin1String("28P01") || etat.startsWith(QLatin1String("28")))
        return QStringLiteral("l'utilisateur ou le mot de passe est refusé par le serveur");
    if (etat == QLatin1String("42501")) return QStringLiteral("le serveur refuse cette opération à cet utilisateur");
    if (etat == QLatin1String("3D000")) return QStringLiteral("la base de données n'existe pas sur le serveur");
    if (etat == QLatin1String("53100")) return QStringLiteral("le disque du serveur est plein");
    if (etat.startsWith(QLatin1String("53")) || etat.startsWith(QLatin1String("57")))
        return QStringLiteral("le serveur est surchargé ou en cours d'arrêt");
    if (etat.startsWith(QLatin1String("42"))) return QStringLiteral("les tables du serveur ne sont pas celles attendues");
    return {};
}
}  // namespace

QString RaisonSql(const QSqlError& erreur) {
    const QString code = erreur.nativeErrorCode();
    // A SQLSTATE has five characters, digits often ("42501"); SQLite's codes have four at most.
    bool numerique = false;
    const int n = code.toInt(&numerique);
    QString raison = numerique && code.size() < 5 ? raisonSqlite(n) : raisonPostgres(code);
    if (raison.isEmpty()) {
        const QString texte = erreur.text().toLower();
        if (texte.contains(QLatin1String("disk is full")))
            raison = QStringLiteral("le disque est plein");
        else if (texte.contains(QLatin1String("disk i/o error")))
            raison = EcritureDisque;
        else if (texte.contains(QLatin1String("database is locked")))
            raison = QStringLiteral("la base est utilisée par un autre programme, réessayez dans un instant");
        else if (texte.contains(QLatin1String("could not connect")) || texte.contains(QLatin1String("connection")) ||
            texte.contains(QLatin1String("server closed")))
            raison = QStringLiteral("le serveur ne répond pas");
        else if (texte.contains(QLatin1String("password")) || texte.contains(QLatin1String("authentication")))
            raison = QStringLiteral("l'utilisateur ou le mot de passe est refusé par le serveur");
        else if (texte.contains(QLatin1String("unable to open")))
            raison = QStringLiteral("le fichier ne peut pas être ouvert");
        else
            raison = QStringLiteral("erreur inattendue de la base de données");
    }
    return raison;
}
