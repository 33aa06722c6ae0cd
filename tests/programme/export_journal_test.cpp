// "marivelle --journal-csv": the real program prints a class's journal without any window.
#include "logique/base/CelluleCsv.h"
#include "BorneAttente.h"
#include "DossierTemporaire.h"
#include "ServeurPostgres.h"
#include "logique/journal/ExportCsv.h"
#include "logique/journal/Journal.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(ExportJournal, TheProgramPrintsThePupilsEntriesAsCsvWithoutAWindow) {
    DossierTemporaire dossier;
    QDir().mkpath(QStringLiteral("classe de Mme Léa"));
    {
        MagasinSql m(fichierSqlite(Journal::cheminSqlite(QStringLiteral("Mme Léa"), QStringLiteral("classe de Mme Léa/"))));
        // Every column its own value, none empty (exercise 4: its target, the operations shown).
        for (const QString& eleve : {QStringLiteral("Zoé; la grande"), QStringLiteral("Yanis")})
            m.ajoute({.enseignant = QStringLiteral("Mme Léa"),
                      .eleve = eleve,
                      .moment = QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)).toMSecsSinceEpoch(),
                      .typeExercice = 4,
                      .position = 3,
                      .creature = Creature::Pirate,
                      .tempsDeReponse = 15,
                      .typeAide = 2,
                      .aideUtilisee = true,
                      .fait = Fait{7, Operation::Multiplication, 8, 56},
                      .trou = 1,
                      .reponse = QStringLiteral("65"),
                      .essais = 5,
                      .msPremiere = 1800,
                      .msFin = 4100,
                      .finCreature = true,
                      .operations = {{Fait{2, Operation::Addition, 5, 7}, ActionOperation::Laissee},
                                     {Fait{6, Operation::Addition, 3, 9}, ActionOperation::Intrus}}});
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
    const auto [code,
                sortie] = lance({QStringLiteral("--journal-csv"), QStringLiteral("Mme Léa"), QStringLiteral("Zoé; la grande")});
    EXPECT_EQ(code, 0);
    const QList<QByteArray> lignes = sortie.split('\n');
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[0], QByteArray("Enseignant;\xC3\x89l\xC3\xA8ve;Date;Heure;Exercice;Position;Cr\xC3\xA9"
                                    "ature;"
                                    "Temps de r\xC3\xA9ponse (s);Aide;Aide utilis\xC3\xA9"
                                    "e;Bande num\xC3\xA9rique utilis\xC3\xA9"
                                    "e;"
                                    "Fait;Trou;R\xC3\xA9ponse donn\xC3\xA9"
                                    "e;Juste du premier coup;Essais;Premi\xC3\xA8re r\xC3\xA9ponse (ms);"
                                    "R\xC3\xA9ponse juste ou fin (ms);Fin par la cr\xC3\xA9"
                                    "ature;Op\xC3\xA9rations montr\xC3\xA9"
                                    "es\r"));
    EXPECT_EQ(QString::fromUtf8(lignes[1]),
              u("Mme Léa;\"Zoé; la grande\";07/12/2026;09:05:03;4;3;pirate;15;2;oui;non;'= 56;gauche;"
                "65;non;5;1800;4100;oui;2+5=7 (laissée), 6+3=9 (cliquée comme intrus)\r"));
    // A field holding the separator, a quote or a line break is quoted, its quotes doubled.
    for (const auto& [texte, champ] : {std::pair{"a;b", "\"a;b\""},
                                       {"dit \"oui\"", "\"dit \"\"oui\"\"\""},
                                       {"a\nb", "\"a\nb\""},
                                       {"a\rb", "\"a\rb\""},
                                       {"Zoé", "Zoé"}})
        EXPECT_EQ(CelluleCsv::texte(u(texte)), u(champ));
    QByteArray erreurs;
    EXPECT_EQ(lance({QStringLiteral("--journal-csv"), QStringLiteral("Inconnu")}, &erreurs).first, 1);
    EXPECT_EQ(erreurs,
              QByteArray("Aucun journal des r\xC3\xA9ponses pour l'enseignant \xC2\xAB Inconnu \xC2\xBB dans \xC2\xAB ") +
                  dossier.chemin().toUtf8() + " \xC2\xBB.\n");

    // The pages of the pupils' names (table and index) overwritten: the rest is printed, and the
    // error output says what could be read.
    const QString fichier = Journal::cheminSqlite(QStringLiteral("Mme Léa"), QStringLiteral("classe de Mme Léa/"));
    abimeTable(fichier, QStringLiteral("journal_eleves"));
    const auto [codeAbime, sortieAbime] = lance({QStringLiteral("--journal-csv"), QStringLiteral("Mme Léa")}, &erreurs);
    EXPECT_EQ(codeAbime, 0);
    EXPECT_EQ(sortieAbime.count("\n"), 3);
    EXPECT_TRUE(sortieAbime.contains("Mme L\xC3\xA9"
                                     "a;\xC3\xA9l\xC3\xA8ve non retrouv\xC3\xA9 n\xC2\xB0 1;07/12/2026;"))
        << sortieAbime.toStdString();
    EXPECT_TRUE(
        erreurs.contains(" est ab\xC3\xAEm\xC3\xA9 : 2 questions ont pu \xC3\xAAtre lues ; aucune n'a \xC3\xA9t\xC3\xA9 perdue."))
        << erreurs.toStdString();
}
