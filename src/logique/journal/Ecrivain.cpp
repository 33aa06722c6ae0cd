// The writer's queue and thread: tasks taken in order, each store's pause after a failure, the
// outbox left in the background, and the end of the program.
#include "logique/journal/Ecrivain.h"

#include "logique/base/Minuterie.h"

namespace JournalInterne {
using std::chrono::milliseconds;

Ecrivain::~Ecrivain() { arrete(); }

void Ecrivain::ajoute(std::optional<Tache> tache) {
    {
        std::lock_guard garde(verrou_);
        if (!fil_) {
            termine_ = false;
            fil_ = std::make_unique<EnFond::Fil>(QStringLiteral("Journal"), [this] { boucle(); });
        }
        if (tache) {
            tache->numero = ++derniere_;
            file_.push_back(std::move(*tache));
        } else {
            pauseJusqua_ = {};
            pauses_.clear();
            relance_ = true;
        }
    }
    reveil_.notify_all();
}

bool Ecrivain::attends(std::optional<Montre::time_point> limite) {
    std::unique_lock garde(verrou_);
    if (!fil_) return file_.empty();
    const auto fini = [this] { return !occupe_ && !relance_ && !premierePrete(Montre::now()); };
    if (limite) vide_.wait_until(garde, *limite, fini);
    else vide_.wait(garde, fini);
    return file_.empty();
}

void Ecrivain::arrete() {
    std::unique_lock garde(verrou_);
    if (!fil_) return;
    const milliseconds attente(Minuterie::intervalle(AttenteEcranMs));
    fin_ = true;
    finAuPlusTard_ = Montre::now() + attente;
    reveil_.notify_all();
    // Then the writer keeps the rest in the pending files; one held longer by a disk is left behind.
    const bool fini = termine_cv_.wait_until(garde, finAuPlusTard_ + attente, [this] { return termine_; });
    garde.unlock();
    fil_->arrete(fini ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(0));
    garde.lock();
    fil_.reset();
    fin_ = false;
}

void Ecrivain::oublie() {
    std::lock_guard garde(verrou_);
    file_.clear();
    pauses_.clear();
    dits_.clear();
    controles_.clear();
    aDire_ = false;
    recontrole_ = false;
    raison_.clear();
    pauseJusqua_ = {};
    relance_ = false;
    fichier_.reset();
    serveur_.reset();
    ouvertPour_.clear();
    enAttente_ = 0;
}

QList<EntreeJournal> Ecrivain::enFile(const QString& enseignant, const QString& eleve) {
    std::lock_guard garde(verrou_);
    QList<EntreeJournal> liste;
    for (const Tache& t : file_)
        if (const EntreeJournal* e = t.envoi ? std::get_if<EntreeJournal>(&*t.envoi) : nullptr)
            if (e->enseignant == enseignant && e->eleve == eleve) liste.append(*e);
    return liste;
}

void Ecrivain::retire(const QString& enseignant, const QString& eleve) {
    std::lock_guard garde(verrou_);
    const auto sien = [&](const Tache& t) {
        const EntreeJournal* e = t.envoi ? std::get_if<EntreeJournal>(&*t.envoi) : nullptr;
        return e && e->enseignant == enseignant && e->eleve == eleve;
    };
    std::erase_if(file_, [&](const Tache& t) { return t.numero != enCours_ && sien(t); });
}

void Ecrivain::nouvelleSession() {
    std::lock_guard garde(verrou_);
    dits_.clear();
    recontrole_ = true;
}

bool Ecrivain::prendADire() {
    std::lock_guard garde(verrou_);
    return std::exchange(aDire_, false);
}

std::optional<qsizetype> Ecrivain::premierePrete(Montre::time_point maintenant) const {
    for (qsizetype i = 0; i < qsizetype(file_.size()); ++i)
        if (pauses_.value(file_[size_t(i)].fichier, {}) <= maintenant) return i;
    return std::nullopt;
}

std::optional<Montre::time_point> Ecrivain::prochaineFinDePause() const {
    std::optional<Montre::time_point> prochaine;
    for (const Tache& t : file_) {
        const auto p = pauses_.value(t.fichier, {});
        if (!prochaine || p < *prochaine) prochaine = p;
    }
    if (enAttente_ > 0 && (!prochaine || pauseJusqua_ < *prochaine)) prochaine = pauseJusqua_;
    return prochaine;
}

void Ecrivain::boucle() {
    std::unique_lock garde(verrou_);
    for (;;) {
        const auto maintenant = Montre::now();
        const std::optional<qsizetype> prete = premierePrete(maintenant);
        if (fin_ && (!prete || maintenant >= finAuPlusTard_)) break;
        if (prete) {
            const Tache tache = file_[size_t(*prete)];
            occupe_ = true;
            enCours_ = tache.numero;
            if (std::exchange(recontrole_, false)) controles_.clear();
            garde.unlock();
            const bool fait = traite(tache);
            garde.lock();
            enCours_ = 0;
            if (fait) std::erase_if(file_, [&](const Tache& t) { return t.numero == tache.numero; });
            continue;
        }
        if (!fin_ && (relance_ || (enAttente_ > 0 && maintenant >= pauseJusqua_))) {
            // The outbox leaves: on request (attends() then waits for it), or in the
            // background, giving way to every new record.
            const bool enFond = !relance_;
            occupe_ = relance_;
            relance_ = false;
            garde.unlock();
            videEnvoisDifferes(enFond);
            garde.lock();
            continue;
        }
        // Nothing to do now: a class file is closed, so that nothing holds it between games.
        fichier_.reset();
        ouvertPour_.clear();
        occupe_ = false;
        vide_.notify_all();
        const auto pret = [this] { return fin_ || relance_ || premierePrete(Montre::now()); };
        if (const auto reveil = prochaineFinDePause(); reveil && *reveil > maintenant) reveil_.wait_until(garde, *reveil, pret);
        else if (!reveil) reveil_.wait(garde, pret);
    }
    // The end of the program: what is left is kept in the pending files.
    const std::deque<Tache> reste = std::exchange(file_, {});
    garde.unlock();
    fichier_.reset();
    serveur_.reset();  // a server's connection is closed on the thread that opened it
    ouvertPour_.clear();
    deposeEnAttente(reste);
    garde.lock();
    termine_ = true;
    occupe_ = false;
    termine_cv_.notify_all();
    vide_.notify_all();
}
}  // namespace JournalInterne
