// The connection to the store: its options, its opening and closing, the bound of each call to a
// server, and the failures told in French. The schema, the reads and the writes: MagasinSqlSchema.cpp,
// MagasinSqlLecture.cpp, MagasinSqlEcriture.cpp.
#include "logique/journal/MagasinSqlInterne.h"

#include "logique/base/FichierTexte.h"
#include "logique/sql/EchecSql.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

using MagasinSqlInterne::estSqlite;

namespace {
// Short: the writer waits for another program's transaction (a few milliseconds), never for
// long; a store locked longer is reported and the game goes on.
constexpr int AttenteVerrouMs = 2000;

// A record the server refuses for good is set aside by the writer; any other failure waits.
ErreurJournal::Genre genreDe(const QSqlError& erreur) {
    return EchecDefinitif(GenreEchecSql(erreur)) ? ErreurJournal::Genre::Definitif : ErreurJournal::Genre::Passager;
}
}  // namespace

MagasinSql::Borne::Borne(MagasinSql& magasin, AppelBorne::Genre genre) : magasin_(magasin) {
    // A call inside another keeps the outer one's bound.
    if (estSqlite(magasin.parametres_) || magasin.appel_) return;
    appel_.emplace(magasin.base_, genre, magasin.parametres_.port > 0 ? magasin.parametres_.port : 5432);
    magasin.appel_ = &*appel_;
    if (genre == AppelBorne::Genre::Lecture && !magasin.lectureLongue_) {
        QSqlQuery(magasin.base_).exec(AppelBorne::delaiLecture());
        magasin.lectureLongue_ = true;
    }
}

MagasinSql::Borne::~Borne() {
    if (appel_) magasin_.appel_ = nullptr;
}

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
            throw ErreurJournal(
                QStringLiteral("Le journal des réponses %1 ne peut pas être ouvert : %2").arg(p.nomLisible(), e.message()));
        }
    }
    base_ = QSqlDatabase::addDatabase(p.pilote, nomConnexion_);
    base_.setDatabaseName(p.base);
    if (!p.hote.isEmpty()) base_.setHostName(p.hote);
    if (p.port > 0) base_.setPort(p.port);
    if (!p.utilisateur.isEmpty()) base_.setUserName(p.utilisateur);
    if (!p.motDePasse.isEmpty()) base_.setPassword(p.motDePasse);
    QString options = p.options;
    if (sqlite)
        options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(p.attenteVerrouMs > 0 ? p.attenteVerrouMs : AttenteVerrouMs);
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

QString MagasinSql::duDossier(const QString& alias) const {
    return estSqlite(parametres_) ? QString() : QStringLiteral(" AND %1dossier IN (?, '')").arg(alias);
}

void MagasinSql::lieDossier(QSqlQuery& requete) const {
    // An empty text, never NULL.
    if (!estSqlite(parametres_)) requete.addBindValue(parametres_.dossier.isNull() ? QStringLiteral("") : parametres_.dossier);
}
