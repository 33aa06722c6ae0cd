#pragma once
// Why a database refused, for every store of the program (results, answer journal; SQLite or a
// school's PostgreSQL server): the kind of failure from the driver's error code, and a short
// French reason — never the driver's English text alone.
#include <QString>

class QSqlError;

enum class EchecSql {
    Occupe,      // another program holds the lock
    PasUneBase,  // not a database, damaged or cut short
    Plein,       // no space left
    Ecriture,    // the disk refused to write (a file-size limit, a full disk)
    LectureSeule,
    Permission,
    Ouverture,           // the file cannot be opened
    TropGrand,           // a text too long for the base
    ValeurRefusee,       // a value the base does not accept (constraint, type)
    ServeurAbsent,       // the server does not answer (stopped, network, firewall)
    HoteInconnu,         // the server's name is not known (DNS)
    Identifiants,        // user or password refused
    UtilisateurInconnu,  // no such user on the server
    MotDePasse,          // the password is refused
    SansMotDePasse,      // the server asks for a password and none was given
    AccesRefuse,         // the server's pg_hba.conf refuses this computer, user or database
    TlsRefuse,           // TLS asked for, the server does not offer it
    CertificatAbsent,    // verify-full without the school's certificate authority on this computer
    CertificatInconnu,   // the server's certificate is not signed by the authority this computer has
    CertificatAutreNom,  // the server's certificate names another host
    Droits,              // the server refuses this operation to this user
    BaseAbsente,         // no such database on the server
    Schema,              // the tables are not those expected
    Autre,
};

EchecSql GenreEchecSql(const QSqlError& erreur);
// The record itself is refused (a value too long, a constraint, a type): sending it again would
// be refused again. Every other failure (connection, timeout, lock, rights, tables) is
// temporary: the record waits until the server or its technician puts it right.
bool EchecDefinitif(EchecSql genre);
// SQLite's primary result code, or -1 (a server's error, or none given).
int CodeSqlite(const QSqlError& erreur);
// "le disque est plein", "la base est utilisée par un autre programme, …", …; for a server, what a
// technician can act on ("la base de données n'existe pas sur le serveur (clé « base » …)").
// A connection's failure has no code: its kind is read in libpq's and the server's words, in
// English or in French.
QString RaisonSql(const QSqlError& erreur);
