#pragma once
// The journal's writer: one thread, one queue. What cannot be stored yet stays in the queue, in
// order, and is tried again (at once after another program's lock, after a pause after a
// failure); the questions of another class go on meanwhile. With a school server, what the
// server does not take goes to this computer's outbox and leaves it, in order, when the server
// answers again. The queue and the thread: Ecrivain.cpp; where each task goes (the class's file,
// the server, the outbox, the pending files): EcrivainLivraison.cpp. For the journal's own files.
#include "logique/base/EnFond.h"
#include "logique/journal/EnvoisDifferes.h"
#include "logique/journal/JournalInterne.h"
#include "logique/journal/MagasinJournal.h"

#include <QHash>
#include <QSet>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

namespace JournalInterne {
struct Tache {
    std::optional<Envoi> envoi;  // none: only open the class's file (look through it, store what waits beside it)
    QString enseignant;
    QString repertoireClasse;
    QString fichier;     // the class's SQLite file; empty: the school server
    quint64 numero = 0;  // its place in the queue, given by the writer
};

class Ecrivain final {
public:
    ~Ecrivain();

    // Queues a task (none: the outbox is tried again now); the thread starts on the first one.
    void ajoute(std::optional<Tache> tache);
    // Until the writer can do nothing more now (or `limite`): true when nothing is left to store.
    bool attends(std::optional<Montre::time_point> limite);
    void arrete();
    // Tests, once stopped: what the writer keeps from one record to the next is forgotten.
    void oublie();
    QList<EntreeJournal> enFile(const QString& enseignant, const QString& eleve);
    // A pupil removed: the questions still queued go with them (the one being stored may not).
    void retire(const QString& enseignant, const QString& eleve);
    void nouvelleSession();
    // Something was kept for later since the last call.
    bool prendADire();

private:
    // The first task that may be tried now: the first of its store, whose store is not in a pause.
    std::optional<qsizetype> premierePrete(Montre::time_point maintenant) const;
    std::optional<Montre::time_point> prochaineFinDePause() const;
    void boucle();

    // Where each task goes (EcrivainLivraison.cpp).
    // True when done with the task (stored, kept in the outbox, or nothing to store).
    bool traite(const Tache& tache);
    void pause(const QString& fichier);
    // Once a session for each detail: the child is told that answers wait (unless none does), the teacher why.
    void signale(const QString& repertoireClasse, const QString& detail, bool aLEleve = true);
    bool versFichier(const Tache& tache);
    // The first opening of a session: the whole file looked through, a damaged one set aside.
    void controle(const Tache& tache);
    // What a program left pending beside the file is stored first, in order.
    void livreEnAttente(const Tache& tache);
    // True when the server took it (or had it already).
    bool livre(const Envoi& envoi);
    bool versServeur(const Tache& tache);
    void videEnvoisDifferes(bool enFond);
    // What is still queued at the end of the program, into the class's pending file or this
    // computer's outbox, each in one write.
    void deposeEnAttente(const std::deque<Tache>& reste);

    std::mutex verrou_;
    std::condition_variable reveil_, vide_, termine_cv_;
    std::deque<Tache> file_;
    QHash<QString, Montre::time_point> pauses_;  // by store (file, or "" for the server)
    QSet<QString> dits_;                         // details told this session
    bool aDire_ = false;                         // something was kept for later since the child was last told
    bool recontrole_ = false;                    // a new session: files are looked through again
    QString raison_;                             // why the server last failed
    Montre::time_point pauseJusqua_{};
    Montre::time_point finAuPlusTard_{};
    bool occupe_ = false;
    bool relance_ = false;
    bool fin_ = false;
    bool termine_ = false;
    std::unique_ptr<EnFond::Fil> fil_;
    quint64 derniere_ = 0;  // the last task's number
    quint64 enCours_ = 0;   // the task being stored (never taken out of the queue meanwhile)
    // The writer thread's own.
    std::unique_ptr<MagasinJournal> fichier_, serveur_;
    QString ouvertPour_;
    QSet<QString> controles_;  // files looked through this session
    qsizetype enAttente_ = 0;
};
}  // namespace JournalInterne
