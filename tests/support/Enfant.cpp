#include "Enfant.h"

#include "RemiseAZero.h"

#include <QFile>
#include <QRandomGenerator>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

pid_t lanceEnfant(const std::function<int()>& corps) {
    RemiseAZero::unSeulFil();
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // A program of its own draws its own chances (its temporary files' names), not the ones left
    // in its parent's generator, which every child would draw alike.
    QRandomGenerator::global()->discard(QRandomGenerator::system()->bounded(1u << 20));
    int code = 1;
    try {
        code = corps();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "enfant : %s\n", e.what());
    } catch (...) {
    }
    std::fflush(nullptr);
    _exit(code);
}

int attendEnfant(pid_t enfant) {
    int statut = 0;
    while (waitpid(enfant, &statut, 0) < 0) {
    }
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
}

int dansUnEnfant(const std::function<int()>& corps) { return attendEnfant(lanceEnfant(corps)); }

void limiteTailleFichiers(long octets) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{static_cast<rlim_t>(octets), static_cast<rlim_t>(octets)};
    setrlimit(RLIMIT_FSIZE, &limite);
}

int fois(int enCi, int aLaMain) { return std::getenv("MARIVELLE_FIABILITE_LONGUE") ? aLaMain : enCi; }

quint32 graineImprimee() {
    bool donnee = false;
    const quint32 graine = qEnvironmentVariable("MARIVELLE_GRAINE").toUInt(&donnee);
    const quint32 retenue = donnee ? graine : QRandomGenerator::system()->generate();
    std::printf("[ graine ] MARIVELLE_GRAINE=%u\n", retenue);
    std::fflush(stdout);
    return retenue;
}

bool montePetitDisque(const QByteArray& point, const char* taille) {
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    const auto ecrit = [](const char* fichier, const QByteArray& texte) {
        QFile f(fichier);
        return f.open(QIODevice::WriteOnly) && f.write(texte) == texte.size();
    };
    ecrit("/proc/self/setgroups", "deny");
    if (!ecrit("/proc/self/uid_map", QByteArray("0 ") + QByteArray::number(uid) + " 1") ||
        !ecrit("/proc/self/gid_map", QByteArray("0 ") + QByteArray::number(gid) + " 1"))
        return false;
    return mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", point.constData(), "tmpfs", 0, (QByteArray("size=") + taille).constData()) == 0;
}

void remplitDisque(long libres) {
    const int plein = open("remplissage", O_WRONLY | O_CREAT, 0600);
    const QByteArray bloc(4096, 'x');
    while (write(plein, bloc.constData(), bloc.size()) > 0) {
    }
    while (write(plein, "x", 1) > 0) {
    }
    if (libres > 0) ftruncate(plein, lseek(plein, 0, SEEK_END) - libres);
    close(plein);
}
