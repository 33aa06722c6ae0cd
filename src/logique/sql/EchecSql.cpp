#include "logique/sql/EchecSql.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QStringList>

int CodeSqlite(const QSqlError& erreur) {
    // A PostgreSQL SQLSTATE has five characters, often digits ("42501"); SQLite's codes fewer.
    const QString texte = erreur.nativeErrorCode();
    bool numerique = false;
    const int code = texte.toInt(&numerique);
    return numerique && texte.size() < 5 ? code & 0xFF : -1;
}

EchecSql GenreEchecSql(const QSqlError& erreur) {
    switch (CodeSqlite(erreur)) {
        case 3: return EchecSql::Permission;      // SQLITE_PERM
        case 5:                                   // SQLITE_BUSY
        case 6: return EchecSql::Occupe;          // SQLITE_LOCKED
        case 8: return EchecSql::LectureSeule;    // SQLITE_READONLY
        case 10: return EchecSql::Ecriture;       // SQLITE_IOERR
        case 11:                                  // SQLITE_CORRUPT
        case 26: return EchecSql::PasUneBase;     // SQLITE_NOTADB
        case 13: return EchecSql::Plein;          // SQLITE_FULL
        case 14: return EchecSql::Ouverture;      // SQLITE_CANTOPEN
        case 18: return EchecSql::TropGrand;      // SQLITE_TOOBIG
        case 19:                                  // SQLITE_CONSTRAINT
        case 20: return EchecSql::ValeurRefusee;  // SQLITE_MISMATCH
        case 23: return EchecSql::Permission;     // SQLITE_AUTH
        default: break;
    }
    // PostgreSQL's SQLSTATE classes.
    const QString etat = erreur.nativeErrorCode();
    if (etat.startsWith(QLatin1String("08"))) return EchecSql::ServeurAbsent;
    if (etat == QLatin1String("28P01")) return EchecSql::MotDePasse;
    if (etat == QLatin1String("28000")) return EchecSql::AccesRefuse;
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
    if (texte.contains(QLatin1String("unable to open"))) return EchecSql::Ouverture;
    // A connection to a server: every failure begins "connection to server at … failed:", the
    // cause follows, from libpq or from the server, in the language of each.
    const struct {
        EchecSql genre;
        QStringList mots;
    } causes[] = {
        {EchecSql::CertificatAbsent, {QStringLiteral("root certificate file"), QStringLiteral("certificat racine")}},
        {EchecSql::CertificatAutreNom,
         {QStringLiteral("does not match host name"), QStringLiteral("ne correspond pas au nom d'hôte")}},
        {EchecSql::CertificatInconnu, {QStringLiteral("certificate verify failed")}},
        {EchecSql::TlsRefuse, {QStringLiteral("server does not support ssl"), QStringLiteral("le serveur ne supporte pas ssl")}},
        {EchecSql::HoteInconnu,
         {QStringLiteral("could not translate host name"), QStringLiteral("n'a pas pu traduire le nom d'hôte")}},
        {EchecSql::AccesRefuse, {QStringLiteral("pg_hba.conf")}},
        {EchecSql::SansMotDePasse, {QStringLiteral("no password supplied")}},
        {EchecSql::MotDePasse,
         {QStringLiteral("password authentication failed"), QStringLiteral("authentification par mot de passe échouée")}},
        {EchecSql::Droits,
         {QStringLiteral("permission denied for database"), QStringLiteral("droit refusé pour la base de données")}},
    };
    for (const auto& c : causes)
        for (const QString& mot : c.mots)
            if (texte.contains(mot)) return c.genre;
    static const QRegularExpression baseAbsente(
        QStringLiteral("database \"[^\"]*\" does not exist|la base de données « .* » n'existe pas"));
    static const QRegularExpression roleAbsent(QStringLiteral("role \"[^\"]*\" does not exist|le rôle « .* » n'existe pas"));
    if (texte.contains(baseAbsente)) return EchecSql::BaseAbsente;
    if (texte.contains(roleAbsent)) return EchecSql::UtilisateurInconnu;
    if (texte.contains(QLatin1String("authentication")) || texte.contains(QLatin1String("authentification")))
        return EchecSql::Identifiants;
    if (texte.contains(QLatin1String("could not connect")) || texte.contains(QLatin1String("connection")) ||
        texte.contains(QLatin1String("connexion")) || texte.contains(QLatin1String("server closed")) ||
        texte.contains(QLatin1String("timeout expired")) || texte.contains(QStringLiteral("le délai est dépassé")))
        return EchecSql::ServeurAbsent;
    return EchecSql::Autre;
}

namespace {
// The names between the quotes of libpq's message ("…" in English, « … » in French), in order.
QStringList entreGuillemets(const QString& texte) {
    static const QRegularExpression guillemets(QStringLiteral("\"([^\"]*)\"|« ([^»]*) »"));
    QStringList noms;
    for (auto it = guillemets.globalMatch(texte); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        noms << (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1));
    }
    return noms;
}

// The cause of a connection's failure, after the "… failed: " of the address.
QString cause(const QString& texte) {
    for (const QString& apres : {QStringLiteral("failed: "), QStringLiteral("a échoué : ")})
        if (const qsizetype i = texte.lastIndexOf(apres); i >= 0) return texte.mid(i + apres.size());
    return texte;
}
}  // namespace

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
        case EchecSql::ServeurAbsent:
            return QStringLiteral("le serveur ne répond pas (il est arrêté, ou le réseau ou un pare-feu empêche de "
                                  "l'atteindre à l'adresse et au port de marivelle.ini)");
        case EchecSql::HoteInconnu:
            return QStringLiteral("le nom du serveur est inconnu de cet ordinateur (clé « hote » de marivelle.ini, ou "
                                  "le DNS de l'école)");
        case EchecSql::Identifiants: return QStringLiteral("l'utilisateur ou le mot de passe est refusé par le serveur");
        case EchecSql::UtilisateurInconnu:
            return QStringLiteral("l'utilisateur « %1 » n'existe pas sur le serveur (clé « utilisateur » de "
                                  "marivelle.ini ; le script serveur_postgresql.sql crée « marivelle »)")
                .arg(entreGuillemets(cause(erreur.text())).value(0));
        case EchecSql::MotDePasse:
            return QStringLiteral("le serveur refuse le mot de passe de l'utilisateur « %1 », ou cet utilisateur n'y "
                                  "existe pas (clé « fichier_mot_de_passe » de marivelle.ini, ou fichier ~/.pgpass de "
                                  "ce compte)")
                .arg(entreGuillemets(cause(erreur.text())).value(0));
        case EchecSql::SansMotDePasse:
            return QStringLiteral("le serveur demande un mot de passe et cet ordinateur n'en donne aucun (clé "
                                  "« fichier_mot_de_passe » de marivelle.ini, ou une ligne pour ce serveur dans le "
                                  "fichier ~/.pgpass de ce compte)");
        case EchecSql::AccesRefuse:
            return QStringLiteral("le serveur n'accepte pas cet ordinateur pour cet utilisateur et cette base : une "
                                  "ligne du fichier pg_hba.conf du serveur le refuse, ou il n'y en a aucune pour lui");
        case EchecSql::TlsRefuse:
            return QStringLiteral("le serveur n'accepte pas les connexions chiffrées que demande la clé « tls » de "
                                  "marivelle.ini (ssl = on dans le fichier postgresql.conf du serveur)");
        case EchecSql::CertificatAbsent:
            return QStringLiteral("le certificat de l'autorité de l'école manque sur cet ordinateur : PostgreSQL le "
                                  "cherche dans « %1 » (ou là où la clé « certificat_racine » de marivelle.ini le dit)")
                .arg(entreGuillemets(cause(erreur.text())).value(0));
        case EchecSql::CertificatInconnu:
            return QStringLiteral("le certificat du serveur n'est pas signé par l'autorité que connaît cet ordinateur "
                                  "(~/.postgresql/root.crt, ou le fichier de la clé « certificat_racine » de "
                                  "marivelle.ini)");
        case EchecSql::CertificatAutreNom: {
            const QStringList noms = entreGuillemets(cause(erreur.text()));
            return QStringLiteral("le certificat du serveur est fait pour « %1 » et non pour « %2 », le nom que donne "
                                  "la clé « hote » de marivelle.ini")
                .arg(noms.value(0), noms.value(noms.size() - 1));
        }
        case EchecSql::Droits:
            return QStringLiteral("le serveur refuse cette opération à cet utilisateur (ses droits sont ceux que donne "
                                  "le script serveur_postgresql.sql)");
        case EchecSql::BaseAbsente:
            return QStringLiteral("la base de données « %1 » n'existe pas sur le serveur (clé « base » de marivelle.ini)")
                .arg(entreGuillemets(cause(erreur.text())).value(0));
        case EchecSql::Schema:
            return QStringLiteral("les tables ne sont pas celles attendues (le script serveur_postgresql.sql les fait)");
        case EchecSql::Autre: break;
    }
    return QStringLiteral("erreur inattendue de la base de données");
}
