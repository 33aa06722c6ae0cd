#include "ServeurPostgres.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace {
QString dossierBinaires() {
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    for (auto it = versions.crbegin(); it != versions.crend(); ++it) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(*it);
        if (QFile::exists(bin + QStringLiteral("initdb"))) return bin;
    }
    return {};
}

bool estRoot() { return ::geteuid() == 0; }

// A TCP port free on this machine now (other test programs run their own clusters meanwhile).
int portLibre() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t taille = sizeof a;
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &taille) != 0)
        throw std::runtime_error("aucun port TCP libre");
    ::close(s);
    return ntohs(a.sin_port);
}

void donneAPostgres(const QString& chemin) {
    if (!estRoot()) return;
    const passwd* pw = ::getpwnam("postgres");
    if (!pw || ::chown(QFile::encodeName(chemin).constData(), pw->pw_uid, pw->pw_gid) != 0)
        throw std::runtime_error("chown postgres impossible : " + chemin.toStdString());
}
}  // namespace

QString ServeurPostgres::absent() {
    if (dossierBinaires().isEmpty())
        return QStringLiteral("PostgreSQL n'est pas installé (paquet postgresql) : tests du serveur sautés / "
                              "PostgreSQL not installed, server tests skipped");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return QStringLiteral("le pilote Qt QPSQL manque (paquet libqt6sql6-psql) : tests du serveur sautés / "
                              "Qt's QPSQL driver missing, server tests skipped");
    if (estRoot() && !::getpwnam("postgres"))
        return QStringLiteral("l'utilisateur postgres n'existe pas : tests du serveur sautés / no postgres user, skipped");
    return {};
}

namespace {
std::unique_ptr<ServeurPostgres> serveurCommun;
// The cluster goes when the tests end, while Qt is still there.
class FinServeur final : public testing::Environment {
    void TearDown() override { ServeurPostgres::termine(); }
};
[[maybe_unused]] const auto* const finServeur = testing::AddGlobalTestEnvironment(new FinServeur);
}  // namespace

ServeurPostgres& ServeurPostgres::commun() {
    if (!serveurCommun) serveurCommun = std::make_unique<ServeurPostgres>();
    return *serveurCommun;
}

void ServeurPostgres::termine() { serveurCommun.reset(); }

namespace {
// A test program that died (a crash, a timeout) leaves its cluster running: the next one stops
// and removes it.
void nettoieAbandonnes(const QString& binaires) {
    const QDir tmp(QDir::tempPath());
    for (const QString& nom : tmp.entryList({QStringLiteral("marivelle-pg-*")}, QDir::Dirs)) {
        const QString dossier = tmp.filePath(nom);
        QFile f(dossier + QStringLiteral("/proprietaire"));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const pid_t pid = f.readAll().trimmed().toInt();
        if (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
        QProcess p;
        const QStringList arret = {binaires + QStringLiteral("pg_ctl"),
                                   QStringLiteral("-D"),
                                   dossier + QStringLiteral("/donnees"),
                                   QStringLiteral("-w"),
                                   QStringLiteral("-m"),
                                   QStringLiteral("immediate"),
                                   QStringLiteral("stop")};
        if (estRoot())
            p.start(QStringLiteral("runuser"),
                    QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--")} + arret);
        else p.start(arret[0], arret.mid(1));
        p.waitForFinished(60000);
        QDir(dossier).removeRecursively();
    }
}
}  // namespace

ServeurPostgres::ServeurPostgres()
    : dossier_(std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/marivelle-pg-XXXXXX"))) {
    QFile::setPermissions(dossier_->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                QFileDevice::ExeGroup | QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther);
    nettoieAbandonnes(dossierBinaires());
    {
        QFile proprietaire(dossier_->path() + QStringLiteral("/proprietaire"));
        if (proprietaire.open(QIODevice::WriteOnly)) proprietaire.write(QByteArray::number(::getpid()));
    }
    donnees_ = dossier_->path() + QStringLiteral("/donnees");
    socket_ = dossier_->path() + QStringLiteral("/socket");
    QDir().mkpath(donnees_);
    QDir().mkpath(socket_);
    donneAPostgres(donnees_);
    donneAPostgres(socket_);
    port_ = portLibre();
    lance(dossierBinaires() + QStringLiteral("initdb"),
          {QStringLiteral("-D"), donnees_, QStringLiteral("-U"), QString::fromLatin1(Administrateur),
           QStringLiteral("--auth=trust"), QStringLiteral("-N"), QStringLiteral("-E"), QStringLiteral("UTF8"),
           QStringLiteral("--locale=C")},
          true);
    demarre();
}

ServeurPostgres::~ServeurPostgres() {
    try {
        arrete();
    } catch (const std::exception&) {
    }
}

void ServeurPostgres::demarre() {
    if (QFile::exists(donnees_ + QStringLiteral("/postmaster.pid"))) return;
    lance(dossierBinaires() + QStringLiteral("pg_ctl"),
          {QStringLiteral("-D"), donnees_, QStringLiteral("-w"), QStringLiteral("-l"), donnees_ + QStringLiteral("/journal.log"),
           QStringLiteral("-o"),
           QStringLiteral("-k %1 -p %2 -c listen_addresses='127.0.0.1' -c fsync=off -c max_connections=80")
                   .arg(socket_)
                   .arg(port_) +
               (tls_.isEmpty()
                    ? QString()
                    : QStringLiteral(" -c ssl=on -c ssl_cert_file=%1/serveur.crt -c ssl_key_file=%1/serveur.key").arg(tls_)),
           QStringLiteral("start")},
          true);
}

void ServeurPostgres::arrete() {
    if (!QFile::exists(donnees_ + QStringLiteral("/postmaster.pid"))) return;
    lance(dossierBinaires() + QStringLiteral("pg_ctl"),
          {QStringLiteral("-D"), donnees_, QStringLiteral("-w"), QStringLiteral("-m"), QStringLiteral("fast"),
           QStringLiteral("stop")},
          true);
}

QString ServeurPostgres::lance(const QString& programme, const QStringList& arguments, bool commePostgres) const {
    QProcess p;
    p.setWorkingDirectory(dossier_->path());
    if (commePostgres && estRoot())
        p.start(QStringLiteral("runuser"),
                QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), programme} + arguments);
    else p.start(programme, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error((programme + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(" : ") +
                                  QString::fromUtf8(p.readAllStandardError()) + QString::fromUtf8(p.readAllStandardOutput()))
                                     .toStdString());
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString ServeurPostgres::psql(const QString& base, const QString& sql, const QString& role) const {
    return lance(dossierBinaires() + QStringLiteral("psql"),
                 {QStringLiteral("-h"), socket_, QStringLiteral("-p"), QString::number(port_), QStringLiteral("-U"), role,
                  QStringLiteral("-d"), base, QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-At"),
                  QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), sql},
                 false);
}

void ServeurPostgres::ajouteRegleHba(const QString& ligne) {
    QFile f(donnees_ + QStringLiteral("/pg_hba.conf"));
    if (!f.open(QIODevice::ReadWrite)) throw std::runtime_error("pg_hba.conf illisible");
    const QByteArray avant = f.readAll();
    f.resize(0);
    f.write(ligne.toUtf8() + '\n' + avant);
    f.close();
    psql(QStringLiteral("postgres"), QStringLiteral("SELECT pg_reload_conf()"));
}

QString ServeurPostgres::activeTls() {
    if (!tls_.isEmpty()) return tls_;
    if (QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty()) return {};
    const QString dossier = dossier_->path() + QStringLiteral("/tls");
    QDir().mkpath(dossier);
    const auto openssl = [&](const QString& arguments) {
        QProcess p;
        p.setWorkingDirectory(dossier);
        p.start(QStringLiteral("openssl"), arguments.split(QLatin1Char(' ')));
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            throw std::runtime_error("openssl " + arguments.toStdString() + " : " + p.readAllStandardError().toStdString());
    };
    const QString cle = QStringLiteral("-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2");
    openssl(QStringLiteral("req -x509 %1 -subj /CN=Autorite -keyout autorite.key -out autorite.crt").arg(cle));
    openssl(QStringLiteral("req -x509 %1 -subj /CN=Autre -keyout autre.key -out autre.crt").arg(cle));
    openssl(QStringLiteral("req %1 -subj /CN=localhost -keyout serveur.key -out serveur.csr").arg(cle));
    {
        QFile extension(dossier + QStringLiteral("/extension"));
        if (!extension.open(QIODevice::WriteOnly) || extension.write("subjectAltName=DNS:localhost\n") < 0)
            throw std::runtime_error("extension TLS");
    }
    openssl(QStringLiteral("x509 -req -in serveur.csr -CA autorite.crt -CAkey autorite.key -CAcreateserial -days 2 "
                           "-extfile extension -out serveur.crt"));
    QFile::setPermissions(dossier + QStringLiteral("/serveur.key"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    for (const char* fichier : {"/serveur.key", "/serveur.crt"}) donneAPostgres(dossier + QLatin1String(fichier));
    tls_ = dossier;
    arrete();
    demarre();
    return tls_;
}

QString ServeurPostgres::nouvelleBase() {
    const QString nom = QStringLiteral("essai_%1").arg(++bases_);
    psql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE %1").arg(nom));
    psqlFichier(nom, QStringLiteral(MARIVELLE_SCRIPT_SERVEUR));
    return nom;
}
