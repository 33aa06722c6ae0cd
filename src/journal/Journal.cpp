#include "journal/Journal.h"

#include "base/Horloge.h"
#include "base/Messages.h"
#include "journal/MagasinSql.h"
#include "state/SharedState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {
struct Tache {
    EntreeJournal entree;
    QString repertoireClasse;
};

std::mutex verrouFabrique;
Journal::Fabrique fabriqueInstallee;

Journal::Fabrique fabrique() {
    std::lock_guard garde(verrouFabrique);
    return fabriqueInstallee;
}

// The writer: one thread, one queue, the class's store kept open while questions come.
class Ecrivain final {
public:
    ~Ecrivain() { arrete(); }

    void ajoute(Tache tache) {
        {
            std::lock_guard garde(verrou_);
            // A forked process (the reliability tests) has no copy of its parent's thread.
            if (fil_ && proprietaire_ != QCoreApplication::applicationPid()) {
                (void)fil_.release();
                file_.clear();
                occupe_ = false;
            }
            if (!fil_) {
                proprietaire_ = QCoreApplication::applicationPid();
                fil_ = std::make_unique<std::thread>([this] { boucle(); });
            }
            file_.push_back(std::move(tache));
        }
        reveil_.notify_all();
    }

    void attends() {
        std::unique_lock garde(verrou_);
        if (!fil_ || proprietaire_ != QCoreApplication::applicationPid()) return;
        vide_.wait(garde, [this] { return file_.empty() && !occupe_; });
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

    QStringList prendEchecs() {
        std::lock_guard garde(verrou_);
        QStringList echecs = echecs_;
        echecs_.clear();
        return echecs;
    }

private:
    void boucle() {
        std::unique_ptr<MagasinJournal> magasin;
        QString ouvertPour;
        for (;;) {
            Tache tache;
            {
                std::unique_lock garde(verrou_);
                if (file_.empty()) {
                    // Nothing waits: the file is closed, so nothing holds it between games.
                    magasin.reset();
                    ouvertPour.clear();
                    occupe_ = false;
                    vide_.notify_all();
                    reveil_.wait(garde, [this] { return fin_ || !file_.empty(); });
                    if (file_.empty()) return;
                }
                tache = std::move(file_.front());
                file_.pop_front();
                occupe_ = true;
            }
            const QString cle = tache.entree.enseignant + QChar(0) + tache.repertoireClasse;
            // A second try on a fresh connection: another program's long transaction, or a
            // connection the server dropped, costs no answer.
            for (int essai = 1; essai <= 2; ++essai) {
                try {
                    if (!magasin || ouvertPour != cle) {
                        magasin.reset();
                        magasin = Journal::ouvre(tache.entree.enseignant, tache.repertoireClasse);
                        ouvertPour = cle;
                    }
                    magasin->ajoute(tache.entree);
                    break;
                } catch (const ErreurMarivelle& e) {
                    magasin.reset();
                    ouvertPour.clear();
                    if (essai < 2) continue;
                    std::lock_guard garde(verrou_);
                    if (!echecs_.contains(e.message())) echecs_ << e.message();
                }
            }
        }
    }

    std::mutex verrou_;
    std::condition_variable reveil_, vide_;
    std::deque<Tache> file_;
    QStringList echecs_;
    bool occupe_ = false;
    bool fin_ = false;
    std::unique_ptr<std::thread> fil_;
    qint64 proprietaire_ = 0;
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

namespace {
// The default files are never made just to delete from them.
bool aUnJournal(const QString& enseignant, const QString& repertoireClasse) {
    return fabrique() || QFileInfo::exists(cheminSqlite(enseignant, repertoireClasse));
}
}  // namespace

void oublieEleve(const QString& enseignant, const QString& eleve, const QString& repertoireClasse) {
    attends();
    if (aUnJournal(enseignant, repertoireClasse)) ouvre(enseignant, repertoireClasse)->supprimeEleve(enseignant, eleve);
}

void oublieEnseignant(const QString& enseignant, const QString& repertoireClasse) {
    attends();
    // The class's own file goes with the class folder.
    if (fabrique()) ouvre(enseignant, repertoireClasse)->supprimeEnseignant(enseignant);
}

void installeFabrique(Fabrique f) {
    std::lock_guard garde(verrouFabrique);
    fabriqueInstallee = std::move(f);
}

void ecrit(const EntreeJournal& entree, const QString& repertoireClasse) {
    if (entree.eleve == EleveSansId || entree.eleve.isEmpty()) return;
    ecrivain().ajoute({entree, repertoireClasse});
}

void attends() { ecrivain().attends(); }

void arrete() { ecrivain().arrete(); }

void nouvelleSession() { dejaSignale = false; }

void signaleEchecs() {
    const QStringList echecs = ecrivain().prendEchecs();
    if (echecs.isEmpty() || dejaSignale) return;
    dejaSignale = true;
    Messages::information(echecs.join(QLatin1Char('\n')) +
                          QStringLiteral("\nLes exercices continuent normalement, mais les réponses de cette séance "
                                         "ne sont pas toutes retenues dans le journal."));
}

qint64 momentUnique() {
    dernierMoment = std::max(dernierMoment + 1, Horloge::maintenant().toMSecsSinceEpoch());
    return dernierMoment;
}
}  // namespace Journal
