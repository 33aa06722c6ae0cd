#include "results/BaseResultats.h"

#include "base/Erreurs.h"
#include "state/SharedState.h"
#include "results/TextesResultat.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>

namespace {
// How long a writer waits for another program's transaction before giving up.
constexpr int AttenteVerrouMs = 15000;

QString nomFichier(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

QString identifiant(const QString& nom) {
    QString echappe = nom;
    echappe.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + echappe + QLatin1Char('"');
}

[[noreturn]] void echec(const QString& chemin, const QString& detail) {
    throw ErreurFichier(
        QStringLiteral("Impossible d'enregistrer dans la base de données %1 : %2").arg(nomFichier(chemin), detail));
}

// Opens a private connection to the file for the time of `travail`, then closes and forgets it.
void avecConnexion(const QString& chemin, const std::function<void(QSqlDatabase&)>& travail) {
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
        if (!base.open()) echec(chemin, base.lastError().text());
        travail(base);
    }
    QSqlDatabase::removeDatabase(nom);
}

// Qt binds a null text as SQL NULL; an empty text is stored as an empty text.
QString texte(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

void execute(QSqlQuery& requete, const QString& chemin) {
    if (!requete.exec()) echec(chemin, requete.lastError().text());
}
}  // namespace

namespace BaseResultats {
QString chemin(const SharedState& e) {
    return e.RepertoireClasse + QStringLiteral("profil_des_eleves_de_") + e.NomEnseignant + QStringLiteral(".sqlite");
}

QString nomTable(const QString& enseignant) {
    if (enseignant == QStringLiteral("aucun")) return QStringLiteral("Eleve_sans_enseignant");
    QString nom = enseignant;
    nom.replace(QLatin1Char(' '), QLatin1Char('_'));
    return QStringLiteral("classe_de_") + nom;
}

void prepare(const QString& chemin, const QString& table) {
    const bool nouveau = !QFile::exists(chemin);
    try {
        avecConnexion(chemin, [&](QSqlDatabase& base) {
            QSqlQuery requete(base);
            requete.prepare(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + identifiant(table) +
                            QStringLiteral(" (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nom_eleve VARCHAR(50), "
                                           "Date_debut VARCHAR(50), Exercice INTEGER, Type_exercice VARCHAR(30), "
                                           "Tables TEXT, Cas_particulier VARCHAR(30), Aide VARCHAR(30), "
                                           "Taux_reussite INTEGER, Nombre_erreur VARCHAR(30), Temps INTEGER, "
                                           "Temps_questions VARCHAR(30), Bilan TEXT, Date_fin VARCHAR(50))"));
            execute(requete, chemin);
        });
    } catch (const ErreurFichier&) {
        // A file this call created holds nothing worth keeping.
        if (nouveau) QFile::remove(chemin);
        throw;
    }
}

void ajouteLigne(const QString& chemin, const QString& table, const SharedState& e, int erreurs,
                 const QString& bilan) {
    using namespace TextesResultat;
    QString eleve = e.NomEleve;
    eleve.replace(QLatin1Char(' '), QLatin1Char('_'));
    avecConnexion(chemin, [&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        requete.prepare(QStringLiteral("INSERT INTO ") + identifiant(table) +
                        QStringLiteral(" (Nom_eleve, Date_debut, Exercice, Type_exercice, Tables, Cas_particulier, "
                                       "Aide, Taux_reussite, Nombre_erreur, Temps, Temps_questions, Bilan, Date_fin) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        requete.addBindValue(texte(eleve));
        requete.addBindValue(texte(e.DateHeureDebut));
        requete.addBindValue(e.NumeroExercice);
        requete.addBindValue(texte(type(e.TypeExercice)));
        requete.addBindValue(texte(tables(e, FormeBase)));
        requete.addBindValue(cas(e, FormeBase));
        requete.addBindValue(texte(aide(e.TypeAide)));
        requete.addBindValue(tauxArrondi(e.NombreDeQuestions, erreurs));
        requete.addBindValue(QStringLiteral("%1 erreurs sur %2").arg(erreurs).arg(e.NombreDeQuestions));
        requete.addBindValue(secondes(e));
        requete.addBindValue(tempsParQuestion(e) + QStringLiteral(" s par question"));
        requete.addBindValue(texte(bilan));
        requete.addBindValue(texte(e.DateHeureFin));
        execute(requete, chemin);
    });
}
}  // namespace BaseResultats
