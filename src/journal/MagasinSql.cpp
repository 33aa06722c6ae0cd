#include "journal/MagasinSql.h"

#include "base/FichierTexte.h"
#include "sql/EchecSql.h"

#include <QAtomicInt>
#include <algorithm>
#include <optional>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
// Short: the writer waits for another program's transaction (a few milliseconds), never for
// long; a store locked longer is reported and the game goes on.
constexpr int AttenteVerrouMs = 2000;

bool estSqlite(const ParametresConnexion& p) { return p.pilote == QLatin1String("QSQLITE"); }

// A class's tables (a server's are made by scripts/serveur_postgresql.sql, in the same SQL).
QStringList schema() {
    const QString cle = QStringLiteral("id INTEGER PRIMARY KEY");
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS journal_version (version INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS journal_eleves (%1, enseignant VARCHAR(255) NOT NULL, "
                       "eleve VARCHAR(255) NOT NULL, UNIQUE (enseignant, eleve))")
            .arg(cle),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS journal_questions (eleve_id BIGINT NOT NULL, moment BIGINT NOT NULL, "
            "type_exercice SMALLINT NOT NULL, position SMALLINT NOT NULL, creature SMALLINT NOT NULL, "
            "temps_reponse SMALLINT NOT NULL, type_aide SMALLINT NOT NULL, aide_utilisee SMALLINT NOT NULL, "
            "bande_utilisee SMALLINT NOT NULL, gauche INTEGER NOT NULL, operation SMALLINT NOT NULL, "
            "droite INTEGER NOT NULL, resultat INTEGER NOT NULL, trou SMALLINT NOT NULL, reponse VARCHAR(40) NOT NULL, "
            "juste_premier SMALLINT NOT NULL, essais SMALLINT NOT NULL, ms_premiere INTEGER NOT NULL, "
            "ms_fin INTEGER NOT NULL, fin_creature SMALLINT NOT NULL, PRIMARY KEY (eleve_id, moment))"),
        // A school server's results: the columns of each class's table, in its order, then the
        // class's table name and the row's own id.
        QStringLiteral("CREATE TABLE IF NOT EXISTS resultats (%1, Nom_eleve VARCHAR(255), Date_debut VARCHAR(255), "
                       "Exercice INTEGER, Type_exercice VARCHAR(255), Tables TEXT, Cas_particulier VARCHAR(255), "
                       "Aide VARCHAR(255), Taux_reussite INTEGER, Nombre_erreur VARCHAR(255), Temps INTEGER, "
                       "Temps_questions VARCHAR(255), Bilan TEXT, Date_fin VARCHAR(255), Classe VARCHAR(255) NOT NULL, "
                       "Identifiant VARCHAR(40) NOT NULL UNIQUE)")
            .arg(QStringLiteral("Id INTEGER PRIMARY KEY AUTOINCREMENT")),
        QStringLiteral("CREATE TABLE IF NOT EXISTS journal_operations (eleve_id BIGINT NOT NULL, moment BIGINT NOT NULL, "
                       "rang SMALLINT NOT NULL, gauche INTEGER NOT NULL, operation SMALLINT NOT NULL, "
                       "droite INTEGER NOT NULL, resultat INTEGER NOT NULL, action SMALLINT NOT NULL, "
                       "PRIMARY KEY (eleve_id, moment, rang))"),
    };
}

const QString ColonnesQuestion = QStringLiteral(
    "q.moment, q.type_exercice, q.position, q.creature, q.temps_reponse, q.type_aide, q.aide_utilisee, "
    "q.bande_utilisee, q.gauche, q.operation, q.droite, q.resultat, q.trou, q.reponse, q.juste_premier, q.essais, "
    "q.ms_premiere, q.ms_fin, q.fin_creature, e.enseignant, e.eleve, q.eleve_id");

// A record the server refuses for good is set aside by the writer; any other failure waits.
ErreurJournal::Genre genreDe(const QSqlError& erreur) {
    return EchecDefinitif(GenreEchecSql(erreur)) ? ErreurJournal::Genre::Definitif : ErreurJournal::Genre::Passager;
}

Operation operationDe(int code) { return static_cast<Operation>(std::clamp(code, 0, 3)); }

// The questions by pupil, then oldest first; a pupil's questions in stored order are nearly always
// in time order already, so each pupil's are sorted only when they are not.
void rangeParEleve(QList<ReponseResumee>& liste, const QList<qint64>& cles) {
    QHash<qint64, qsizetype> debuts;  // each pupil's first place in the ordered list
    {
        QHash<qint64, qsizetype> nombres;
        QList<qint64> ordre;
        for (const qint64 c : cles) {
            auto it = nombres.find(c);
            if (it == nombres.end()) {
                ordre.append(c);
                it = nombres.insert(c, 0);
            }
            ++*it;
        }
        std::sort(ordre.begin(), ordre.end());
        qsizetype place = 0;
        for (const qint64 c : ordre) {
            debuts.insert(c, place);
            place += nombres.value(c);
        }
    }
    QList<ReponseResumee> rangee(liste.size());
    QHash<qint64, qsizetype> suivantes = debuts;
    for (qsizetype i = 0; i < liste.size(); ++i) rangee[suivantes[cles[i]]++] = std::move(liste[i]);
    const auto plusAncienne = [](const ReponseResumee& a, const ReponseResumee& b) { return a.moment < b.moment; };
    for (auto it = debuts.cbegin(); it != debuts.cend(); ++it) {
        const auto debut = rangee.begin() + it.value(), fin = rangee.begin() + suivantes.value(it.key());
        if (!std::is_sorted(debut, fin, plusAncienne)) std::sort(debut, fin, plusAncienne);
    }
    liste = std::move(rangee);
}
}  // namespace

struct MagasinSql::Borne {
    Borne(MagasinSql& magasin, AppelBorne::Genre genre) : magasin_(magasin) {
        // A call inside another keeps the outer one's bound.
        if (estSqlite(magasin.parametres_) || magasin.appel_) return;
        appel_.emplace(magasin.base_, genre, magasin.parametres_.port > 0 ? magasin.parametres_.port : 5432);
        magasin.appel_ = &*appel_;
        if (genre == AppelBorne::Genre::Lecture && !magasin.lectureLongue_) {
            QSqlQuery(magasin.base_).exec(AppelBorne::delaiLecture());
            magasin.lectureLongue_ = true;
        }
    }
    ~Borne() {
        if (appel_) magasin_.appel_ = nullptr;
    }
    Borne(const Borne&) = delete;
    Borne& operator=(const Borne&) = delete;

    MagasinSql& magasin_;
    std::optional<AppelBorne> appel_;
};

QString ParametresConnexion::nomLisible() const {
    if (pilote == QLatin1String("QSQLITE")) return QStringLiteral("« %1 »").arg(base);
    return QStringLiteral("« %1 » du serveur %2").arg(base, hote.isEmpty() ? QStringLiteral("local") : hote);
}

MagasinSql::MagasinSql(const ParametresConnexion& p) : parametres_(p) {
    static QAtomicInt compteur;
    nomConnexion_ = QStringLiteral("marivelle_journal_%1").arg(compteur.fetchAndAddRelaxed(1));
    const bool sqlite = estSqlite(p);
    if (sqlite) {
        try {
            FichierTexte::verifieDansDossierDeTravail(p.base);
        } catch (const ErreurMarivelle& e) {
            throw ErreurJournal(QStringLiteral("Le journal des réponses %1 ne peut pas être ouvert : %2")
                                    .arg(p.nomLisible(), e.message()));
        }
    }
    base_ = QSqlDatabase::addDatabase(p.pilote, nomConnexion_);
    base_.setDatabaseName(p.base);
    if (!p.hote.isEmpty()) base_.setHostName(p.hote);
    if (p.port > 0) base_.setPort(p.port);
    if (!p.utilisateur.isEmpty()) base_.setUserName(p.utilisateur);
    if (!p.motDePasse.isEmpty()) base_.setPassword(p.motDePasse);
    QString options = p.options;
    if (sqlite) options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(p.attenteVerrouMs > 0 ? p.attenteVerrouMs : AttenteVerrouMs);
    else options += (options.isEmpty() ? QString() : QStringLiteral(";")) + AppelBorne::optionsServeur();
    base_.setConnectOptions(options);
    const Borne borne(*this, AppelBorne::Genre::Ecriture);
    if (!base_.open()) echoue(QStringLiteral("ouvert"), base_.lastError());
    try {
        prepareSchema();
    } catch (...) {
        base_.close();
        base_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(nomConnexion_);
        throw;
    }
}

MagasinSql::~MagasinSql() {
    base_.close();
    base_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(nomConnexion_);
}

void MagasinSql::echoue(const QString& action, QString raison, ErreurJournal::Genre genre, EchecSql echec) const {
    if (appel_ && appel_->coupe()) {
        raison = QStringLiteral("le serveur n'a pas répondu dans les %1 secondes (il est surchargé, ou le réseau ne passe "
                                "plus)")
                     .arg(AppelBorne::Delai.count() / 1000);
        genre = ErreurJournal::Genre::HorsDelai;
    }
    throw ErreurJournal(
        QStringLiteral("Le journal des réponses %1 ne peut pas être %2 : %3.").arg(parametres_.nomLisible(), action, raison),
        genre, echec);
}

void MagasinSql::echoue(const QString& action, const QSqlError& erreur) const {
    echoue(action, RaisonSql(erreur), genreDe(erreur), GenreEchecSql(erreur));
}

void MagasinSql::prepareSchema() {
    // A server's tables are the technician's script's.
    if (!estSqlite(parametres_)) return verifieSchemaServeur();
    QSqlQuery q(base_);
    // One writer at a time and no side files: a class folder on a share is no worse than
    // with the other files (never WAL, whose shared memory a network share cannot hold).
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"))) echoue(QStringLiteral("ouvert"), q.lastError());
    // The tables exist already on most openings: look before writing anything.
    if (q.exec(QStringLiteral("SELECT version FROM journal_version")) && q.next()) {
        const int version = q.value(0).toInt();
        if (version > VersionSchema)
            echoue(QStringLiteral("écrit"),
                   QStringLiteral("il a été créé par une version plus récente de Marivelle (schéma %1)").arg(version));
        if (version == VersionSchema) return;
    }
    if (!base_.transaction()) echoue(QStringLiteral("ouvert"), base_.lastError());
    for (const QString& instruction : schema()) {
        if (!q.exec(instruction)) {
            const QSqlError raison = q.lastError();
            base_.rollback();
            echoue(QStringLiteral("préparé"), raison);
        }
    }
    // Version 2 only adds the results table, which the statements above make: the version row
    // is then written or raised, in this transaction.
    const bool aUneVersion = q.exec(QStringLiteral("SELECT version FROM journal_version")) && q.next();
    {
        q.prepare(aUneVersion ? QStringLiteral("UPDATE journal_version SET version = ?")
                              : QStringLiteral("INSERT INTO journal_version (version) VALUES (?)"));
        q.addBindValue(VersionSchema);
        if (!q.exec()) {
            const QSqlError raison = q.lastError();
            base_.rollback();
            echoue(QStringLiteral("préparé"), raison);
        }
    }
    if (!base_.commit()) {
        const QSqlError raison = base_.lastError();
        base_.rollback();
        echoue(QStringLiteral("préparé"), raison);
    }
}

QString MagasinSql::duDossier(const QString& alias) const {
    return estSqlite(parametres_) ? QString() : QStringLiteral(" AND %1dossier IN (?, '')").arg(alias);
}

void MagasinSql::lieDossier(QSqlQuery& requete) const {
    // An empty text, never NULL.
    if (!estSqlite(parametres_)) requete.addBindValue(parametres_.dossier.isNull() ? QStringLiteral("") : parametres_.dossier);
}

qint64 MagasinSql::cleEleve(const QString& enseignant, const QString& eleve, bool cree) {
    const QString cle = enseignant + QChar(0) + eleve;
    if (const auto it = clesEleves_.constFind(cle); it != clesEleves_.constEnd()) return *it;
    QSqlQuery q(base_);
    const bool serveur = !estSqlite(parametres_);
    for (int essai = 0; essai < 2; ++essai) {
        // On a server, the folder's own pupil first, else the pupil of before the identities.
        q.prepare(QStringLiteral("SELECT id FROM journal_eleves WHERE enseignant = ? AND eleve = ?") + duDossier() +
                  (serveur ? QStringLiteral(" ORDER BY dossier = '' LIMIT 1") : QString()));
        q.addBindValue(enseignant);
        q.addBindValue(eleve);
        lieDossier(q);
        if (!q.exec()) echoue(QStringLiteral("lu"), q.lastError());
        if (q.next()) {
            const qint64 id = q.value(0).toLongLong();
            clesEleves_.insert(cle, id);
            return id;
        }
        if (!cree) return -1;
        // Two programs may add the same pupil at once: the second insert does nothing.
        q.prepare(serveur ? QStringLiteral("INSERT INTO journal_eleves (enseignant, eleve, dossier) VALUES (?, ?, ?) "
                                           "ON CONFLICT DO NOTHING")
                          : QStringLiteral("INSERT INTO journal_eleves (enseignant, eleve) VALUES (?, ?) ON CONFLICT DO NOTHING"));
        q.addBindValue(enseignant);
        q.addBindValue(eleve);
        lieDossier(q);
        if (!q.exec()) echoue(QStringLiteral("écrit"), q.lastError());
    }
    echoue(QStringLiteral("écrit"), QStringLiteral("l'élève n'a pas pu y être inscrit"));
}

void MagasinSql::commenceEcriture() {
    if (estSqlite(parametres_)) {
        // Takes the write lock at once (waiting for it under the busy timeout): a transaction
        // that read first could not get it later while another program writes.
        QSqlQuery q(base_);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) echoue(QStringLiteral("écrit"), q.lastError());
        return;
    }
    if (!base_.transaction()) echoue(QStringLiteral("écrit"), base_.lastError());
}

void MagasinSql::ajoute(const EntreeJournal& e) {
    const Borne borne(*this, AppelBorne::Genre::Ecriture);
    commenceEcriture();
    try {
        const qint64 id = cleEleve(e.enseignant, e.eleve, true);
        QSqlQuery q(base_);
        q.prepare(QStringLiteral(
            "INSERT INTO journal_questions (eleve_id, moment, type_exercice, position, creature, temps_reponse, "
            "type_aide, aide_utilisee, bande_utilisee, gauche, operation, droite, resultat, trou, reponse, "
            "juste_premier, essais, ms_premiere, ms_fin, fin_creature) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"));
        for (const QVariant& v : std::initializer_list<QVariant>{
                 id, e.moment, e.typeExercice, e.position, static_cast<int>(e.creature), e.tempsDeReponse, e.typeAide,
                 int(e.aideUtilisee), int(e.bandeUtilisee), e.fait.gauche, static_cast<int>(e.fait.operation),
                 e.fait.droite, e.fait.resultat, e.trou, e.reponse.isNull() ? QStringLiteral("") : e.reponse.left(40),
                 int(e.justePremierCoup), e.essais, e.msPremiere, e.msFin, int(e.finCreature)})
            q.addBindValue(v);
        if (!q.exec()) echoue(QStringLiteral("écrit"), q.lastError());
        // Stored already (a retry): its operations are too.
        if (q.numRowsAffected() > 0) {
            q.prepare(QStringLiteral("INSERT INTO journal_operations (eleve_id, moment, rang, gauche, operation, droite, "
                                     "resultat, action) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
            for (int rang = 0; rang < e.operations.size(); ++rang) {
                const OperationMontree& o = e.operations[rang];
                for (const QVariant& v : std::initializer_list<QVariant>{
                         id, e.moment, rang, o.fait.gauche, static_cast<int>(o.fait.operation), o.fait.droite,
                         o.fait.resultat, static_cast<int>(o.action)})
                    q.addBindValue(v);
                if (!q.exec()) echoue(QStringLiteral("écrit"), q.lastError());
            }
        }
        if (!base_.commit()) echoue(QStringLiteral("écrit"), base_.lastError());
    } catch (...) {
        base_.rollback();
        // A pupil key made in the rolled-back transaction no longer exists.
        clesEleves_.clear();
        throw;
    }
}

QList<EntreeJournal> MagasinSql::entrees(const QString& enseignant, const QString& eleve, qint64 depuis) {
    const Borne borne(*this, AppelBorne::Genre::Lecture);
    QList<EntreeJournal> liste;
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    const QString filtre = eleve.isEmpty() ? QString() : QStringLiteral(" AND e.eleve = ?");
    q.prepare(QStringLiteral("SELECT ") + ColonnesQuestion +
              QStringLiteral(" FROM journal_questions q JOIN journal_eleves e ON e.id = q.eleve_id "
                             "WHERE e.enseignant = ?") +
              duDossier(QStringLiteral("e.")) + filtre + QStringLiteral(" AND q.moment >= ? ORDER BY q.eleve_id, q.moment"));
    q.addBindValue(enseignant);
    lieDossier(q);
    if (!eleve.isEmpty()) q.addBindValue(eleve);
    q.addBindValue(depuis);
    if (!q.exec()) echoue(QStringLiteral("lu"), q.lastError());
    QHash<QPair<qint64, qint64>, qsizetype> avecOperations;
    while (q.next()) {
        EntreeJournal e;
        e.moment = q.value(0).toLongLong();
        e.typeExercice = q.value(1).toInt();
        e.position = q.value(2).toInt();
        e.creature = static_cast<Creature>(q.value(3).toInt());
        e.tempsDeReponse = q.value(4).toInt();
        e.typeAide = q.value(5).toInt();
        e.aideUtilisee = q.value(6).toInt() != 0;
        e.bandeUtilisee = q.value(7).toInt() != 0;
        e.fait = Fait{q.value(8).toInt(), operationDe(q.value(9).toInt()), q.value(10).toInt(), q.value(11).toInt()};
        e.trou = q.value(12).toInt();
        e.reponse = q.value(13).toString();
        e.justePremierCoup = q.value(14).toInt() != 0;
        e.essais = q.value(15).toInt();
        e.msPremiere = q.value(16).toInt();
        e.msFin = q.value(17).toInt();
        e.finCreature = q.value(18).toInt() != 0;
        e.enseignant = q.value(19).toString();
        e.eleve = q.value(20).toString();
        if (e.typeExercice == 3 || e.typeExercice == 4) avecOperations.insert({q.value(21).toLongLong(), e.moment}, liste.size());
        liste.append(std::move(e));
    }
    // A page that cannot be read ends the rows early: that is a failure, never a short list.
    if (q.lastError().isValid()) echoue(QStringLiteral("lu"), q.lastError());
    if (avecOperations.isEmpty()) return liste;
    q.prepare(QStringLiteral("SELECT o.eleve_id, o.moment, o.gauche, o.operation, o.droite, o.resultat, o.action "
                             "FROM journal_operations o JOIN journal_eleves e ON e.id = o.eleve_id "
                             "WHERE e.enseignant = ?") +
              duDossier(QStringLiteral("e.")) + filtre + QStringLiteral(" AND o.moment >= ? ORDER BY o.eleve_id, o.moment, o.rang"));
    q.addBindValue(enseignant);
    lieDossier(q);
    if (!eleve.isEmpty()) q.addBindValue(eleve);
    q.addBindValue(depuis);
    if (!q.exec()) echoue(QStringLiteral("lu"), q.lastError());
    while (q.next()) {
        const auto it = avecOperations.constFind({q.value(0).toLongLong(), q.value(1).toLongLong()});
        if (it == avecOperations.constEnd()) continue;
        liste[*it].operations.append(
            {Fait{q.value(2).toInt(), operationDe(q.value(3).toInt()), q.value(4).toInt(), q.value(5).toInt()},
             static_cast<ActionOperation>(std::clamp(q.value(6).toInt(), 0, 3))});
    }
    if (q.lastError().isValid()) echoue(QStringLiteral("lu"), q.lastError());
    return liste;
}

QList<ReponseResumee> MagasinSql::reponses(const QString& enseignant, qint64 depuis, PartDeClasse part) {
    const Borne borne(*this, AppelBorne::Genre::Lecture);
    QHash<qint64, QString> noms;
    QSqlQuery n(base_);
    n.setForwardOnly(true);
    n.prepare(QStringLiteral("SELECT id, eleve FROM journal_eleves WHERE enseignant = ?") + duDossier());
    n.addBindValue(enseignant);
    lieDossier(n);
    if (!n.exec()) echoue(QStringLiteral("lu"), n.lastError());
    while (n.next()) noms.insert(n.value(0).toLongLong(), n.value(1).toString());
    if (n.lastError().isValid()) echoue(QStringLiteral("lu"), n.lastError());
    // Figures in 64 bits: PostgreSQL's integer arithmetic stops at 32.
    // One query for the class, one shared name per pupil. The columns come packed in two
    // numbers: each value read costs more than the figures drawn from it. A fact beyond the
    // packed ranges (none the settings offer) is read apart.
    QList<ReponseResumee> liste;
    const bool sqlite = estSqlite(parametres_);
    const int nombre = std::max(part.nombre, 1);
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionInt64);
    const QString colonnes = QStringLiteral(
        "SELECT eleve_id, moment, ((((type_exercice * CAST(65536 AS BIGINT) + position) * 4 + operation) * 2 + juste_premier) * 2 "
        "+ fin_creature) * 4294967296 + CASE WHEN ms_fin < 0 THEN 0 ELSE ms_fin + 1 END, "
        "CASE WHEN gauche >= -524288 AND gauche < 524288 AND droite >= -524288 AND droite < 524288 "
        "AND resultat >= -2097152 AND resultat < 2097152 "
        "THEN ((gauche + CAST(524288 AS BIGINT)) * 1048576 + droite + 524288) * 4194304 + resultat + 2097152 ELSE -1 END "
        "FROM journal_questions WHERE moment >= ?");
    if (sqlite) {
        // A class's SQLite file: its table read in stored order is several times quicker than
        // through the key's index (a table lookup per row); the rows of other teachers' pupils are
        // passed over here and the rows put in order below. Shared out by rows stored: each
        // connection scans its own stretch of the table, and a pupil's questions may fall in
        // several parts.
        QSqlQuery etendue(base_);
        if (!etendue.exec(QStringLiteral("SELECT MIN(rowid), MAX(rowid) FROM journal_questions")) || !etendue.next())
            echoue(QStringLiteral("lu"), etendue.lastError());
        const qint64 premiere = etendue.value(0).toLongLong(), largeur = etendue.value(1).toLongLong() - premiere + 1;
        const qint64 debut = premiere + largeur * part.rang / nombre, fin = premiere + largeur * (part.rang + 1) / nombre;
        // The list made once at its size: growing it copies every question already read.
        liste.reserve(std::max<qint64>(0, fin - debut));
        q.prepare(colonnes + (nombre > 1 ? QStringLiteral(" AND rowid >= ? AND rowid < ?") : QString()));
        q.addBindValue(depuis);
        if (nombre > 1) {
            q.addBindValue(debut);
            q.addBindValue(fin);
        }
    } else {
        // A server's table holds the whole school: there the index finds the class, shared out by pupils.
        const QString dansLaPart = nombre > 1 ? QStringLiteral(" AND eleve_id % ? = ?") : QString();
        const QString laClasse = QStringLiteral(" AND eleve_id IN (SELECT id FROM journal_eleves WHERE enseignant = ?") +
                                 duDossier() + QLatin1Char(')');
        const auto lie = [&](QSqlQuery& r) {
            r.addBindValue(depuis);
            r.addBindValue(enseignant);
            lieDossier(r);
            if (nombre > 1) {
                r.addBindValue(qint64(nombre));
                r.addBindValue(qint64(part.rang));
            }
        };
        {
            // Asked first, for the same reason as below.
            QSqlQuery compte(base_);
            compte.prepare(QStringLiteral("SELECT COUNT(*) FROM journal_questions WHERE moment >= ?") + laClasse + dansLaPart);
            lie(compte);
            if (compte.exec() && compte.next()) liste.reserve(compte.value(0).toLongLong());
        }
        q.prepare(colonnes + laClasse + dansLaPart + QStringLiteral(" ORDER BY eleve_id, moment"));
        lie(q);
    }
    if (!q.exec()) echoue(QStringLiteral("lu"), q.lastError());
    QList<QPair<qsizetype, qint64>> aLire;  // the questions whose fact is read apart, and their pupil
    QList<qint64> cles;  // each question's pupil, to put them in order
    cles.reserve(liste.capacity());
    qint64 idCourant = -1;
    QString eleve;
    bool duMaitre = false;
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        if (id != idCourant) {
            idCourant = id;
            const auto it = noms.constFind(id);
            duMaitre = it != noms.constEnd();
            if (duMaitre) eleve = *it;
        }
        if (!duMaitre) continue;
        ReponseResumee r;
        r.eleve = eleve;
        r.moment = q.value(1).toLongLong();
        const qint64 petits = q.value(2).toLongLong();
        r.msFin = int(petits & 0xFFFFFFFF) - 1;
        r.finCreature = ((petits >> 32) & 1) != 0;
        const qint64 codes = petits >> 33;
        r.justePremierCoup = (codes & 1) != 0;
        r.typeExercice = int((codes >> 3) / 65536);
        r.position = int((codes >> 3) % 65536);
        r.fait.operation = operationDe(int((codes >> 1) & 3));
        const qint64 fait = q.value(3).toLongLong();
        if (fait >= 0) {
            r.fait.resultat = int(fait % 4194304) - 2097152;
            r.fait.droite = int((fait / 4194304) % 1048576) - 524288;
            r.fait.gauche = int(fait / 4194304 / 1048576) - 524288;
        } else {
            aLire.append({liste.size(), id});
        }
        liste.append(std::move(r));
        cles.append(id);
    }
    if (q.lastError().isValid()) echoue(QStringLiteral("lu"), q.lastError());
    // After the rows: PostgreSQL drops a forward-only query's rows when another runs meanwhile.
    QSqlQuery apart(base_);
    apart.prepare(QStringLiteral("SELECT gauche, droite, resultat FROM journal_questions WHERE eleve_id = ? AND moment = ?"));
    for (const auto& [i, id] : aLire) {
        ReponseResumee& r = liste[i];
        apart.bindValue(0, id);
        apart.bindValue(1, r.moment);
        if (!apart.exec() || !apart.next()) echoue(QStringLiteral("lu"), apart.lastError());
        r.fait.gauche = apart.value(0).toInt();
        r.fait.droite = apart.value(1).toInt();
        r.fait.resultat = apart.value(2).toInt();
    }
    if (sqlite) rangeParEleve(liste, cles);
    return liste;
}

void MagasinSql::ajouteLigne(const LigneResultat& l) {
    const Borne borne(*this, AppelBorne::Genre::Ecriture);
    QStringList colonnes;
    for (const char* c : ColonnesResultat) colonnes << QString::fromLatin1(c);
    colonnes << QStringLiteral("Classe") << QStringLiteral("Identifiant");
    // A server's row carries its data folder's identity.
    if (!estSqlite(parametres_)) colonnes << QStringLiteral("Dossier");
    QSqlQuery q(base_);
    q.prepare(QStringLiteral("INSERT INTO resultats (") + colonnes.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (?") +
              QStringLiteral(", ?").repeated(colonnes.size() - 1) + QStringLiteral(") ON CONFLICT DO NOTHING"));
    for (qsizetype i = 0; i < qsizetype(std::size(ColonnesResultat)); ++i) q.addBindValue(l.valeurs.value(i));
    q.addBindValue(l.table);
    q.addBindValue(l.identifiant);
    lieDossier(q);
    if (!q.exec()) echoue(QStringLiteral("écrit"), q.lastError());
}

QStringList MagasinSql::eleves(const QString& enseignant) {
    const Borne borne(*this, AppelBorne::Genre::Lecture);
    QSqlQuery q(base_);
    q.prepare(QStringLiteral("SELECT DISTINCT eleve FROM journal_eleves WHERE enseignant = ?") + duDossier() +
              QStringLiteral(" ORDER BY eleve"));
    q.addBindValue(enseignant);
    lieDossier(q);
    if (!q.exec()) echoue(QStringLiteral("lu"), q.lastError());
    QStringList noms;
    while (q.next()) noms << q.value(0).toString();
    if (q.lastError().isValid()) echoue(QStringLiteral("lu"), q.lastError());
    return noms;
}

void MagasinSql::supprimeEleve(const QString& enseignant, const QString& eleve) {
    const Borne borne(*this, AppelBorne::Genre::Ecriture);
    if (!estSqlite(parametres_)) return supprimeEleveServeur(enseignant, eleve);
    const qint64 id = cleEleve(enseignant, eleve, false);
    if (id < 0) return;
    commenceEcriture();
    QSqlQuery q(base_);
    for (const QString& table : {QStringLiteral("journal_operations"), QStringLiteral("journal_questions")}) {
        q.prepare(QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE eleve_id = ?"));
        q.addBindValue(id);
        if (!q.exec()) {
            const QSqlError raison = q.lastError();
            base_.rollback();
            echoue(QStringLiteral("modifié"), raison);
        }
    }
    q.prepare(QStringLiteral("DELETE FROM journal_eleves WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !base_.commit()) {
        const QSqlError raison = q.lastError().isValid() ? q.lastError() : base_.lastError();
        base_.rollback();
        echoue(QStringLiteral("modifié"), raison);
    }
    clesEleves_.clear();
}

void MagasinSql::supprimeEnseignant(const QString& enseignant) {
    for (const QString& eleve : eleves(enseignant)) supprimeEleve(enseignant, eleve);
}
