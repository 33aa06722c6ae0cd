#include "journal/Journal.h"

#include "base/Horloge.h"
#include "base/Messages.h"
#include "base/Minuterie.h"
#include "journal/AvisEnseignant.h"
#include "journal/BoiteEnvoi.h"
#include "journal/JournalSqlite.h"
#include "journal/EnvoisRefuses.h"
#include "journal/MagasinSql.h"
#include "state/SharedState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace {
using Montre = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How long the writer leaves a store alone after it failed (a server that does not answer, a
// class folder that cannot be written): records meanwhile wait, so that nothing is tried in a loop.
constexpr auto PauseApresEchec = std::chrono::seconds(5);
// The longest a screen waits for the writer, as designed (Minuterie speeds it up in tests).
constexpr int AttenteEcranMs = 2000;
// How long one try waits for another program's lock on a class file: short, so that the writer
// gives way at once at the end of the program; a lock is tried again for as long as it lasts.
constexpr int AttenteVerrouMs = 250;

const QString TexteEleve = QStringLiteral(
    "Tes réponses sont bien gardées : elles seront enregistrées un peu plus tard. Tu peux continuer à t'entraîner.");

struct Tache {
    std::optional<Envoi> envoi;  // none: only open the class's file (look through it, store what waits beside it)
    QString enseignant;
    QString repertoireClasse;
    QString fichier;             // the class's SQLite file; empty: the school server
    quint64 numero = 0;          // its place in the queue, given by the writer
};

std::mutex verrouFabrique;
Journal::Fabrique fabriqueInstallee;
QString cheminBoite;

Journal::Fabrique fabrique() {
    std::lock_guard garde(verrouFabrique);
    return fabriqueInstallee;
}

QString boite() {
    std::lock_guard garde(verrouFabrique);
    return cheminBoite;
}

QString texteMisDeCote(const QString& fichier, const JournalSqlite::Controle& c) {
    const QString debut = QStringLiteral("Le journal des réponses « %1 » était abîmé. Il est gardé tel quel, pour une "
                                         "récupération, sous le nom « %2 », et un nouveau journal a été commencé")
                              .arg(fichier, c.misDeCote);
    if (!c.raison.isEmpty())
        return debut + QStringLiteral(", vide : ce qui pouvait être lu de l'ancien n'a pas pu y être repris (%1).").arg(c.raison);
    return debut + QStringLiteral(" avec ce qui a pu être lu de l'ancien : ") + JournalSqlite::bilan(c.lecture);
}

QString texteLignesAbimees(const QString& chemin, qsizetype nombre) {
    return QStringLiteral("%1 ligne%2 abîmée%2 de « %3 » %4 été mise%2 de côté dans « %5 », sans être enregistrée%2.")
        .arg(nombre)
        .arg(nombre > 1 ? QStringLiteral("s") : QString(), chemin,
             nombre > 1 ? QStringLiteral("ont") : QStringLiteral("a"), BoiteEnvoi::cheminMisDeCote(chemin));
}

// The writer: one thread, one queue. What cannot be stored yet stays in the queue, in order, and
// is tried again (at once after another program's lock, after a pause after a failure); the
// questions of another class go on meanwhile. With a school server, what the server does not take
// goes to this computer's outbox and leaves it, in order, when the server answers again.
class Ecrivain final {
public:
    ~Ecrivain() { arrete(); }

    void ajoute(std::optional<Tache> tache) {
        {
            std::lock_guard garde(verrou_);
            // A forked process (the reliability tests) has no copy of its parent's thread.
            if (fil_ && proprietaire_ != QCoreApplication::applicationPid()) {
                (void)fil_.release();
                (void)fichier_.release();
                (void)serveur_.release();
                file_.clear();
                pauses_.clear();
                occupe_ = false;
                relance_ = false;
            }
            if (!fil_) {
                proprietaire_ = QCoreApplication::applicationPid();
                termine_ = false;
                fil_ = std::make_unique<std::thread>([this] { boucle(); });
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

    // Until the writer can do nothing more now (or `limite`): true when nothing is left to store.
    bool attends(std::optional<Montre::time_point> limite) {
        std::unique_lock garde(verrou_);
        if (!fil_ || proprietaire_ != QCoreApplication::applicationPid()) return file_.empty();
        const auto fini = [this] { return !occupe_ && !relance_ && !premierePrete(Montre::now()); };
        if (limite) vide_.wait_until(garde, *limite, fini);
        else vide_.wait(garde, fini);
        return file_.empty();
    }

    void arrete() {
        std::unique_lock garde(verrou_);
        if (!fil_ || proprietaire_ != QCoreApplication::applicationPid()) return;
        const milliseconds attente(Minuterie::intervalle(AttenteEcranMs));
        fin_ = true;
        finAuPlusTard_ = Montre::now() + attente;
        reveil_.notify_all();
        // Then the writer keeps the rest in the pending files; one held longer by a disk is left behind.
        const bool fini = termine_cv_.wait_until(garde, finAuPlusTard_ + attente, [this] { return termine_; });
        garde.unlock();
        if (fini) fil_->join();
        else fil_->detach();
        garde.lock();
        fil_.reset();
        fin_ = false;
    }

    // Tests, once stopped: what the writer keeps from one record to the next is forgotten.
    void oublie() {
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

    QList<EntreeJournal> enFile(const QString& enseignant, const QString& eleve) {
        std::lock_guard garde(verrou_);
        QList<EntreeJournal> liste;
        for (const Tache& t : file_)
            if (const EntreeJournal* e = t.envoi ? std::get_if<EntreeJournal>(&*t.envoi) : nullptr)
                if (e->enseignant == enseignant && e->eleve == eleve) liste.append(*e);
        return liste;
    }

    // A pupil removed: the questions still queued go with them (the one being stored may not).
    void retire(const QString& enseignant, const QString& eleve) {
        std::lock_guard garde(verrou_);
        const auto sien = [&](const Tache& t) {
            const EntreeJournal* e = t.envoi ? std::get_if<EntreeJournal>(&*t.envoi) : nullptr;
            return e && e->enseignant == enseignant && e->eleve == eleve;
        };
        std::erase_if(file_, [&](const Tache& t) { return t.numero != enCours_ && sien(t); });
    }

    void nouvelleSession() {
        std::lock_guard garde(verrou_);
        dits_.clear();
        recontrole_ = true;
    }

    // Something was kept for later since the last call.
    bool prendADire() {
        std::lock_guard garde(verrou_);
        return std::exchange(aDire_, false);
    }

private:
    // The first task that may be tried now: the first of its store, whose store is not in a pause.
    std::optional<qsizetype> premierePrete(Montre::time_point maintenant) const {
        for (qsizetype i = 0; i < qsizetype(file_.size()); ++i)
            if (pauses_.value(file_[size_t(i)].fichier, {}) <= maintenant) return i;
        return std::nullopt;
    }

    std::optional<Montre::time_point> prochaineFinDePause() const {
        std::optional<Montre::time_point> prochaine;
        for (const Tache& t : file_) {
            const auto p = pauses_.value(t.fichier, {});
            if (!prochaine || p < *prochaine) prochaine = p;
        }
        if (enAttente_ > 0 && (!prochaine || pauseJusqua_ < *prochaine)) prochaine = pauseJusqua_;
        return prochaine;
    }

    void boucle() {
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
                videBoite(enFond);
                garde.lock();
                continue;
            }
            // Nothing to do now: a class file is closed, so that nothing holds it between games.
            fichier_.reset();
            ouvertPour_.clear();
            occupe_ = false;
            vide_.notify_all();
            const auto pret = [this] { return fin_ || relance_ || premierePrete(Montre::now()); };
            if (const auto reveil = prochaineFinDePause(); reveil && *reveil > maintenant)
                reveil_.wait_until(garde, *reveil, pret);
            else if (!reveil)
                reveil_.wait(garde, pret);
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

    // True when done with the task (stored, kept in the outbox, or nothing to store).
    bool traite(const Tache& tache) {
        if (tache.fichier.isEmpty()) return !tache.envoi || versServeur(tache);
        return versFichier(tache);
    }

    void pause(const QString& fichier) {
        std::lock_guard garde(verrou_);
        pauses_[fichier] = Montre::now() + PauseApresEchec;
    }

    // Once a session for each detail: the child is told that answers wait (unless none does), the teacher why.
    void signale(const QString& repertoireClasse, const QString& detail, bool aLEleve = true) {
        {
            std::lock_guard garde(verrou_);
            aDire_ = aDire_ || aLEleve;
            if (dits_.contains(detail)) return;
            dits_.insert(detail);
        }
        AvisEnseignant::note(repertoireClasse, detail);
    }

    bool versFichier(const Tache& tache) {
        const EntreeJournal* entree = tache.envoi ? std::get_if<EntreeJournal>(&*tache.envoi) : nullptr;
        if (tache.envoi && !entree) return true;  // results rows go to a server only
        const auto debut = Montre::now();
        try {
            if (!fichier_ || ouvertPour_ != tache.fichier) {
                fichier_.reset();
                ouvertPour_.clear();
                // Only opening: a class that has no journal yet gets none.
                if (!entree && !QFileInfo::exists(tache.fichier) && !QFileInfo::exists(Journal::cheminEnAttente(tache.fichier)))
                    return true;
                if (!controles_.contains(tache.fichier)) controle(tache);
                ParametresConnexion p;
                p.base = tache.fichier;
                p.attenteVerrouMs = AttenteVerrouMs;
                fichier_ = std::make_unique<MagasinSql>(p);
                livreEnAttente(tache);
                ouvertPour_ = tache.fichier;  // only now: a pending file not all stored is tried again first
            }
            if (entree) fichier_->ajoute(*entree);
            return true;
        } catch (const ErreurJournal& e) {
            if (e.echec() == EchecSql::Occupe) {
                // Another program's transaction: tried again at once, as long as it lasts. A lock
                // refused without waiting is not tried in a loop.
                if (Montre::now() - debut < milliseconds(AttenteVerrouMs / 5))
                    std::this_thread::sleep_for(milliseconds(AttenteVerrouMs / 5));
                return false;
            }
            fichier_.reset();
            ouvertPour_.clear();
            if (e.echec() == EchecSql::PasUneBase) controles_.remove(tache.fichier);  // looked through again
            signale(tache.repertoireClasse,
                    e.message() + QStringLiteral(" Les réponses sont gardées par le programme et y seront enregistrées dès que possible."));
            pause(tache.fichier);
            return false;
        }
    }

    // The first opening of a session: the whole file looked through, a damaged one set aside.
    void controle(const Tache& tache) {
        const JournalSqlite::Controle c =
            JournalSqlite::controle(tache.fichier, tache.enseignant, Horloge::maintenant(), AttenteVerrouMs);
        switch (c.etat) {
            case JournalSqlite::Etat::Occupe: throw ErreurJournal(c.raison, EchecSql::Occupe);
            case JournalSqlite::Etat::Injoignable:
                throw ErreurJournal(
                    QStringLiteral("Le journal des réponses « %1 » ne peut pas être ouvert : %2.").arg(tache.fichier, c.raison));
            case JournalSqlite::Etat::Abime: signale(tache.repertoireClasse, texteMisDeCote(tache.fichier, c), false); break;
            case JournalSqlite::Etat::Sain: break;
        }
        controles_.insert(tache.fichier);
    }

    // What a program left pending beside the file is stored first, in order.
    void livreEnAttente(const Tache& tache) {
        const QString chemin = Journal::cheminEnAttente(tache.fichier);
        if (!QFileInfo::exists(chemin)) return;
        BoiteEnvoi attente(chemin);
        attente.vide([this](const Envoi& envoi) {
            if (const auto* e = std::get_if<EntreeJournal>(&envoi)) fichier_->ajoute(*e);
            return true;
        });
        if (attente.misesDeCote() > 0) signale(tache.repertoireClasse, texteLignesAbimees(chemin, attente.misesDeCote()), false);
    }

    // True when the server took it (or had it already).
    bool livre(const Envoi& envoi) {
        {
            std::lock_guard garde(verrou_);
            if (Montre::now() < pauseJusqua_) return false;
        }
        // An open connection the server dropped (a restart) gets a second try on a fresh one.
        const bool ouvert = bool(serveur_);
        for (int essai = 1;; ++essai) {
            try {
                if (!serveur_) serveur_ = Journal::ouvre({}, {});
                if (const auto* e = std::get_if<EntreeJournal>(&envoi)) serveur_->ajoute(*e);
                else serveur_->ajouteLigne(std::get<LigneResultat>(envoi));
                return true;
            } catch (const ErreurMarivelle& e) {
                const auto* j = dynamic_cast<const ErreurJournal*>(&e);
                // The record itself is refused for good: set aside by the caller, the others go on.
                if (j && j->genre() == ErreurJournal::Genre::Definitif) throw;
                serveur_.reset();
                // A call cut after its bound is not tried again at once: the server hangs.
                if (ouvert && essai == 1 && !(j && j->genre() == ErreurJournal::Genre::HorsDelai)) continue;
                std::lock_guard garde(verrou_);
                pauseJusqua_ = Montre::now() + PauseApresEchec;
                raison_ = e.message();
                return false;
            }
        }
    }

    bool versServeur(const Tache& tache) {
        if (!fabrique()) {
            // The server was taken away (tests): the class's own file keeps it.
            const EntreeJournal* e = std::get_if<EntreeJournal>(&*tache.envoi);
            return !e || versFichier({tache.envoi, e->enseignant, tache.repertoireClasse,
                                      Journal::cheminSqlite(e->enseignant, tache.repertoireClasse)});
        }
        BoiteEnvoi boite(::boite());
        // Behind records already waiting, a new one waits too: they leave in order, in the
        // background, so the end of an exercise waits only for its own records to be kept.
        if (enAttente_ == 0) enAttente_ = boite.taille();
        if (enAttente_ == 0) {
            try {
                if (livre(*tache.envoi)) return true;
            } catch (const ErreurJournal& refus) {
                // Refused for good: set aside (or, at worst, kept in the box and set aside later).
                try {
                    if (boite.metDeCote(*tache.envoi, refus.message())) return true;
                } catch (const ErreurMarivelle&) {
                }
            }
        }
        try {
            boite.ajoute(*tache.envoi);
            ++enAttente_;
            QString raison;
            {
                std::lock_guard garde(verrou_);
                raison = raison_;
            }
            signale(tache.repertoireClasse,
                    (raison + QStringLiteral(" Les résultats et les réponses sont gardés sur cet ordinateur et seront "
                                             "envoyés au serveur de l'école plus tard."))
                        .trimmed());
            return true;
        } catch (const ErreurMarivelle& e) {
            signale(tache.repertoireClasse, e.message());
            pause(QString());
            return false;
        }
    }

    void videBoite(bool enFond) {
        if (!fabrique()) {
            enAttente_ = 0;
            return;
        }
        BoiteEnvoi boite(::boite());
        try {
            enAttente_ = boite.vide([this, enFond](const Envoi& envoi) {
                if (enFond) {
                    std::lock_guard garde(verrou_);
                    if (fin_ || relance_ || premierePrete(Montre::now())) return false;
                }
                return livre(envoi);
            });
            if (boite.misesDeCote() > 0) signale(QString(), texteLignesAbimees(boite.chemin(), boite.misesDeCote()), false);
        } catch (const ErreurMarivelle& e) {
            signale(QString(), e.message());
            std::lock_guard garde(verrou_);
            pauseJusqua_ = Montre::now() + PauseApresEchec;
        }
    }

    // What is still queued at the end of the program, into the class's pending file or this
    // computer's outbox, each in one write.
    void deposeEnAttente(const std::deque<Tache>& reste) {
        QStringList cibles;
        QHash<QString, QList<Envoi>> envois;
        QHash<QString, QString> classes;
        for (const Tache& t : reste) {
            if (!t.envoi || (!t.fichier.isEmpty() && !std::holds_alternative<EntreeJournal>(*t.envoi))) continue;
            const QString cible = t.fichier.isEmpty() ? ::boite() : Journal::cheminEnAttente(t.fichier);
            if (cible.isEmpty()) continue;
            if (!envois.contains(cible)) cibles << cible;
            envois[cible].append(*t.envoi);
            classes.insert(cible, t.repertoireClasse);
        }
        for (const QString& cible : std::as_const(cibles)) {
            try {
                // Beside the class's file: never a class folder made again for it (a teacher removed).
                if (cible != ::boite() && !QFileInfo(QFileInfo(cible).absolutePath()).isDir())
                    throw ErreurJournal(QStringLiteral("Le dossier de « %1 » n'existe plus.").arg(cible));
                BoiteEnvoi(cible).ajoute(envois.value(cible));
            } catch (const ErreurMarivelle& e) {
                AvisEnseignant::note(classes.value(cible),
                                     e.message() + QStringLiteral(" %1 réponse(s) de la fin de la séance n'ont pas pu être gardées.")
                                                       .arg(envois.value(cible).size()));
            }
        }
    }

    std::mutex verrou_;
    std::condition_variable reveil_, vide_, termine_cv_;
    std::deque<Tache> file_;
    QHash<QString, Montre::time_point> pauses_;  // by store (file, or "" for the server)
    QSet<QString> dits_;      // details told this session
    bool aDire_ = false;      // something was kept for later since the child was last told
    bool recontrole_ = false; // a new session: files are looked through again
    QString raison_;          // why the server last failed
    Montre::time_point pauseJusqua_{};
    Montre::time_point finAuPlusTard_{};
    bool occupe_ = false;
    bool relance_ = false;
    bool fin_ = false;
    bool termine_ = false;
    std::unique_ptr<std::thread> fil_;
    qint64 proprietaire_ = 0;
    quint64 derniere_ = 0;  // the last task's number
    quint64 enCours_ = 0;   // the task being stored (never taken out of the queue meanwhile)
    // The writer thread's own.
    std::unique_ptr<MagasinJournal> fichier_, serveur_;
    QString ouvertPour_;
    QSet<QString> controles_;  // files looked through this session
    qsizetype enAttente_ = 0;
};

Ecrivain& ecrivain() {
    static Ecrivain instance;
    return instance;
}

bool dejaSignale = false;
qint64 dernierMoment = 0;

Tache tacheFichier(std::optional<Envoi> envoi, const QString& enseignant, const QString& repertoireClasse) {
    return {std::move(envoi), enseignant, repertoireClasse,
            fabrique() ? QString() : Journal::cheminSqlite(enseignant, repertoireClasse)};
}
}  // namespace

namespace Journal {
QString cheminSqlite(const QString& enseignant, const QString& repertoireClasse) {
    return repertoireClasse + QStringLiteral("journal_des_reponses_de_") + enseignant + QStringLiteral(".sqlite");
}

QString cheminEnAttente(const QString& fichierSqlite) { return fichierSqlite + QStringLiteral(".en_attente.jsonl"); }

std::unique_ptr<MagasinJournal> ouvre(const QString& enseignant, const QString& repertoireClasse) {
    if (const Fabrique f = fabrique()) return f(enseignant, repertoireClasse);
    ParametresConnexion p;
    p.base = cheminSqlite(enseignant, repertoireClasse);
    return std::make_unique<MagasinSql>(p);
}

std::unique_ptr<MagasinJournal> ouvreAbime(const QString& enseignant, const QString& repertoireClasse, QString& manque) {
    const QString fichier = cheminSqlite(enseignant, repertoireClasse);
    JournalSqlite::Lecture lecture;
    auto magasin = JournalSqlite::lisible(fichier, enseignant, lecture);
    manque = QStringLiteral("Le journal des réponses « %1 » est abîmé : %2 Il sera mis de côté et remplacé par un "
                            "nouveau, avec tout ce qui peut en être lu, dès qu'un élève de la classe jouera.")
                 .arg(fichier, JournalSqlite::bilan(lecture));
    return magasin;
}

// The default files are never made just to read or delete from them.
bool aUnJournal(const QString& enseignant, const QString& repertoireClasse) {
    return fabrique() || QFileInfo::exists(cheminSqlite(enseignant, repertoireClasse));
}

void oublieEleve(const QString& enseignant, const QString& eleve, const QString& repertoireClasse) {
    attendsBrievement();
    ecrivain().retire(enseignant, eleve);
    if (aUnJournal(enseignant, repertoireClasse)) ouvre(enseignant, repertoireClasse)->supprimeEleve(enseignant, eleve);
}

void oublieEnseignant(const QString& enseignant, const QString& repertoireClasse) {
    attendsBrievement();
    // The class's own file goes with the class folder.
    if (fabrique()) ouvre(enseignant, repertoireClasse)->supprimeEnseignant(enseignant);
}

void installeFabrique(Fabrique f, const QString& boiteEnvoi) {
    {
        std::lock_guard garde(verrouFabrique);
        fabriqueInstallee = std::move(f);
        cheminBoite = boiteEnvoi.isEmpty() ? BoiteEnvoi::cheminParDefaut() : boiteEnvoi;
    }
    // What an earlier session left in the outbox leaves now.
    if (fabrique() && BoiteEnvoi(boite()).taille() > 0) renvoie();
}

bool surServeur() { return bool(fabrique()); }

void ecritLigne(const LigneResultat& ligne) {
    if (fabrique()) ecrivain().ajoute(Tache{ligne, {}, {}, {}});
}

void renvoie() { ecrivain().ajoute(std::nullopt); }

qsizetype enAttente() { return fabrique() ? BoiteEnvoi(boite()).taille() : 0; }

void ecrit(const EntreeJournal& entree, const QString& repertoireClasse) {
    if (entree.eleve == EleveSansId || entree.eleve.isEmpty()) return;
    ecrivain().ajoute(tacheFichier(entree, entree.enseignant, repertoireClasse));
}

void attends() { ecrivain().attends(std::nullopt); }

bool attendsBrievement() {
    return ecrivain().attends(Montre::now() + milliseconds(Minuterie::intervalle(AttenteEcranMs)));
}

void arrete() {
    ecrivain().arrete();
    BoiteEnvoi::gardeCeQuiAttend();
}

QList<EntreeJournal> enFile(const QString& enseignant, const QString& eleve) { return ecrivain().enFile(enseignant, eleve); }

void reprendEnAttente() {
    const QString debut = QStringLiteral("journal_des_reponses_de_"), fin = QStringLiteral(".sqlite.en_attente.jsonl");
    for (const QString& dossier : QDir::current().entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& f : QDir(dossier).entryList({debut + QLatin1Char('*') + fin}, QDir::Files)) {
            const QString enseignant = f.mid(debut.size(), f.size() - debut.size() - fin.size());
            const QString classe = dossier + QLatin1Char('/');
            ecrivain().ajoute(Tache{std::nullopt, enseignant, classe, cheminSqlite(enseignant, classe)});
        }
}

void nouvelleSession(const QString& enseignant, const QString& repertoireClasse) {
    dejaSignale = false;
    ecrivain().nouvelleSession();
    if (!enseignant.isEmpty() && !fabrique()) ecrivain().ajoute(tacheFichier(std::nullopt, enseignant, repertoireClasse));
}

void signaleEchecs() {
    if (!ecrivain().prendADire() || dejaSignale) return;
    dejaSignale = true;
    Messages::information(TexteEleve);
}

void ditALEnseignant(const QString& repertoireClasse) {
    const QStringList avis = AvisEnseignant::prend(repertoireClasse);
    if (avis.isEmpty()) return;
    Messages::information(QStringLiteral("Le journal des réponses a ceci à vous dire :\n") + avis.join(QLatin1Char('\n')));
}

void retablit() {
    ecrivain().arrete();
    ecrivain().oublie();
    installeFabrique(nullptr);
    dejaSignale = false;
    dernierMoment = 0;
}

void signaleRefus() {
    const QString chemin = boite();
    const QString texte = EnvoisRefuses::aSignaler(BoiteEnvoi::cheminRefus(chemin.isEmpty() ? BoiteEnvoi::cheminParDefaut() : chemin));
    if (!texte.isEmpty()) Messages::information(texte);
}

qint64 momentUnique() {
    dernierMoment = std::max(dernierMoment + 1, Horloge::maintenant().toMSecsSinceEpoch());
    return dernierMoment;
}
}  // namespace Journal
