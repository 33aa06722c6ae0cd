#include "sql/EchecSql.h"

#include <QSqlError>

int CodeSqlite(const QSqlError& erreur) {
    // A PostgreSQL SQLSTATE has five characters, often digits ("42501"); SQLite's codes fewer.
    const QString texte = erreur.nativeErrorCode();
    bool numerique = false;
    const int code = texte.toInt(&numerique);
    return numerique && texte.size() < 5 ? code & 0xFF : -1;
}

EchecSql GenreEchecSql(const QSqlError& erreur) {
    switch (CodeSqlite(erreur)) {
        case 3: return EchecSql::Permission;    // SQLITE_PERM
        case 5:                                 // SQLITE_BUSY
        case 6: return EchecSql::Occupe;        // SQLITE_LOCKED
        case 8: return EchecSql::LectureSeule;  // SQLITE_READONLY
        case 10: return EchecSql::Ecriture;     // SQLITE_IOERR
        case 11:                                // SQLITE_CORRUPT
        case 26: return EchecSql::PasUneBase;   // SQLITE_NOTADB
        case 13: return EchecSql::Plein;        // SQLITE_FULL
        case 14: return EchecSql::Ouverture;    // SQLITE_CANTOPEN
        case 18: return EchecSql::TropGrand;    // SQLITE_TOOBIG
        case 19:                                // SQLITE_CONSTRAINT
        case 20: return EchecSql::ValeurRefusee;  // SQLITE_MISMATCH
        case 23: return EchecSql::Permission;   // SQLITE_AUTH
        default: break;
    }
    // PostgreSQL's SQLSTATE classes.
    const QString etat = erreur.nativeErrorCode();
    if (etat.startsWith(QLatin1String("08"))) return EchecSql::ServeurAbsent;
    if (etat.startsWith(QLatin1String("28"))) return EchecSql::Identifiants;
    if (etat == QLatin1String("42501")) return EchecSql::Droits;
    if (etat == QLatin1String("3D000")) return EchecSql::BaseAbsente;
    if (etat == QLatin1String("22001")) return EchecSql::TropGrand;  // value too long for the column
    // Data exceptions and integrity constraints.
    if (etat.startsWith(QLatin1String("22")) || etat.startsWith(QLatin1String("23"))) return EchecSql::ValeurRefusee;
    if (etat == QLatin1String("53100")) return EchecSql::Plein;
    if (etat.startsWith(QLatin1String("53")) || etat.startsWith(QLatin1String("57"))) return EchecSql::ServeurAbsent;
    if (etat.startsWith(QLatin1String("42"))) return EchecSql::Schema;
    // Drivers that give no code (a failed commit, a refused connection) say it in words.
    const QString texte = erreur.text().toLower();
    if (texte.contains(QLatin1String("disk is full"))) return EchecSql::Plein;
    if (texte.contains(QLatin1String("disk i/o error"))) return EchecSql::Ecriture;
    if (texte.contains(QLatin1String("database is locked"))) return EchecSql::Occupe;
    if (texte.contains(QLatin1String("password")) || texte.contains(QLatin1String("authentication")))
        return EchecSql::Identifiants;
    if (texte.contains(QLatin1String("could not connect")) || texte.contains(QLatin1String("connection")) ||
        texte.contains(QLatin1String("server closed")) || texte.contains(QLatin1String("timeout expired")))
        return EchecSql::ServeurAbsent;
    if (texte.contains(QLatin1String("unable to open"))) return EchecSql::Ouverture;
    return EchecSql::Autre;
}

bool EchecDefinitif(EchecSql genre) { return genre == EchecSql::TropGrand || genre == EchecSql::ValeurRefusee; }

QString RaisonSql(const QSqlError& erreur) {
    switch (GenreEchecSql(erreur)) {
        case EchecSql::Occupe: return QStringLiteral("la base est utilisée par un autre programme, réessayez dans un instant");
        case EchecSql::PasUneBase: return QStringLiteral("ce fichier n'est pas une base de données lisible");
        case EchecSql::Plein: return QStringLiteral("le disque est plein");
        case EchecSql::Ecriture: return QStringLiteral("le disque est plein ou ne peut plus être écrit");
        case EchecSql::LectureSeule: return QStringLiteral("la base est en lecture seule");
        case EchecSql::Permission: return QStringLiteral("accès refusé");
        case EchecSql::Ouverture: return QStringLiteral("le fichier ne peut pas être ouvert");
        case EchecSql::TropGrand: return QStringLiteral("un texte est trop long pour la base");
        case EchecSql::ValeurRefusee: return QStringLiteral("une valeur ne convient pas à sa colonne dans la base");
        case EchecSql::ServeurAbsent: return QStringLiteral("le serveur ne répond pas");
        case EchecSql::Identifiants: return QStringLiteral("l'utilisateur ou le mot de passe est refusé par le serveur");
        case EchecSql::Droits: return QStringLiteral("le serveur refuse cette opération à cet utilisateur");
        case EchecSql::BaseAbsente: return QStringLiteral("la base de données n'existe pas sur le serveur");
        case EchecSql::Schema: return QStringLiteral("les tables ne sont pas celles attendues");
        case EchecSql::Autre: break;
    }
    return QStringLiteral("erreur inattendue de la base de données");
}
