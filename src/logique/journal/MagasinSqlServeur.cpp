// What only a school server's store does: its tables are the technician's script's (checked
// here, never made by the programs, whose role may not), and a pupil's removal goes through the
// script's function, which deletes that pupil's rows and nothing else.
#include "logique/journal/MagasinSql.h"

#include "logique/sql/EchecSql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

void MagasinSql::verifieSchemaServeur() {
    QSqlQuery q(base_);
    if (!q.exec(QStringLiteral("SELECT max(version) FROM journal_version"))) {
        const QSqlError erreur = q.lastError();
        if (erreur.nativeErrorCode() == QLatin1String("42P01"))  // undefined table
            echoue(QStringLiteral("ouvert"), QStringLiteral("les tables de Marivelle n'y sont pas : le technicien de l'école "
                                                            "lance le script serveur_postgresql.sql sur le serveur"));
        echoue(QStringLiteral("ouvert"), RaisonSql(erreur));
    }
    const int version = q.next() ? q.value(0).toInt() : 0;
    if (version > VersionServeur)
        echoue(QStringLiteral("écrit"),
               QStringLiteral("il a été préparé pour une version plus récente de Marivelle (schéma %1)").arg(version));
    if (version < VersionServeur)
        echoue(QStringLiteral("ouvert"), QStringLiteral("ses tables sont d'une version plus ancienne (schéma %1) : le technicien "
                                                        "de l'école relance le script serveur_postgresql.sql sur le serveur")
                                             .arg(version));
}

void MagasinSql::supprimeEleveServeur(const QString& enseignant, const QString& eleve) {
    QSqlQuery q(base_);
    q.prepare(QStringLiteral("SELECT marivelle_oublie_eleve(?, ?, ?)"));
    lieDossier(q);
    q.addBindValue(enseignant);
    q.addBindValue(eleve);
    if (!q.exec()) echoue(QStringLiteral("modifié"), RaisonSql(q.lastError()));
    clesEleves_.clear();
}
