// "marivelle --journal-csv": the real program prints a class's journal without any window.
#include "BorneAttente.h"
#include "DossierTemporaire.h"
#include "journal/Journal.h"
#include "journal/MagasinSql.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(ExportJournal, TheProgramPrintsThePupilsEntriesAsCsvWithoutAWindow) {
    DossierTemporaire dossier;
    QDir().mkpath(QStringLiteral("classe de Mme Léa"));
    {
        ParametresConnexion p;
        p.base = Journal::cheminSqlite(QStringLiteral("Mme Léa"), QStringLiteral("classe de Mme Léa/"));
        MagasinSql m(p);
        for (const QString& eleve : {QStringLiteral("Zoé; la grande"), QStringLiteral("Yanis")}) {
            EntreeJournal e;
            e.enseignant = QStringLiteral("Mme Léa");
            e.eleve = eleve;
            e.moment = QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)).toMSecsSinceEpoch();
            e.fait = Fait{7, Operation::Multiplication, 8, 56};
            e.reponse = QStringLiteral("56");
            e.justePremierCoup = true;
            e.essais = 1;
            e.msPremiere = e.msFin = 1800;
            m.ajoute(e);
        }
    }
    const auto lance = [&](const QStringList& arguments, QByteArray* erreurs = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));  // no display at all: no window may be needed
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MARIVELLE_PROGRAMME), QStringList{dossier.chemin()} + arguments);
        p.waitForFinished(BorneAttenteMs);
        if (erreurs) *erreurs = p.readAllStandardError();
        return std::make_pair(p.exitCode(), p.readAllStandardOutput());
    };
    const auto [code, sortie] = lance({QStringLiteral("--journal-csv"), QStringLiteral("Mme Léa"), QStringLiteral("Zoé; la grande")});
    EXPECT_EQ(code, 0);
    const QList<QByteArray> lignes = sortie.split('\n');
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[0], QByteArray("Enseignant;\xC3\x89l\xC3\xA8ve;Date;Heure;Exercice;Position;Cr\xC3\xA9" "ature;"
                                    "Temps de r\xC3\xA9ponse (s);Aide;Aide utilis\xC3\xA9" "e;Bande num\xC3\xA9rique utilis\xC3\xA9" "e;"
                                    "Fait;Trou;R\xC3\xA9ponse donn\xC3\xA9" "e;Juste du premier coup;Essais;Premi\xC3\xA8re r\xC3\xA9ponse (ms);"
                                    "R\xC3\xA9ponse juste ou fin (ms);Fin par la cr\xC3\xA9" "ature;Op\xC3\xA9rations montr\xC3\xA9" "es\r"));
    EXPECT_EQ(lignes[1], QByteArray("Mme L\xC3\xA9" "a;\"Zo\xC3\xA9; la grande\";07/12/2026;09:05:03;1;libre;aucune;0;1;non;non;7\xC3\x97" "8=56;;56;oui;1;1800;1800;non;\r"));
    QByteArray erreurs;
    EXPECT_EQ(lance({QStringLiteral("--journal-csv"), QStringLiteral("Inconnu")}, &erreurs).first, 1);
    EXPECT_EQ(erreurs, QByteArray("Aucun journal des r\xC3\xA9ponses pour l'enseignant \xC2\xAB Inconnu \xC2\xBB dans \xC2\xAB ") +
                           dossier.chemin().toUtf8() + " \xC2\xBB.\n");
}
