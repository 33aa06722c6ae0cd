// The reads: questions in full with their operations, the whole class's questions in short (in
// parts read side by side), the class's pupils.
#include "logique/journal/MagasinSqlInterne.h"
#include "logique/journal/ReponsesTassees.h"

#include <algorithm>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using MagasinSqlInterne::estSqlite;

namespace {
const QString ColonnesQuestion = QStringLiteral(
    "q.moment, q.type_exercice, q.position, q.creature, q.temps_reponse, q.type_aide, q.aide_utilisee, "
    "q.bande_utilisee, q.gauche, q.operation, q.droite, q.resultat, q.trou, q.reponse, q.juste_premier, q.essais, "
    "q.ms_premiere, q.ms_fin, q.fin_creature, e.enseignant, e.eleve, q.eleve_id");

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
              duDossier(QStringLiteral("e.")) + filtre +
              QStringLiteral(" AND o.moment >= ? ORDER BY o.eleve_id, o.moment, o.rang"));
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
    // One query for the class, one shared name per pupil, the columns packed in two numbers
    // (`ReponsesTassees`); a fact beyond the packed ranges (none the settings offer) is read apart.
    QList<ReponseResumee> liste;
    const bool sqlite = estSqlite(parametres_);
    const int nombre = std::max(part.nombre, 1);
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionInt64);
    const QString colonnes = QStringLiteral("SELECT eleve_id, moment, ") + ReponsesTassees::sqlCodes() + QStringLiteral(", ") +
                             ReponsesTassees::sqlFait() + QStringLiteral(" FROM journal_questions WHERE moment >= ?");
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
    QList<qint64> cles;                     // each question's pupil, to put them in order
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
        ReponsesTassees::litCodes(q.value(2).toLongLong(), r);
        if (!ReponsesTassees::litFait(q.value(3).toLongLong(), r.fait)) aLire.append({liste.size(), id});
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
