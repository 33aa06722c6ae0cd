#include "logique/journal/AppelBorne.h"

#include "logique/base/EnFond.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <condition_variable>
#include <cstdlib>
#include <dirent.h>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
using Horloge = std::chrono::steady_clock;
using Genre = AppelBorne::Genre;

// libpq's PQsocket, taken from the library the Qt driver loaded: no build dependency on libpq.
int socketDe(const QSqlDatabase& base) {
    if (!base.isOpen() || !base.driver()) return -1;
    const QVariant poignee = base.driver()->handle();
    // Qt 6 names the type by its struct ("pg_conn*"), Qt 5 by its typedef.
    if (!poignee.isValid() || (qstrcmp(poignee.typeName(), "pg_conn*") != 0 && qstrcmp(poignee.typeName(), "PGconn*") != 0))
        return -1;
    void* const connexion = *static_cast<void* const*>(poignee.constData());
    using FonctionSocket = int (*)(const void*);
    static const FonctionSocket pqSocket = [] {
        void* const bibliotheque = ::dlopen("libpq.so.5", RTLD_NOW | RTLD_NOLOAD);
        return bibliotheque ? reinterpret_cast<FonctionSocket>(::dlsym(bibliotheque, "PQsocket")) : nullptr;
    }();
    return connexion && pqSocket ? pqSocket(connexion) : -1;
}

std::set<int> socketsOuverts() {
    std::set<int> sockets;
    if (DIR* dossier = ::opendir("/proc/self/fd")) {
        while (const dirent* e = ::readdir(dossier)) {
            char* fin = nullptr;
            const long fd = std::strtol(e->d_name, &fin, 10);
            struct stat s {};
            if (fin != e->d_name && *fin == 0 && ::fstat(int(fd), &s) == 0 && S_ISSOCK(s.st_mode)) sockets.insert(int(fd));
        }
        ::closedir(dossier);
    }
    return sockets;
}

// The socket is connected to the server's port (TCP) or socket file (".s.PGSQL.<port>").
bool versLePort(int fd, int port) {
    sockaddr_storage a{};
    socklen_t taille = sizeof a;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&a), &taille) != 0) return false;
    switch (a.ss_family) {
        case AF_INET: return ntohs(reinterpret_cast<const sockaddr_in*>(&a)->sin_port) == port;
        case AF_INET6: return ntohs(reinterpret_cast<const sockaddr_in6*>(&a)->sin6_port) == port;
        case AF_UNIX:
            return QByteArray(reinterpret_cast<const sockaddr_un*>(&a)->sun_path)
                .endsWith(".s.PGSQL." + QByteArray::number(port));
        default: return false;
    }
}

struct Appel {
    Horloge::time_point debut;
    Genre genre;
    int fd;               // -1: the connection is being made,
    std::set<int> avant;  // and these sockets were open before it
    int port;
    bool coupe = false;
};

// One thread for the process, asleep until the next call's bound.
class Surveillant final {
public:
    int ajoute(Appel appel) {
        std::lock_guard garde(verrou_);
        const int numero = ++dernier_;
        appels_.emplace(numero, std::move(appel));
        if (!fil_) demarre();
        reveil_.notify_one();
        return numero;
    }
    void retire(int numero) {
        std::lock_guard garde(verrou_);
        appels_.erase(numero);
        if (fin_) reveil_.notify_one();
    }
    // The thread ends once no call is left to watch; the next call starts another.
    void arrete() {
        std::unique_lock garde(verrou_);
        if (!fil_) return;
        fin_ = true;
        reveil_.notify_one();
        garde.unlock();
        fil_->arrete();
        garde.lock();
        fil_.reset();
        fin_ = false;
        if (!appels_.empty()) demarre();  // a call made after the thread saw none
    }
    bool coupe(int numero) {
        std::lock_guard garde(verrou_);
        const auto it = appels_.find(numero);
        return it != appels_.end() && it->second.coupe;
    }

private:
    void demarre() {
        fil_ = std::make_unique<EnFond::Fil>(QStringLiteral("Surveillant"), [this] { boucle(); });
    }

    void boucle() {
        std::unique_lock garde(verrou_);
        while (!fin_ || !appels_.empty()) {
            const auto maintenant = Horloge::now();
            auto prochain = Horloge::time_point::max();
            for (auto& [numero, appel] : appels_) {
                if (appel.coupe) continue;
                const auto limite = echeance(appel, maintenant);
                if (limite <= maintenant) coupe(appel);
                else prochain = std::min(prochain, limite);
            }
            if (prochain == Horloge::time_point::max()) reveil_.wait(garde);
            else reveil_.wait_until(garde, prochain);
        }
    }

    // When the call is to be cut (now or before: now).
    static Horloge::time_point echeance(const Appel& appel, Horloge::time_point maintenant) {
        if (appel.genre == Genre::Ecriture) return appel.debut + AppelBorne::Delai;
        const auto duree = std::chrono::duration_cast<std::chrono::milliseconds>(maintenant - appel.debut);
        tcp_info info{};
        socklen_t taille = sizeof info;
        // On a local socket the kernel says nothing of what came: a read then has LectureMax.
        if (duree >= AppelBorne::LectureMax || appel.fd < 0 || ::getsockopt(appel.fd, IPPROTO_TCP, TCP_INFO, &info, &taille) != 0)
            return appel.debut + AppelBorne::LectureMax;
        const auto silence = std::min(duree, std::chrono::milliseconds(info.tcpi_last_data_recv));
        return maintenant + (AppelBorne::Delai - silence);
    }

    static void coupe(Appel& appel) {
        appel.coupe = true;
        if (appel.fd >= 0) {
            ::shutdown(appel.fd, SHUT_RDWR);
            return;
        }
        for (const int fd : socketsOuverts())
            if (!appel.avant.contains(fd) && versLePort(fd, appel.port)) ::shutdown(fd, SHUT_RDWR);
    }

    std::mutex verrou_;
    std::condition_variable reveil_;
    std::map<int, Appel> appels_;
    int dernier_ = 0;
    bool fin_ = false;
    std::unique_ptr<EnFond::Fil> fil_;
};

Surveillant& surveillant() {
    static Surveillant* const instance = new Surveillant;  // never destroyed: its thread waits as long as the process
    return *instance;
}
}  // namespace

AppelBorne::AppelBorne(const QSqlDatabase& base, Genre genre, int port) {
    Appel appel{Horloge::now(), genre, socketDe(base), {}, port};
    if (appel.fd < 0) appel.avant = socketsOuverts();
    numero_ = surveillant().ajoute(std::move(appel));
}

AppelBorne::~AppelBorne() { surveillant().retire(numero_); }

void AppelBorne::arreteSurveillant() { surveillant().arrete(); }

bool AppelBorne::coupe() const { return surveillant().coupe(numero_); }

QString AppelBorne::optionsServeur() {
    return QStringLiteral("keepalives=1;keepalives_idle=5;keepalives_interval=2;keepalives_count=2;"
                          "options='-c statement_timeout=%1'")
        .arg(Delai.count());
}

QString AppelBorne::delaiLecture() { return QStringLiteral("SET statement_timeout = %1").arg(LectureMax.count()); }
