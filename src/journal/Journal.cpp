#include "journal/Journal.h"

#include "base/Horloge.h"
#include "base/Messages.h"
#include "journal/BoiteEnvoi.h"
#include "journal/EnvoisRefuses.h"
#include "journal/MagasinSql.h"
#include "state/SharedState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <condition_variable>
#include <optional>
#include <deque>
#include <mutex>
#include <thread>

namespace {
// How long the writer leaves a server alone after it failed to answer: records meanwhile go
// straight to the outbox, so the end of an exercise never waits for a server that is down.
constexpr auto PauseApresEchec = std::chrono::seconds(5);

struct Tache {
    Envoi envoi;
    QString repertoireClasse;
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

// The writer: one thread, one queue, the class's store kept open while questions come. With a
// school server, what the server does not take goes to this computer's outbox and leaves it, in
// order, when the server answers again.
class Ecrivain final {
public:
    ~Ecrivain() { arrete(); }

    void ajoute(std::optional<Tache> tache) {
        {
            std::lock_guard garde(verrou_);
            // A forked process (the reliability tests) has no copy of its parent's thread.
            if (fil_ && proprietaire_ != QCoreApplication::applicationPid()) {
                (void)fil_.release();
                (void)magasin_.release();
                file_.clear();
                occupe_ = false;
                relance_ = false;
            }
            if (!fil_) {
                proprietaire_ = QCoreApplication::applicationPid();
                fil_ = std::make_unique<std::thread>([this] { boucle(); });
            }
            if (tache) {
                file_.push_back(std::move(*tache));
            } else {
                pauseJusqua_ = {};
                relance_ = true;
            }
        }
        reveil_.notify_all();
    }

    void attends() {
        std::unique_lock garde(verrou_);
        if (!fil_ || proprietaire_ != QCoreApplication::applicationPid()) return;
        vide_.wait(garde, [this] { return file_.empty() && !occupe_ && !relance_; });
    }

    void arrete() {
        {
            std::lock_guard garde(verrou_);
            if (!fil_ || proprietaire_ != QCoreApplication::applicationPid()) return;
            fin_ = true;
        }
        reveil_.notify_all();
        fil_->join();
        fil_.reset();
        fin_ = false;
    }

    QStringList prendEchecs(bool& differe) {
        std::lock_guard garde(verrou_);
        QStringList echecs = echecs_;
        echecs_.clear();
        differe = differe_;
        differe_ = false;
        return echecs;
    }

private:
    using Horloge = std::chrono::steady_clock;

    void boucle() {
        for (;;) {
            Tache tache;
            {
                std::unique_lock garde(verrou_);
                bool enFond = false;
                while (file_.empty() && !relance_) {
                    // Nothing waits: a class file is closed, so nothing holds it between games.
                    if (!serveur_) fermeMagasin();
                    occupe_ = false;
                    vide_.notify_all();
                    if (fin_) {
                        // A server's connection is closed on the thread that opened it.
                        fermeMagasin();
                        return;
                    }
                    const auto pret = [this] { return fin_ || relance_ || !file_.empty(); };
                    if (enAttente_ == 0) {
                        reveil_.wait(garde, pret);
                    } else if (Horloge::now() < pauseJusqua_) {
                        reveil_.wait_until(garde, pauseJusqua_, pret);
                    } else {
                        enFond = true;
                        break;
                    }
                }
                if (file_.empty()) {
                    // The outbox leaves: on request (attends() then waits for it), or in the
                    // background, giving way to every new record.
                    occupe_ = relance_;
                    relance_ = false;
                    garde.unlock();
                    videBoite(enFond);
                    continue;
                }
                tache = std::move(file_.front());
                file_.pop_front();
                occupe_ = true;
            }
            serveur_ = bool(fabrique());
            if (serveur_) versServeur(tache);
            else versFichier(tache);
        }
    }

    void fermeMagasin() {
        magasin_.reset();
        ouvertPour_.clear();
    }

    void echec(const QString& message) {
        std::lock_guard garde(verrou_);
        if (!echecs_.contains(message)) echecs_ << message;
    }

    void versFichier(const Tache& tache) {
        const EntreeJournal* entree = std::get_if<EntreeJournal>(&tache.envoi);
        if (!entree) return;  // results rows go to a server only
        const QString cle = entree->enseignant + QChar(0) + tache.repertoireClasse;
        // A second try on a fresh connection: another program's long transaction costs no answer.
        for (int essai = 1; essai <= 2; ++essai) {
            try {
                if (!magasin_ || ouvertPour_ != cle) {
                    fermeMagasin();
                    magasin_ = Journal::ouvre(entree->enseignant, tache.repertoireClasse);
                    ouvertPour_ = cle;
                }
                magasin_->ajoute(*entree);
                return;
            } catch (const ErreurMarivelle& e) {
                fermeMagasin();
                if (essai == 2) echec(e.message());
            }
        }
    }

    // True when the server took it (or had it already).
    bool livre(const Envoi& envoi) {
        {
            std::lock_guard garde(verrou_);
            if (Horloge::now() < pauseJusqua_) return false;
        }
        // An open connection the server dropped (a restart) gets a second try on a fresh one.
        const bool ouvert = bool(magasin_);
        for (int essai = 1;; ++essai) {
            try {
                if (!magasin_) magasin_ = Journal::ouvre({}, {});
                if (const auto* e = std::get_if<EntreeJournal>(&envoi)) magasin_->ajoute(*e);
                else magasin_->ajouteLigne(std::get<LigneResultat>(envoi));
                return true;
            } catch (const ErreurMarivelle& e) {
                const auto* j = dynamic_cast<const ErreurJournal*>(&e);
                // The record itself is refused for good: set aside by the caller, the others go on.
                if (j && j->genre() == ErreurJournal::Genre::Definitif) throw;
                fermeMagasin();
                // A call cut after its bound is not tried again at once: the server hangs.
                if (ouvert && essai == 1 && !(j && j->genre() == ErreurJournal::Genre::HorsDelai)) continue;
                std::lock_guard garde(verrou_);
                pauseJusqua_ = Horloge::now() + PauseApresEchec;
                raison_ = e.message();
                return false;
            }
        }
    }

    void versServeur(const Tache& tache) {
        BoiteEnvoi boite(::boite());
        // Behind records already waiting, a new one waits too: they leave in order, in the
        // background, so the end of an exercise waits only for its own records to be kept.
        if (enAttente_ == 0) enAttente_ = boite.taille();
        if (enAttente_ == 0) {
            try {
                if (livre(tache.envoi)) return;
            } catch (const ErreurJournal& refus) {
                // Refused for good: set aside (or, at worst, kept in the box and set aside later).
                try {
                    if (boite.metDeCote(tache.envoi, refus.message())) return;
                } catch (const ErreurMarivelle&) {
                }
            }
        }
        try {
            boite.ajoute(tache.envoi);
            ++enAttente_;
            std::lock_guard garde(verrou_);
            differe_ = true;
        } catch (const ErreurMarivelle& e) {
            echec(e.message());
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
                    if (fin_ || relance_ || !file_.empty()) return false;
                }
                return livre(envoi);
            });
        } catch (const ErreurMarivelle& e) {
            echec(e.message());
            std::lock_guard garde(verrou_);
            pauseJusqua_ = Horloge::now() + PauseApresEchec;
        }
    }

    std::mutex verrou_;
    std::condition_variable reveil_, vide_;
    std::deque<Tache> file_;
    QStringList echecs_;
    bool differe_ = false;   // a record went to the outbox since the last report
    QString raison_;         // why the server last failed
    Horloge::time_point pauseJusqua_{};
    bool occupe_ = false;
    bool relance_ = false;
    bool fin_ = false;
    std::unique_ptr<std::thread> fil_;
    qint64 proprietaire_ = 0;
    // The writer thread's own.
    std::unique_ptr<MagasinJournal> magasin_;
    QString ouvertPour_;
    bool serveur_ = false;
    qsizetype enAttente_ = 0;

public:
    QString raison() {
        std::lock_guard garde(verrou_);
        return raison_;
    }
};

Ecrivain& ecrivain() {
    static Ecrivain instance;
    return instance;
}

bool dejaSignale = false;
qint64 dernierMoment = 0;
}  // namespace

namespace Journal {
QString cheminSqlite(const QString& enseignant, const QString& repertoireClasse) {
    return repertoireClasse + QStringLiteral("journal_des_reponses_de_") + enseignant + QStringLiteral(".sqlite");
}

std::unique_ptr<MagasinJournal> ouvre(const QString& enseignant, const QString& repertoireClasse) {
    if (const Fabrique f = fabrique()) return f(enseignant, repertoireClasse);
    ParametresConnexion p;
    p.base = cheminSqlite(enseignant, repertoireClasse);
    return std::make_unique<MagasinSql>(p);
}

// The default files are never made just to read or delete from them.
bool aUnJournal(const QString& enseignant, const QString& repertoireClasse) {
    return fabrique() || QFileInfo::exists(cheminSqlite(enseignant, repertoireClasse));
}

void oublieEleve(const QString& enseignant, const QString& eleve, const QString& repertoireClasse) {
    attends();
    if (aUnJournal(enseignant, repertoireClasse)) ouvre(enseignant, repertoireClasse)->supprimeEleve(enseignant, eleve);
}

void oublieEnseignant(const QString& enseignant, const QString& repertoireClasse) {
    attends();
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
    if (fabrique()) ecrivain().ajoute(Tache{ligne, {}});
}

void renvoie() { ecrivain().ajoute(std::nullopt); }

qsizetype enAttente() { return fabrique() ? BoiteEnvoi(boite()).taille() : 0; }

void ecrit(const EntreeJournal& entree, const QString& repertoireClasse) {
    if (entree.eleve == EleveSansId || entree.eleve.isEmpty()) return;
    ecrivain().ajoute(Tache{entree, repertoireClasse});
}

void attends() { ecrivain().attends(); }

void arrete() {
    ecrivain().arrete();
    BoiteEnvoi::gardeCeQuiAttend();
}

void nouvelleSession() { dejaSignale = false; }

void signaleEchecs() {
    bool differe = false;
    const QStringList echecs = ecrivain().prendEchecs(differe);
    if ((echecs.isEmpty() && !differe) || dejaSignale) return;
    dejaSignale = true;
    QStringList textes;
    if (differe)
        textes << ecrivain().raison()
               << QStringLiteral("Les résultats et les réponses de cette séance sont gardés sur cet ordinateur et "
                                 "seront envoyés au serveur de l'école plus tard.");
    if (!echecs.isEmpty())
        textes << echecs.join(QLatin1Char('\n')) +
                      QStringLiteral("\nLes exercices continuent normalement, mais les réponses de cette séance "
                                     "ne sont pas toutes retenues dans le journal.");
    else
        textes << QStringLiteral("Les exercices continuent normalement.");
    Messages::information(textes.join(QLatin1Char('\n')));
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
