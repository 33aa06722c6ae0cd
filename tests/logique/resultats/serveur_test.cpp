// A school server takes the results database's rows: the row of each case has, column for column,
// the values the class's SQLite table gets, read back with psql; no local database file is made.
#include "DossierTemporaire.h"
#include "LectureResultats.h"
#include "ServeurPostgres.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/Journal.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/etat/SharedState.h"

#include <QJsonArray>

TEST(ResultatsServeur, EachRowReachesTheServerAsTheClassTableHasIt) {
    if (const QString raison = ServeurPostgres::absent(); !raison.isEmpty()) GTEST_SKIP() << raison.toStdString();
    ServeurPostgres& serveur = ServeurPostgres::commun();
    const QString base = serveur.nouvelleBase();
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    const struct {
        const char* enseignant;
        const char* eleve;
        int erreurs;
        const char* listeErreurs;
    } cas[] = {{"Mme Lebrun", "Zoé Martin", 3, "\r\n3 + 4 = 8\r\n5 - 2 = 4"}, {"aucun", "Robert'); DROP TABLE x;--", 0, ""}};
    DossierTemporaire dossier;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.eleve);
        SharedState e;
        e.NomEnseignant = QString::fromUtf8(c.enseignant);
        e.NomEleve = QString::fromUtf8(c.eleve);
        e.RepertoireClasse = NomsDossier::repertoireClasse(e.NomEnseignant);
        QDir().mkpath(e.RepertoireClasse);
        e.SauvegardeBase = true;
        e.ajouteEntree(7, 1, 10, 2);
        e.TypeExercice = 2;
        e.NombreDeQuestions = 10;
        e.DateHeureDebut = QStringLiteral("06/12/2026 09:36:00");
        e.DateHeureFin = QStringLiteral("06/12/2026 09:37:23");
        PrepareBase(e);
        EcritLigneBase(e, c.erreurs, QString::fromUtf8(c.listeErreurs));
        const QString fichier = e.RepertoireClasse + QStringLiteral("profil_des_eleves_de_") + e.NomEnseignant +
                                QStringLiteral(".sqlite");
        const QJsonObject local = litBase(fichier);
        const QString table = local.keys().value(0);
        QFile::remove(fichier);

        Journal::installeFabrique([p = serveur.parametres(base)](const QString&,
                                                                 const QString&) { return std::make_unique<MagasinSql>(p); },
                                  dossier.chemin() + QStringLiteral("/boite.jsonl"));
        PrepareBase(e);
        EcritLigneBase(e, c.erreurs, QString::fromUtf8(c.listeErreurs));
        Journal::attends();
        Journal::installeFabrique(nullptr);
        EXPECT_FALSE(QFile::exists(fichier));
        const QJsonArray distant =
            QJsonDocument::fromJson(
                serveur
                    .psql(base, QStringLiteral("SELECT json_agg(to_jsonb(r) - 'id' - 'classe' - 'identifiant' - 'dossier' "
                                               "ORDER BY id) FROM resultats r WHERE Classe = '%1'")
                                    .arg(QString(table).replace(QLatin1Char('\''), QStringLiteral("''"))))
                    .toUtf8())
                .array();
        ASSERT_EQ(distant.size(), 1);
        const QJsonObject ligneLocale = local[table].toObject()[QStringLiteral("lignes")].toArray()[0].toObject();
        const QJsonObject ligneDistante = distant[0].toObject();
        EXPECT_EQ(ligneDistante.size(), ligneLocale.size() - 1);  // all but Id
        for (const QString& colonne : ligneLocale.keys()) {
            if (colonne == QLatin1String("Id")) continue;
            EXPECT_EQ(ligneDistante[colonne.toLower()].toVariant().toString(),
                      ligneLocale[colonne].toArray()[0].toVariant().toString())
                << colonne.toStdString();
        }
    }
}
