#include "RelaisTcp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {
sockaddr_in adresse(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// Writes it all, or false when the other side has gone.
bool ecritTout(int fd, const char* octets, ssize_t taille) {
    while (taille > 0) {
        const ssize_t n = ::send(fd, octets, size_t(taille), MSG_NOSIGNAL);
        if (n <= 0) return false;
        octets += n;
        taille -= n;
    }
    return true;
}
}  // namespace

RelaisTcp::RelaisTcp(int portCible) : portCible_(portCible) {
    ecoute_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = adresse(0);
    socklen_t taille = sizeof a;
    if (ecoute_ < 0 || ::bind(ecoute_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(ecoute_, 64) != 0 ||
        ::getsockname(ecoute_, reinterpret_cast<sockaddr*>(&a), &taille) != 0 || ::pipe(reveil_) != 0)
        throw std::runtime_error("relais TCP impossible");
    port_ = ntohs(a.sin_port);
    fil_ = std::thread([this] { boucle(); });
}

RelaisTcp::~RelaisTcp() {
    fin_ = true;
    reveille();
    fil_.join();
    for (int fd : {ecoute_, reveil_[0], reveil_[1]}) ::close(fd);
}

void RelaisTcp::retiens(std::chrono::milliseconds limite) {
    finRetenue_ = (std::chrono::steady_clock::now() + limite).time_since_epoch().count();
    retenu_ = true;
    reveille();
}

void RelaisTcp::laissePasser() {
    retenu_ = false;
    reveille();
}

void RelaisTcp::reveille() {
    const char c = 0;
    (void)!::write(reveil_[1], &c, 1);
}

void RelaisTcp::boucle() {
    struct Paire {
        int client, serveur;
    };
    std::vector<Paire> paires;
    std::vector<char> tampon(65536);
    while (!fin_) {
        std::vector<pollfd> attente = {{reveil_[0], POLLIN, 0}};
        // Held: the bytes wait in the sockets and new connections in the listening queue.
        if (!retenu_) {
            attente.push_back({ecoute_, POLLIN, 0});
            for (const Paire& p : paires) {
                attente.push_back({p.client, POLLIN, 0});
                attente.push_back({p.serveur, POLLIN, 0});
            }
        }
        int delai = -1;
        if (retenu_) {
            const auto fin = std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(finRetenue_.load()));
            const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(fin - std::chrono::steady_clock::now());
            if (reste.count() <= 0) {
                retenu_ = false;
                continue;
            }
            delai = int(reste.count()) + 1;
        }
        if (::poll(attente.data(), attente.size(), delai) < 0) continue;
        if (attente[0].revents) {
            char c[64];
            (void)!::read(reveil_[0], c, sizeof c);
        }
        if (retenu_) continue;
        if (attente[1].revents & POLLIN) {
            const int client = ::accept4(ecoute_, nullptr, nullptr, SOCK_CLOEXEC);
            const int serveur = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            const sockaddr_in cible = adresse(portCible_);
            if (client >= 0 && serveur >= 0 && ::connect(serveur, reinterpret_cast<const sockaddr*>(&cible), sizeof cible) == 0) {
                paires.push_back({client, serveur});
            } else {
                ::close(client);
                ::close(serveur);
            }
        }
        std::vector<Paire> restent;
        for (std::size_t i = 0; i < paires.size(); ++i) {
            const Paire p = paires[i];
            bool ouverte = true;
            for (const auto& [de, vers, place] :
                 {std::tuple{p.client, p.serveur, 2 + 2 * i}, std::tuple{p.serveur, p.client, 3 + 2 * i}}) {
                if (!ouverte || place >= attente.size() || !attente[place].revents) continue;
                const ssize_t n = ::recv(de, tampon.data(), tampon.size(), 0);
                ouverte = n > 0 && ecritTout(vers, tampon.data(), n);
            }
            if (ouverte) {
                restent.push_back(p);
            } else {
                ::close(p.client);
                ::close(p.serveur);
            }
        }
        paires = std::move(restent);
    }
    for (const Paire& p : paires) {
        ::close(p.client);
        ::close(p.serveur);
    }
}
