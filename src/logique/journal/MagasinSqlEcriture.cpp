// The writes: a question and its operations, a results row, a pupil's removal; each in one
// transaction, the pupil's key made on the way.
#include "logique/journal/MagasinSqlInterne.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using MagasinSqlInterne::estSqlite;

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
        q.prepare(serveur
                      ? QStringLiteral("INSERT INTO journal_eleves (enseignant, eleve, dossier) VALUES (?, ?, ?) "
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
        q.prepare(
            QStringLiteral("INSERT INTO journal_questions (eleve_id, moment, type_exercice, position, creature, temps_reponse, "
                           "type_aide, aide_utilisee, bande_utilisee, gauche, operation, droite, resultat, trou, reponse, "
                           "juste_premier, essais, ms_premiere, ms_fin, fin_creature) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"));
        for (const QVariant& v : std::initializer_list<QVariant>{id,
                                                                 e.moment,
                                                                 e.typeExercice,
                                                                 e.position,
                                                                 static_cast<int>(e.creature),
                                                                 e.tempsDeReponse,
                                                                 e.typeAide,
                                                                 int(e.aideUtilisee),
                                                                 int(e.bandeUtilisee),
                                                                 e.fait.gauche,
                                                                 static_cast<int>(e.fait.operation),
                                                                 e.fait.droite,
                                                                 e.fait.resultat,
                                                                 e.trou,
                                                                 e.reponse.isNull() ? QStringLiteral("") : e.reponse.left(40),
                                                                 int(e.justePremierCoup),
                                                                 e.essais,
                                                                 e.msPremiere,
                                                                 e.msFin,
                                                                 int(e.finCreature)})
            q.addBindValue(v);
        if (!q.exec()) echoue(QStringLiteral("écrit"), q.lastError());
        // Stored already (a retry): its operations are too.
        if (q.numRowsAffected() > 0) {
            q.prepare(QStringLiteral("INSERT INTO journal_operations (eleve_id, moment, rang, gauche, operation, droite, "
                                     "resultat, action) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
            for (int rang = 0; rang < e.operations.size(); ++rang) {
                const OperationMontree& o = e.operations[rang];
                for (const QVariant& v :
                     std::initializer_list<QVariant>{id, e.moment, rang, o.fait.gauche, static_cast<int>(o.fait.operation),
                                                     o.fait.droite, o.fait.resultat, static_cast<int>(o.action)})
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
