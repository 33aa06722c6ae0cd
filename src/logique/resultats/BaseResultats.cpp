#include "logique/resultats/BaseResultats.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/resultats/ResultatExercice.h"
#include "logique/resultats/TextesResultat.h"
#include "logique/sql/EchecSql.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QSet>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <algorithm>
#include <cerrno>
#include <functional>

namespace {
// How long a connection waits in all for another program's lock: the program waits on its one
// interface thread, so briefly.
constexpr int AttenteVerrouMs = 1500;

const QString Conserve = QStringLiteral(" Son contenu précédent est conservé.");

QString nomFichier(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

QString identifiant(const QString& nom) {
    QString echappe = nom;
    echappe.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + echappe + QLatin1Char('"');
}

// `detail` is a whole sentence, or more than one.
[[noreturn]] void echec(const QString& chemin, const QString& detail) {
    throw ErreurFichier(
        QStringLiteral("Impossible d'enregistrer dans la base de données %1 : %2").arg(nomFichier(chemin), detail));
}

// Why SQLite refused, for the person at the keyboard; the database is left as it was in each case
// (SQLite undoes what a failed statement began).
QString raison(const QSqlError& erreur) {
    switch (GenreEchecSql(erreur)) {
        case EchecSql::Occupe: return QStringLiteral("elle est utilisée par un autre programme.") + Conserve;
        case EchecSql::PasUneBase:
            return QStringLiteral("ce fichier n'est pas une base de données lisible (abîmé, coupé ou d'un autre "
                                  "genre). Il n'a pas été modifié.");
        case EchecSql::Plein: return FichierTexte::raison(ENOSPC) + QLatin1Char('.') + Conserve;
        case EchecSql::Ecriture: return QStringLiteral("le disque a refusé l'écriture (il est peut-être plein).") + Conserve;
        case EchecSql::LectureSeule: return QStringLiteral("le fichier ou le disque est en lecture seule.") + Conserve;
        case EchecSql::Permission: return FichierTexte::raison(EACCES) + QLatin1Char('.') + Conserve;
        case EchecSql::Ouverture: return QStringLiteral("le fichier ne peut pas être ouvert.");
        case EchecSql::TropGrand: return QStringLiteral("un texte est trop long pour la base.") + Conserve;
        case EchecSql::ValeurRefusee: return QStringLiteral("une valeur ne convient pas à sa colonne.") + Conserve;
        case EchecSql::Autre:
            if (CodeSqlite(erreur) >= 0)
                return QStringLiteral("la base de données a refusé l'enregistrement (erreur n° %1).").arg(CodeSqlite(erreur)) +
                       Conserve;
            break;
        default: return RaisonSql(erreur) + QLatin1Char('.') + Conserve;
    }
    return QStringLiteral("la base de données a refusé l'enregistrement.") + Conserve;
}

// The database and the files SQLite keeps beside it are written like every other file: never
// through a link, never outside the working folder.
void verifieFichiers(const QString& chemin) {
    for (const char* suffixe : {"", "-journal", "-wal", "-shm"})
        FichierTexte::verifieDansDossierDeTravail(chemin + QLatin1String(suffixe));
    if (FichierTexte::dossierExiste(chemin)) echec(chemin, FichierTexte::raison(EISDIR) + QLatin1Char('.'));
}

// One open connection and what is left of its time to wait for another program's lock.
class Connexion final {
public:
    Connexion(QSqlDatabase& base, const QString& chemin) : base_(base), chemin_(chemin), fin_(AttenteVerrouMs) {}

    void prepare(QSqlQuery& requete, const QString& texte) {
        attend();
        if (!requete.prepare(texte)) echec(chemin_, raison(requete.lastError()));
    }
    void execute(QSqlQuery& requete) {
        attend();
        if (!requete.exec()) echec(chemin_, raison(requete.lastError()));
    }

    // A table of that name whose columns are not the results' is refused before anything is written.
    void verifieTable(const QString& table) {
        QSqlQuery requete(base_);
        prepare(requete, QStringLiteral("PRAGMA table_info(") + identifiant(table) + QLatin1Char(')'));
        execute(requete);
        QSet<QString> presentes;
        while (requete.next()) presentes.insert(requete.value(1).toString().toLower());
        if (presentes.isEmpty()) return;
        for (const char* colonne : ColonnesResultat)
            if (!presentes.contains(QString::fromLatin1(colonne).toLower()))
                echec(chemin_, QStringLiteral("elle contient déjà une table « %1 » dont les colonnes ne sont pas "
                                              "celles des résultats. Elle n'a pas été modifiée.")
                                   .arg(table));
    }

private:
    // Each statement waits only for what is left of the connection's time.
    void attend() {
        QSqlQuery reglage(base_);
        reglage.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(std::max<qint64>(1, fin_.remainingTime())));
    }

    QSqlDatabase& base_;
    QString chemin_;
    QDeadlineTimer fin_;
};

// Opens a private connection to the file for the time of `travail`, then closes and forgets it.
void avecConnexion(const QString& chemin, const std::function<void(Connexion&, QSqlDatabase&)>& travail) {
    verifieFichiers(chemin);
    static QAtomicInt compteur;
    const QString nom = QStringLiteral("marivelle_resultats_%1").arg(compteur.fetchAndAddRelaxed(1));
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
        base.setDatabaseName(chemin);
        base.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(AttenteVerrouMs));
        struct Fermeture {
            QSqlDatabase& base;
            ~Fermeture() { base.close(); }
        } fermeture{base};
        if (!base.open()) echec(chemin, raison(base.lastError()));
        Connexion connexion(base, chemin);
        travail(connexion, base);
    }
    QSqlDatabase::removeDatabase(nom);
}

// Qt binds a null text as SQL NULL; an empty text is stored as an empty text.
QString texte(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }
}  // namespace

namespace BaseResultats {
QString chemin(const SharedState& e) { return e.RepertoireClasse + NomsDossier::baseResultats(e.NomEnseignant); }

QString nomTable(const QString& enseignant) {
    if (enseignant == QStringLiteral("aucun")) return QStringLiteral("Eleve_sans_enseignant");
    QString nom = enseignant;
    nom.replace(QLatin1Char(' '), QLatin1Char('_'));
    return QStringLiteral("classe_de_") + nom;
}

void prepare(const QString& chemin, const QString& table) {
    const bool nouveau = !FichierTexte::estPresent(chemin);
    try {
        avecConnexion(chemin, [&](Connexion& connexion, QSqlDatabase& base) {
            connexion.verifieTable(table);
            QSqlQuery requete(base);
            connexion.prepare(requete, QStringLiteral("CREATE TABLE IF NOT EXISTS ") + identifiant(table) +
                                           QStringLiteral(" (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nom_eleve VARCHAR(50), "
                                                          "Date_debut VARCHAR(50), Exercice INTEGER, Type_exercice VARCHAR(30), "
                                                          "Tables TEXT, Cas_particulier VARCHAR(30), Aide VARCHAR(30), "
                                                          "Taux_reussite INTEGER, Nombre_erreur VARCHAR(30), Temps INTEGER, "
                                                          "Temps_questions VARCHAR(30), Bilan TEXT, Date_fin VARCHAR(50))"));
            connexion.execute(requete);
        });
    } catch (const ErreurFichier&) {
        // A file this call created holds nothing worth keeping.
        if (nouveau && FichierTexte::existe(chemin)) QFile::remove(chemin);
        throw;
    }
}

QVariantList valeurs(const ResultatExercice& r) {
    using namespace TextesResultat;
    QString eleve = r.eleve;
    eleve.replace(QLatin1Char(' '), QLatin1Char('_'));
    return {texte(eleve),
            texte(r.debut),
            r.numeroExercice,
            texte(type(r.typeExercice)),
            texte(tables(r.tables, FormeBase)),
            cas(r, FormeBase),
            texte(aide(r.typeAide)),
            r.tauxArrondi,
            QStringLiteral("%1 erreurs sur %2").arg(r.erreurs).arg(r.questions),
            r.secondes,
            tempsParQuestion(r) + QStringLiteral(" s par question"),
            texte(r.listeErreurs),
            texte(r.fin)};
}

QVariantList valeurs(const SharedState& etat, int erreurs, const QString& listeErreurs) {
    return valeurs(ResultatExercice::de(etat, erreurs, listeErreurs));
}

LigneResultat ligne(const ResultatExercice& r) {
    return {QUuid::createUuid().toString(QUuid::WithoutBraces), nomTable(r.enseignant), valeurs(r)};
}

void ajouteLigne(const QString& chemin, const QString& table, const ResultatExercice& resultat) {
    avecConnexion(chemin, [&](Connexion& connexion, QSqlDatabase& base) {
        connexion.verifieTable(table);
        QSqlQuery requete(base);
        connexion.prepare(requete,
                          QStringLiteral("INSERT INTO ") + identifiant(table) +
                              QStringLiteral(" (Nom_eleve, Date_debut, Exercice, Type_exercice, Tables, Cas_particulier, "
                                             "Aide, Taux_reussite, Nombre_erreur, Temps, Temps_questions, Bilan, Date_fin) "
                                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& valeur : valeurs(resultat)) requete.addBindValue(valeur);
        connexion.execute(requete);
    });
}
}  // namespace BaseResultats
