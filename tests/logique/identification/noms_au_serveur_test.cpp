// Every name the registry accepts fits the columns of the answer journal and of the results on
// both databases: the longest teacher name, and the longest pupil line (with the shortest
// teacher), are written with the widest numbers to a class's SQLite file and to a server made by
// the technician's script, and come back whole (lengths read by Python's sqlite3 and by psql).
#include "DossierTemporaire.h"
#include "ServeurPostgres.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/VerifieNom.h"
#include "logique/resultats/BaseResultats.h"
#include "logique/etat/SharedState.h"

#include <QUuid>
#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace {
// The longest run of one-byte letters the rule accepts (a rule is true for a refused name).
QString plusLong(const std::function<bool(const QString&)>& refuse) {
    QString nom = QStringLiteral("a");
    while (!refuse(nom + QLatin1Char('a'))) nom += QLatin1Char('a');
    return nom;
}

const QString Longueurs = QStringLiteral(
    "SELECT length(Nom_eleve) || ',' || length(Date_debut) || ',' || length(Type_exercice) || ',' || length(Tables) || ',' "
    "|| length(Cas_particulier) || ',' || length(Aide) || ',' || length(Nombre_erreur) || ',' || length(Temps_questions) "
    "|| ',' || length(Bilan) || ',' || length(Date_fin) || ',' || length(Classe) FROM resultats ORDER BY Id");
}  // namespace

TEST(NomsAuServeur, EveryNameTheRegistryAcceptsFitsEveryColumnOnBothDatabases) {
    if (const QString raison = ServeurPostgres::absent(); !raison.isEmpty()) GTEST_SKIP() << raison.toStdString();
    DossierTemporaire dossier;
    const QString enseignantLong = plusLong([](const QString& t) { return VerifieNomEnseignant(t); });
    const QString court = QStringLiteral("A");
    const QString eleveLong = plusLong(
        [&](const QString& nom) { return VerifieNomEleve(nom, Registre::LigneEleve(nom, Registre::Niveaux.last()), court); });
    const QList<QPair<QString, QString>> classes = {{enseignantLong, QStringLiteral("Zoé")},
                                                    {court, Registre::LigneEleve(eleveLong, Registre::Niveaux.last())}};
    QList<EntreeJournal> entrees;
    QList<LigneResultat> lignes;
    QStringList attendues;
    for (const auto& [enseignant, eleve] : classes) {
        SharedState e;
        e.NomEnseignant = enseignant;
        e.NomEleve = eleve;
        e.ajouteEntree(INT_MAX, INT_MIN, INT_MAX, 2);
        e.TypeExercice = 1;
        e.CasDoublesCarres = e.CasSuccesseurs = true;
        e.NombreDeQuestions = INT_MIN;
        e.DateHeureDebut = QStringLiteral("06/12/2026 09:36:00");
        e.DateHeureFin = QStringLiteral("06/12/2026 09:37:23");
        const QVariantList valeurs = BaseResultats::valeurs(e, INT_MIN, QStringLiteral("bilan"));
        lignes << LigneResultat{QUuid::createUuid().toString(QUuid::WithoutBraces), BaseResultats::nomTable(enseignant), valeurs};
        QStringList longueurs;
        for (int i : {0, 1, 3, 4, 5, 6, 8, 10, 11, 12}) longueurs << QString::number(valeurs[i].toString().size());
        attendues << longueurs.join(QLatin1Char(',')) + QLatin1Char(',') + QString::number(lignes.last().table.size());
        entrees << EntreeJournal{.enseignant = enseignant,
                                 .eleve = eleve,
                                 .moment = 1'800'000'000'000,
                                 .fait = {},
                                 .reponse = QString(40, QLatin1Char('9')),
                                 .operations = {}};
    }
    ASSERT_GT(eleveLong.size(), 150);  // far beyond the 50 characters of the first server tables
    ServeurPostgres& serveur = ServeurPostgres::commun();
    const ParametresConnexion pg = serveur.parametres(serveur.nouvelleBase()),
                              sqlite = fichierSqlite(QStringLiteral("journal.sqlite"));
    for (const ParametresConnexion& p : {sqlite, pg}) {
        SCOPED_TRACE(p.pilote.toStdString());
        {
            MagasinSql m(p);
            for (qsizetype i = 0; i < entrees.size(); ++i) {
                m.ajoute(entrees[i]);
                m.ajouteLigne(lignes[i]);
                EXPECT_EQ(m.entrees(entrees[i].enseignant, entrees[i].eleve, 0), QList<EntreeJournal>{entrees[i]});
            }
        }
        const QString lues = p.pilote == QLatin1String("QPSQL")
                                 ? serveur.psql(p.base, Longueurs)
                                 : python({QStringLiteral("-c"),
                                           QStringLiteral("import sqlite3, sys\nfor r in sqlite3.connect("
                                                          "'journal.sqlite').execute(sys.argv[1]): print(r[0])"),
                                           Longueurs});
        EXPECT_EQ(lues.trimmed().split(QLatin1Char('\n')), attendues);
    }
}
