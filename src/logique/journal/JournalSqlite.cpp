#include "logique/journal/JournalSqlite.h"

#include "logique/base/FormatFr.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/MagasinSql.h"
#include "logique/sql/EchecSql.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <sys/stat.h>

namespace {
// The columns of the three tables of answers, as docs/journal.md gives them.
const QString ColonnesEleves = QStringLiteral("id, enseignant, eleve");
const QString ColonnesQuestions = QStringLiteral(
    "eleve_id, moment, type_exercice, position, creature, temps_reponse, type_aide, aide_utilisee, bande_utilisee, "
    "gauche, operation, droite, resultat, trou, reponse, juste_premier, essais, ms_premiere, ms_fin, fin_creature");
const QString ColonnesOperations = QStringLiteral("eleve_id, moment, rang, gauche, operation, droite, resultat, action");

// A connection of this module's own, closed and forgotten when it goes.
class Connexion final {
public:
    Connexion(const QString& fichier, const QString& options) {
        static QAtomicInt compteur;
        nom_ = QStringLiteral("marivelle_journal_sqlite_%1").arg(compteur.fetchAndAddRelaxed(1));
        base_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom_);
        base_.setDatabaseName(fichier);
        base_.setConnectOptions(options);
        ouverte_ = base_.open();
    }
    ~Connexion() {
        base_.close();
        base_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(nom_);
    }
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;
    bool ouverte() const { return ouverte_; }
    QSqlDatabase& base() { return base_; }

private:
    QString nom_;
    QSqlDatabase base_;
    bool ouverte_ = false;
};

QString options(int attenteVerrouMs, bool lectureSeule) {
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(attenteVerrouMs) +
           (lectureSeule ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString());
}

// The file's identity on the disk: another program may have set it aside and started a new one
// since this one looked at it.
std::optional<std::pair<dev_t, ino_t>> identite(const QString& fichier) {
    struct stat s {};
    if (::stat(QFile::encodeName(fichier).constData(), &s) != 0) return std::nullopt;
    return std::pair{s.st_dev, s.st_ino};
}

enum class Sonde { Ligne, Fin, Erreur };

// Reads the rows of a table that can be read, in stored order, passing over the pages that
// cannot: after a failure, the first rowid whose row can be reached again is searched for
// (doubling steps, then halving), so one damaged page costs a few dozen look-ups. Returns how
// many rowids were passed over (rows, save those deleted before), or nullopt when the end of the
// table cannot be found.
std::optional<qint64> parcourt(QSqlDatabase& base, const QString& table, const QString& colonnes,
                               const std::function<void(const QSqlQuery&)>& ligne) {
    const auto sonde = [&](qint64 apres, qint64& rowid) {
        QSqlQuery q(base);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT rowid FROM %1 NOT INDEXED WHERE rowid > ? ORDER BY rowid LIMIT 1").arg(table));
        q.addBindValue(apres);
        if (!q.exec()) return Sonde::Erreur;
        if (q.next()) {
            rowid = q.value(0).toLongLong();
            return Sonde::Ligne;
        }
        return q.lastError().isValid() ? Sonde::Erreur : Sonde::Fin;
    };
    std::optional<qint64> derniere;  // the table's last rowid, when it can be reached
    {
        QSqlQuery q(base);
        if (q.exec(QStringLiteral("SELECT max(rowid) FROM %1").arg(table)) && q.next()) derniere = q.value(0).toLongLong();
    }
    constexpr qint64 Plus = std::numeric_limits<qint64>::max() / 4;
    qint64 apres = -1;  // rowids start at 1
    qint64 passees = 0;
    for (;;) {
        QSqlQuery q(base);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT rowid, %1 FROM %2 NOT INDEXED WHERE rowid > ? ORDER BY rowid").arg(colonnes, table));
        q.addBindValue(apres);
        if (q.exec()) {
            while (q.next()) {
                apres = q.value(0).toLongLong();
                ligne(q);
            }
            if (!q.lastError().isValid()) return passees;
        }
        // A damaged stretch after `apres`: the first rowid past it from which rows can be read.
        qint64 echec = apres, pas = 1, rowid = 0;
        Sonde s = Sonde::Erreur;
        for (; pas < Plus; pas *= 2) {
            s = sonde(apres + pas, rowid);
            if (s != Sonde::Erreur) break;
            echec = apres + pas;
        }
        if (s == Sonde::Erreur) {
            if (!derniere || *derniere <= apres) return std::nullopt;
            return passees + *derniere - apres;
        }
        qint64 bon = apres + pas;
        while (bon - echec > 1) {
            const qint64 milieu = echec + (bon - echec) / 2;
            qint64 r = 0;
            const Sonde m = sonde(milieu, r);
            if (m == Sonde::Erreur) {
                echec = milieu;
            } else {
                bon = milieu;
                s = m;
                rowid = r;
            }
        }
        if (s == Sonde::Fin) {
            if (!derniere) return std::nullopt;
            return passees + std::max<qint64>(0, *derniere - apres);
        }
        passees += rowid - apres - 1;
        apres = bon;
    }
}

// The three tables of a damaged file, row by row, into `vers`. Returns the questions' count and
// what could not be read; nullopt when the file's tables cannot be found at all.
std::optional<JournalSqlite::Lecture> litTout(QSqlDatabase& base, const std::function<void(int table, const QSqlQuery&)>& vers) {
    JournalSqlite::Lecture lecture;
    {
        QSqlQuery q(base);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'journal_questions'")) || !q.next() ||
            q.value(0).toInt() != 1)
            return std::nullopt;
    }
    const QString tables[] = {QStringLiteral("journal_eleves"), QStringLiteral("journal_questions"),
                              QStringLiteral("journal_operations")};
    const QString colonnes[] = {ColonnesEleves, ColonnesQuestions, ColonnesOperations};
    for (int t = 0; t < 3; ++t) {
        const std::optional<qint64> passees = parcourt(base, tables[t], colonnes[t], [&](const QSqlQuery& q) {
            if (t == 1) ++lecture.questions;
            vers(t, q);
        });
        if (t != 1) continue;
        if (passees) lecture.illisibles = *passees;
        else lecture.tout = false;
    }
    return lecture;
}

// Copies what can be read of `source` into the new file `cible` (its tables made already), in one
// transaction; questions of a pupil whose name was lost get a name saying so.
JournalSqlite::Lecture recopie(const QString& source, const QString& cible, const QString& enseignant) {
    Connexion de(source, options(0, true));
    Connexion vers(cible, options(2000, false));
    QSqlQuery ecrit(vers.base());
    if (!vers.ouverte() || !ecrit.exec(QStringLiteral("BEGIN IMMEDIATE")))
        throw ErreurJournal(
            QStringLiteral("le nouveau journal ne peut pas être écrit : %1").arg(RaisonSql(vers.base().lastError())));
    QSqlQuery inserts[3] = {QSqlQuery(vers.base()), QSqlQuery(vers.base()), QSqlQuery(vers.base())};
    const QString tables[] = {QStringLiteral("journal_eleves"), QStringLiteral("journal_questions"),
                              QStringLiteral("journal_operations")};
    const QString colonnes[] = {ColonnesEleves, ColonnesQuestions, ColonnesOperations};
    for (int t = 0; t < 3; ++t) {
        const qsizetype n = colonnes[t].count(QLatin1Char(',')) + 1;
        QStringList marques(n, QStringLiteral("?"));
        inserts[t].prepare(QStringLiteral("INSERT OR IGNORE INTO %1 (%2) VALUES (%3)")
                               .arg(tables[t], colonnes[t], marques.join(QLatin1Char(','))));
    }
    QString erreur;
    std::optional<JournalSqlite::Lecture> lecture;
    if (de.ouverte())
        lecture = litTout(de.base(), [&](int t, const QSqlQuery& q) {
            QSqlQuery& i = inserts[t];
            const int n = int(colonnes[t].count(QLatin1Char(',')) + 1);
            for (int c = 0; c < n; ++c) i.bindValue(c, q.value(c + 1));
            if (!i.exec() && erreur.isEmpty()) erreur = RaisonSql(i.lastError());
        });
    if (lecture && erreur.isEmpty()) {
        QSqlQuery noms(vers.base());
        noms.prepare(QStringLiteral(
            "INSERT OR IGNORE INTO journal_eleves (id, enseignant, eleve) SELECT DISTINCT eleve_id, ?, "
            "'élève non retrouvé n° ' || eleve_id FROM journal_questions WHERE eleve_id NOT IN (SELECT id FROM journal_eleves)"));
        noms.addBindValue(enseignant);
        if (!noms.exec()) erreur = RaisonSql(noms.lastError());
    }
    if (lecture && erreur.isEmpty() && ecrit.exec(QStringLiteral("COMMIT"))) return *lecture;
    if (erreur.isEmpty()) erreur = lecture ? RaisonSql(ecrit.lastError()) : QStringLiteral("rien n'a pu en être lu");
    ecrit.exec(QStringLiteral("ROLLBACK"));
    throw ErreurJournal(erreur);
}

// A damaged file's readable entries in memory: the views read it like the store itself.
class MagasinLu final : public MagasinJournal {
public:
    QList<EntreeJournal> questions;  // by pupil key, then moment

    void ajoute(const EntreeJournal&) override { refuse(); }
    void ajouteLigne(const LigneResultat&) override { refuse(); }
    void supprimeEleve(const QString&, const QString&) override { refuse(); }
    void supprimeEnseignant(const QString&) override { refuse(); }
    QList<EntreeJournal> entrees(const QString& enseignant, const QString& eleve, qint64 depuis) override {
        QList<EntreeJournal> liste;
        for (const EntreeJournal& e : questions)
            if (e.enseignant == enseignant && (eleve.isEmpty() || e.eleve == eleve) && e.moment >= depuis) liste.append(e);
        return liste;
    }
    QStringList eleves(const QString& enseignant) override {
        QStringList noms;
        for (const EntreeJournal& e : questions)
            if (e.enseignant == enseignant) noms.append(e.eleve);
        noms.removeDuplicates();
        noms.sort();
        return noms;
    }

private:
    [[noreturn]] static void refuse() {
        throw ErreurJournal(QStringLiteral("Le journal des réponses abîmé ne peut qu'être lu."));
    }
};
}  // namespace

namespace JournalSqlite {
Controle controle(const QString& fichier, const QString& enseignant, const QDateTime& quand, int attenteVerrouMs) {
    Controle c;
    const auto avant = identite(fichier);
    if (!avant) return c;  // nothing to look through yet
    {
        Connexion connexion(fichier, options(attenteVerrouMs, false));
        QSqlQuery q(connexion.base());
        const auto echec = [&](const QSqlError& erreur) {
            switch (GenreEchecSql(erreur)) {
                case EchecSql::PasUneBase: c.etat = Etat::Abime; break;
                case EchecSql::Occupe: c.etat = Etat::Occupe; break;
                default: c.etat = Etat::Injoignable; break;
            }
            c.raison = RaisonSql(erreur);
        };
        if (!connexion.ouverte()) {
            echec(connexion.base().lastError());
        } else if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
            echec(q.lastError());
        } else {
            QStringList problemes;
            while (q.next()) problemes << q.value(0).toString();
            if (q.lastError().isValid()) echec(q.lastError());
            else if (problemes != QStringList{QStringLiteral("ok")}) c.etat = Etat::Abime;
        }
        if (c.etat != Etat::Abime) return c;
        c.raison.clear();  // from here on: why what can be read of it could not be carried over
        // Set aside under the database's lock, so that no other program is in the middle of
        // writing it; a program that writes to it afterwards finds it moved and opens the new one.
        // A header so damaged that it cannot be locked is set aside all the same.
        QSqlQuery verrou(connexion.base());
        if (!verrou.exec(QStringLiteral("BEGIN EXCLUSIVE")) && GenreEchecSql(verrou.lastError()) == EchecSql::Occupe) {
            c.etat = Etat::Occupe;
            c.raison = RaisonSql(verrou.lastError());
            return c;
        }
        if (identite(fichier) != avant) {
            c.etat = Etat::Sain;  // another program set it aside meanwhile: the new one is looked at next time
            return c;
        }
        c.misDeCote = NomsDossier::journalMisDeCote(fichier, quand);
        for (int n = 2; QFileInfo::exists(c.misDeCote); ++n) c.misDeCote = NomsDossier::journalMisDeCote(fichier, quand, n);
        if (!QFile::rename(fichier, c.misDeCote)) {
            c.etat = Etat::Injoignable;
            c.raison = QStringLiteral("il est abîmé mais ne peut pas être renommé");
            return c;
        }
        // A rollback journal left beside it belongs to it: applied to a new file, it would spoil it.
        if (QFile::exists(fichier + QStringLiteral("-journal")))
            QFile::rename(fichier + QStringLiteral("-journal"), c.misDeCote + QStringLiteral("-journal"));
    }
    try {
        ParametresConnexion p;
        p.base = fichier;
        { MagasinSql nouveau(p); }
        c.lecture = recopie(c.misDeCote, fichier, enseignant);
    } catch (const ErreurMarivelle& e) {
        c.raison = e.message();  // the damaged file stays set aside; the new one starts empty
        c.lecture = {0, 0, false};
    }
    return c;
}

std::unique_ptr<MagasinJournal> lisible(const QString& fichier, const QString& enseignant, Lecture& lecture) {
    Connexion de(fichier, options(2000, true));
    auto magasin = std::make_unique<MagasinLu>();
    QHash<qint64, std::pair<QString, QString>> eleves;
    QHash<QPair<qint64, qint64>, qsizetype> places;
    QList<qint64> cles;
    QList<std::pair<QPair<qint64, qint64>, OperationMontree>> operations;
    std::optional<Lecture> lu;
    if (de.ouverte())
        lu = litTout(de.base(), [&](int t, const QSqlQuery& q) {
            const auto entier = [&](int c) { return q.value(c + 1).toLongLong(); };
            const auto fait = [&](int c) {
                return Fait{int(entier(c)), static_cast<Operation>(std::clamp<qint64>(entier(c + 1), 0, 3)), int(entier(c + 2)),
                            int(entier(c + 3))};
            };
            if (t == 0) {
                eleves.insert(entier(0), {q.value(2).toString(), q.value(3).toString()});
            } else if (t == 1) {
                EntreeJournal e;
                e.moment = entier(1);
                e.typeExercice = int(entier(2));
                e.position = int(entier(3));
                e.creature = static_cast<Creature>(std::clamp<qint64>(entier(4), 0, 2));
                e.tempsDeReponse = int(entier(5));
                e.typeAide = int(entier(6));
                e.aideUtilisee = entier(7) != 0;
                e.bandeUtilisee = entier(8) != 0;
                e.fait = fait(9);
                e.trou = int(entier(13));
                e.reponse = q.value(15).toString();
                e.justePremierCoup = entier(15) != 0;
                e.essais = int(entier(16));
                e.msPremiere = int(entier(17));
                e.msFin = int(entier(18));
                e.finCreature = entier(19) != 0;
                places.insert({entier(0), e.moment}, magasin->questions.size());
                cles.append(entier(0));
                magasin->questions.append(std::move(e));
            } else {
                operations.append(
                    {{entier(0), entier(1)}, {fait(3), static_cast<ActionOperation>(std::clamp<qint64>(entier(7), 0, 3))}});
            }
        });
    if (!lu) throw ErreurJournal(QStringLiteral("Le journal des réponses « %1 » est trop abîmé pour être lu.").arg(fichier));
    lecture = *lu;
    // Operations come in stored order, which is each question's order of ranks.
    for (const auto& [cle, operation] : operations)
        if (const auto it = places.constFind(cle); it != places.constEnd()) magasin->questions[*it].operations.append(operation);
    QList<std::pair<qint64, qsizetype>> ordre;
    for (qsizetype i = 0; i < magasin->questions.size(); ++i) {
        EntreeJournal& e = magasin->questions[i];
        // A pupil whose name was lost belongs to the class whose file it is.
        const auto nom = eleves.value(cles[i], {enseignant, QStringLiteral("élève non retrouvé n° %1").arg(cles[i])});
        e.enseignant = nom.first;
        e.eleve = nom.second;
        ordre.append({cles[i], i});
    }
    std::stable_sort(ordre.begin(), ordre.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return magasin->questions[a.second].moment < magasin->questions[b.second].moment;
    });
    QList<EntreeJournal> rangees;
    rangees.reserve(ordre.size());
    for (const auto& [cle, i] : ordre) rangees.append(std::move(magasin->questions[i]));
    magasin->questions = std::move(rangees);
    return magasin;
}

QString texteLecture(const Lecture& lecture) {
    const QString lues = QStringLiteral("%1 question%2 %3 pu être lue%2")
                             .arg(FormatFr::nombre(double(lecture.questions)),
                                  lecture.questions > 1 ? QStringLiteral("s") : QString(),
                                  lecture.questions > 1 ? QStringLiteral("ont") : QStringLiteral("a"));
    if (!lecture.tout) return lues + QStringLiteral(" ; les autres n'ont pas pu l'être.");
    if (lecture.illisibles == 0) return lues + QStringLiteral(" ; aucune n'a été perdue.");
    return lues + QStringLiteral(" ; au plus %1 n'%2 pas pu l'être.")
                      .arg(FormatFr::nombre(double(lecture.illisibles)),
                           lecture.illisibles > 1 ? QStringLiteral("ont") : QStringLiteral("a"));
}
}  // namespace JournalSqlite
