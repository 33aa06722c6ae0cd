// Where the writer's tasks go: the class's SQLite file (looked through at a session's first
// opening, what waits beside it stored first), the school server, this computer's outbox, and at
// the end of the program the pending files.
#include "logique/journal/Ecrivain.h"

#include "logique/base/Horloge.h"
#include "logique/journal/AvisEnseignant.h"
#include "logique/journal/JournalSqlite.h"
#include "logique/journal/MagasinSql.h"

#include <QFileInfo>

#include <thread>

namespace JournalInterne {
namespace {
using std::chrono::milliseconds;

// How long the writer leaves a store alone after it failed (a server that does not answer, a
// class folder that cannot be written): records meanwhile wait, so that nothing is tried in a loop.
constexpr auto PauseApresEchec = std::chrono::seconds(5);
// How long one try waits for another program's lock on a class file: short, so that the writer
// gives way at once at the end of the program; a lock is tried again for as long as it lasts.
constexpr int AttenteVerrouMs = 250;

QString texteMisDeCote(const QString& fichier, const JournalSqlite::Controle& c) {
    const QString debut = QStringLiteral("Le journal des réponses « %1 » était abîmé. Il est gardé tel quel, pour une "
                                         "récupération, sous le nom « %2 », et un nouveau journal a été commencé")
                              .arg(fichier, c.misDeCote);
    if (!c.raison.isEmpty())
        return debut + QStringLiteral(", vide : ce qui pouvait être lu de l'ancien n'a pas pu y être repris (%1).").arg(c.raison);
    return debut + QStringLiteral(" avec ce qui a pu être lu de l'ancien : ") + JournalSqlite::texteLecture(c.lecture);
}

QString texteLignesAbimees(const QString& chemin, qsizetype nombre) {
    return QStringLiteral("%1 ligne%2 abîmée%2 de « %3 » %4 été mise%2 de côté dans « %5 », sans être enregistrée%2.")
        .arg(nombre)
        .arg(nombre > 1 ? QStringLiteral("s") : QString(), chemin, nombre > 1 ? QStringLiteral("ont") : QStringLiteral("a"),
             EnvoisDifferes::cheminMisDeCote(chemin));
}
}  // namespace

bool Ecrivain::traite(const Tache& tache) {
    if (tache.fichier.isEmpty()) return !tache.envoi || versServeur(tache);
    return versFichier(tache);
}

void Ecrivain::pause(const QString& fichier) {
    std::lock_guard garde(verrou_);
    pauses_[fichier] = Montre::now() + PauseApresEchec;
}

void Ecrivain::signale(const QString& repertoireClasse, const QString& detail, bool aLEleve) {
    {
        std::lock_guard garde(verrou_);
        aDire_ = aDire_ || aLEleve;
        if (dits_.contains(detail)) return;
        dits_.insert(detail);
    }
    AvisEnseignant::note(repertoireClasse, detail);
}

bool Ecrivain::versFichier(const Tache& tache) {
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
                e.message() +
                    QStringLiteral(" Les réponses sont gardées par le programme et y seront enregistrées dès que possible."));
        pause(tache.fichier);
        return false;
    }
}

void Ecrivain::controle(const Tache& tache) {
    const JournalSqlite::Controle c = JournalSqlite::controle(tache.fichier, tache.enseignant, Horloge::maintenant(),
                                                              AttenteVerrouMs);
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

void Ecrivain::livreEnAttente(const Tache& tache) {
    const QString chemin = Journal::cheminEnAttente(tache.fichier);
    if (!QFileInfo::exists(chemin)) return;
    EnvoisDifferes attente(chemin);
    attente.vide([this](const Envoi& envoi) {
        if (const auto* e = std::get_if<EntreeJournal>(&envoi)) fichier_->ajoute(*e);
        return true;
    });
    if (attente.misesDeCote() > 0) signale(tache.repertoireClasse, texteLignesAbimees(chemin, attente.misesDeCote()), false);
}

bool Ecrivain::livre(const Envoi& envoi) {
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

bool Ecrivain::versServeur(const Tache& tache) {
    if (!fabrique()) {
        // The server was taken away (tests): the class's own file keeps it.
        const EntreeJournal* e = std::get_if<EntreeJournal>(&*tache.envoi);
        return !e || versFichier({tache.envoi, e->enseignant, tache.repertoireClasse,
                                  Journal::cheminSqlite(e->enseignant, tache.repertoireClasse)});
    }
    EnvoisDifferes differes(JournalInterne::fichierDifferes());
    // Behind records already waiting, a new one waits too: they leave in order, in the
    // background, so the end of an exercise waits only for its own records to be kept.
    if (enAttente_ == 0) enAttente_ = differes.taille();
    if (enAttente_ == 0) {
        try {
            if (livre(*tache.envoi)) return true;
        } catch (const ErreurJournal& refus) {
            // Refused for good: set aside (or, at worst, kept in the box and set aside later).
            try {
                if (differes.metDeCote(*tache.envoi, refus.message())) return true;
            } catch (const ErreurMarivelle&) {
            }
        }
    }
    try {
        differes.ajoute(*tache.envoi);
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

void Ecrivain::videEnvoisDifferes(bool enFond) {
    if (!fabrique()) {
        enAttente_ = 0;
        return;
    }
    EnvoisDifferes differes(JournalInterne::fichierDifferes());
    try {
        enAttente_ = differes.vide([this, enFond](const Envoi& envoi) {
            if (enFond) {
                std::lock_guard garde(verrou_);
                if (fin_ || relance_ || premierePrete(Montre::now())) return false;
            }
            return livre(envoi);
        });
        if (differes.misesDeCote() > 0) signale(QString(), texteLignesAbimees(differes.chemin(), differes.misesDeCote()), false);
    } catch (const ErreurMarivelle& e) {
        signale(QString(), e.message());
        std::lock_guard garde(verrou_);
        pauseJusqua_ = Montre::now() + PauseApresEchec;
    }
}

void Ecrivain::deposeEnAttente(const std::deque<Tache>& reste) {
    QStringList cibles;
    QHash<QString, QList<Envoi>> envois;
    QHash<QString, QString> classes;
    for (const Tache& t : reste) {
        if (!t.envoi || (!t.fichier.isEmpty() && !std::holds_alternative<EntreeJournal>(*t.envoi))) continue;
        const QString cible = t.fichier.isEmpty() ? JournalInterne::fichierDifferes() : Journal::cheminEnAttente(t.fichier);
        if (cible.isEmpty()) continue;
        if (!envois.contains(cible)) cibles << cible;
        envois[cible].append(*t.envoi);
        classes.insert(cible, t.repertoireClasse);
    }
    for (const QString& cible : std::as_const(cibles)) {
        try {
            // Beside the class's file: never a class folder made again for it (a teacher removed).
            if (cible != JournalInterne::fichierDifferes() && !QFileInfo(QFileInfo(cible).absolutePath()).isDir())
                throw ErreurJournal(QStringLiteral("Le dossier de « %1 » n'existe plus.").arg(cible));
            EnvoisDifferes(cible).ajoute(envois.value(cible));
        } catch (const ErreurMarivelle& e) {
            AvisEnseignant::note(classes.value(cible),
                                 e.message() + QStringLiteral(" %1 réponse(s) de la fin de la séance n'ont pas pu être gardées.")
                                                   .arg(envois.value(cible).size()));
        }
    }
}
}  // namespace JournalInterne
