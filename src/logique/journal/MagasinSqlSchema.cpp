// A class's SQLite file: its tables made, or raised to this program's version, in one transaction
// (a server's are only checked: MagasinSqlServeur.cpp).
#include "logique/journal/MagasinSqlInterne.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using MagasinSqlInterne::estSqlite;

namespace {
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
}  // namespace

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
