#include "Enfant.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

pid_t lanceEnfant(const std::function<int()>& corps) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid != 0) return pid;
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
