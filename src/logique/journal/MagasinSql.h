#pragma once
// The journal in an SQL database through Qt SQL. The statements are plain SQL that SQLite and
// PostgreSQL both read; what differs between them (the pupil's key column, the connection's
// options) is chosen from the driver name in one place. Schema: docs/journal.md.
#include "logique/journal/AppelBorne.h"
#include "logique/journal/MagasinJournal.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>

class QSqlQuery;

struct ParametresConnexion {
    QString pilote = QStringLiteral("QSQLITE");  // or "QPSQL"
    QString base;                                // SQLite: the file; PostgreSQL: the database name
    QString hote;
    int port = 0;
    QString utilisateur;
    QString motDePasse;
    QString options;          // driver connect options (PostgreSQL: "sslmode=require;connect_timeout=3")
    int attenteVerrouMs = 0;  // SQLite: how long a statement waits for another program's lock (0: 2 s)
    // A server: the data folder's identity, carried by its pupils and rows, which are the only
    // ones it reads (with those of before the identities, ''). Empty: those only.
    QString dossier;
    // What a message calls the store: the file, or the server and its database.
    QString nomLisible() const;
};

class MagasinSql final : public MagasinJournal {
public:
    // Opens the connection and makes the tables when they are missing.
    explicit MagasinSql(const ParametresConnexion& parametres);
    ~MagasinSql() override;
    MagasinSql(const MagasinSql&) = delete;
    MagasinSql& operator=(const MagasinSql&) = delete;

    void ajoute(const EntreeJournal& entree) override;
    void ajouteLigne(const LigneResultat& ligne) override;
    QList<EntreeJournal> entrees(const QString& enseignant, const QString& eleve, qint64 depuis) override;
    QList<ReponseResumee> reponses(const QString& enseignant, qint64 depuis = 0, PartDeClasse part = {}) override;
    QStringList eleves(const QString& enseignant) override;
    void supprimeEleve(const QString& enseignant, const QString& eleve) override;
    void supprimeEnseignant(const QString& enseignant) override;

    // The schema version this program writes in a class's file, and the one it needs on a server.
    static constexpr int VersionSchema = 2;
    static constexpr int VersionServeur = 3;

private:
    void prepareSchema();
    // A server (MagasinSqlServeur.cpp): its tables are checked, never made; a pupil's removal
    // goes through the script's function.
    void verifieSchemaServeur();
    void supprimeEleveServeur(const QString& enseignant, const QString& eleve);
    void commenceEcriture();
    // The pupil's key, made when `cree` and the pupil has none yet; -1 when there is none.
    qint64 cleEleve(const QString& enseignant, const QString& eleve, bool cree);
    // The reason, its kind (the record waits, the server hung, the record is refused for good)
    // and what failed (a lock, a damaged file...).
    [[noreturn]] void echoue(const QString& action, const QSqlError& erreur) const;
    // On a server, " AND <alias>dossier IN (?, '')" (the data folder's pupils and those of before
    // the identities), bound by lieDossier; nothing on a class's SQLite file.
    QString duDossier(const QString& alias = {}) const;
    void lieDossier(QSqlQuery& requete) const;
    [[noreturn]] void echoue(const QString& action, QString raison, ErreurJournal::Genre genre = ErreurJournal::Genre::Passager,
                             EchecSql echec = EchecSql::Autre) const;
    // A call to a server, bounded (AppelBorne); nothing on an SQLite file.
    struct Borne;

    ParametresConnexion parametres_;
    QString nomConnexion_;
    QSqlDatabase base_;
    QHash<QString, qint64> clesEleves_;
    const AppelBorne* appel_ = nullptr;  // the call under way
    bool lectureLongue_ = false;         // the server's statement timeout is a read's
};
