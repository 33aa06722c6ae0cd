#pragma once
// A throw-away PostgreSQL cluster for the tests: made with the distribution's initdb in a
// temporary folder (as the "postgres" user when the tests run as root), listening on a socket
// of that folder and on 127.0.0.1 (the same port, free when it started), removed at the end.
// Never a stand-in: the server is the real one.
#include "logique/journal/MagasinSql.h"

#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;

// A store on an SQLite file (a class's journal, a server's stand-in).
inline ParametresConnexion fichierSqlite(const QString& fichier) {
    ParametresConnexion p;
    p.base = fichier;
    return p;
}

class ServeurPostgres final {
public:
    // Empty when the tests can run on PostgreSQL; else why not (for GTEST_SKIP).
    static QString absent();
    // One cluster for the test program, started on first use; `termine` stops and removes it
    // (a GoogleTest environment's TearDown calls it, while Qt is still there).
    static ServeurPostgres& commun();
    static void termine();

    ServeurPostgres();
    ~ServeurPostgres();
    ServeurPostgres(const ServeurPostgres&) = delete;
    ServeurPostgres& operator=(const ServeurPostgres&) = delete;

    void demarre();
    // Fast stop: connections are cut, as when the server goes down.
    void arrete();
    QString socket() const { return socket_; }
    // The port of the socket and of TCP on 127.0.0.1.
    int port() const { return port_; }
    // The administrator's role (the cluster's superuser) and the programs' role.
    static constexpr const char* Administrateur = "admin_essai";
    static constexpr const char* Role = "marivelle";
    // The connection to `base` as the programs' role, on the socket.
    ParametresConnexion parametres(const QString& base) const {
        return {QStringLiteral("QPSQL"),
                base,
                socket_,
                port_,
                QString::fromLatin1(Role),
                {},
                QStringLiteral("connect_timeout=2"),
                0,
                {}};
    }
    // A new database with the technician's script run in it; its name.
    QString nouvelleBase();
    // A line of pg_hba.conf put before the others, the configuration reloaded.
    void ajouteRegleHba(const QString& ligne);
    // TLS on TCP with a certificate for "localhost" signed by a school authority of its own; the
    // folder holding that authority's "autorite.crt" and another's "autre.crt". Empty without
    // openssl.
    QString activeTls();
    // Runs SQL with psql as `role`; the output (psql -At), or throws std::runtime_error.
    QString psql(const QString& base, const QString& sql, const QString& role = QString::fromLatin1(Administrateur)) const;
    QString psqlFichier(const QString& base, const QString& fichier) const {
        return psql(base, QStringLiteral("\\i '%1'").arg(fichier));
    }

private:
    QString lance(const QString& programme, const QStringList& arguments, bool commePostgres) const;

    std::unique_ptr<QTemporaryDir> dossier_;
    QString donnees_, socket_;
    QString tls_;  // the certificates' folder once TLS is on
    int port_ = 0;
    int bases_ = 0;
};
