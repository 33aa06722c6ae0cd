// The answer journal's store, on an SQLite file and on a throw-away PostgreSQL server: what goes
// in comes back, a retry never stores twice, a pupil's deletion leaves nothing of theirs; read
// back independently, with Python's own sqlite3 and with psql.
#include "DossierTemporaire.h"
#include "ServeurPostgres.h"
#include "Enfant.h"
#include "MessageDe.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "logique/journal/EnvoisDifferes.h"
#include "logique/journal/Journal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
const QString Lea = QStringLiteral("Mme Léa O'Brien"), Zoe = QStringLiteral("Zoé"),
              Robert = QStringLiteral("Robert'); DROP TABLE x;--");

QString litAvecPython(const QString& fichier) {
    return python({QStringLiteral(MARIVELLE_DOSSIER_TESTS "/lit_journal.py"), fichier});
}

EntreeJournal exemple(const QString& eleve, qint64 moment) {
    return {.enseignant = Lea,
            .eleve = eleve,
            .moment = moment,
            .typeExercice = 2,
            .position = 3,
            .creature = Creature::Pirate,
            .tempsDeReponse = 15,
            .typeAide = 2,
            .aideUtilisee = true,
            .fait = Fait{7, Operation::Multiplication, 8, 56},
            .trou = 2,
            .reponse = QStringLiteral("9"),
            .essais = 2,
            .msPremiere = 2500,
            .msFin = 4100,
            .operations = {}};
}

// The same lines as lit_journal.py, from the server.
const QString RequeteJournal = QString::fromUtf8(
    "SELECT e.eleve, q.moment, q.type_exercice, q.gauche || substr('+-×÷', q.operation + 1, 1) || q.droite || '=' || "
    "q.resultat, q.reponse, q.juste_premier, q.essais, q.ms_premiere, q.ms_fin, q.fin_creature, q.trou, q.aide_utilisee, "
    "q.bande_utilisee, q.position, q.creature, q.temps_reponse, coalesce((SELECT string_agg(o.gauche || "
    "substr('+-×÷', o.operation + 1, 1) || o.droite || '=' || o.resultat || ':' || o.action, ',' ORDER BY o.rang) "
    "FROM journal_operations o WHERE o.eleve_id = q.eleve_id AND o.moment = q.moment), '') "
    "FROM journal_questions q JOIN journal_eleves e ON e.id = q.eleve_id ORDER BY q.moment");
}  // namespace

// Each store test runs on both databases; without PostgreSQL its half is skipped, saying why.
class MagasinSurDeuxBases : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!serveur()) return;
        if (const QString raison = ServeurPostgres::absent(); !raison.isEmpty()) GTEST_SKIP() << raison.toStdString();
        base_ = ServeurPostgres::commun().nouvelleBase();
    }
    bool serveur() const { return QLatin1String(GetParam()) == QLatin1String("QPSQL"); }
    ParametresConnexion parametres() const {
        return serveur() ? ServeurPostgres::commun().parametres(base_) : fichierSqlite(QStringLiteral("j.sqlite"));
    }
    // The questions as the independent reader sees them.
    QString journal() const {
        return serveur() ? ServeurPostgres::commun().psql(base_, RequeteJournal) : litAvecPython(QStringLiteral("j.sqlite"));
    }
    QString lignesResultats() const {
        const QString sql = QStringLiteral("SELECT count(*) FROM resultats");
        if (serveur()) return ServeurPostgres::commun().psql(base_, sql).trimmed();
        return python({QStringLiteral("-c"),
                       QStringLiteral("import sqlite3; print(sqlite3.connect('j.sqlite').execute('%1').fetchone()[0])").arg(sql)})
            .trimmed();
    }
    QString base_;
    DossierTemporaire dossier_;
};

INSTANTIATE_TEST_SUITE_P(Bases, MagasinSurDeuxBases, testing::Values("QSQLITE", "QPSQL"),
                         [](const auto& info) { return std::string(info.param + 1); });

TEST_P(MagasinSurDeuxBases, WhatGoesInComesBackAndARetryStoresNothingTwice) {
    EntreeJournal intrus = exemple(Zoe, 1'800'000'000'123);
    intrus.typeExercice = 3;
    intrus.trou = 0;
    intrus.reponse.clear();
    intrus.fait = Fait{6, Operation::Addition, 3, 9};
    intrus.operations = {{Fait{2, Operation::Addition, 5, 7}, ActionOperation::Laissee},
                         {Fait{6, Operation::Addition, 3, 9}, ActionOperation::Intrus},
                         {Fait{3, Operation::Addition, 4, 7}, ActionOperation::Laissee}};
    {
        MagasinSql m(parametres());
        m.ajoute(exemple(Robert, 1'800'000'000'000));
        m.ajoute(intrus);
        m.ajoute(intrus);  // a retry
        EXPECT_EQ(m.eleves(Lea), QStringList({Robert, Zoe}));
        const QList<EntreeJournal> zoe = m.entrees(Lea, Zoe, 0);
        ASSERT_EQ(zoe.size(), 1);
        EXPECT_EQ(zoe[0], intrus);
        EXPECT_EQ(m.entrees(Lea, {}, 1'800'000'000'001).size(), 1);
        EXPECT_TRUE(m.entrees(QStringLiteral("Autre"), {}, 0).isEmpty());
        // The views' quick read gives what the full entries give, on both databases.
        const auto rapide = m.reponses(Lea, 0), complet = m.MagasinJournal::reponses(Lea, 0);
        ASSERT_EQ(rapide.size(), 2);
        for (qsizetype i = 0; i < 2; ++i)
            EXPECT_TRUE(rapide[i].eleve == complet[i].eleve && rapide[i].moment == complet[i].moment &&
                        rapide[i].fait == complet[i].fait && rapide[i].typeExercice == complet[i].typeExercice &&
                        rapide[i].position == complet[i].position && rapide[i].msFin == complet[i].msFin &&
                        rapide[i].justePremierCoup == complet[i].justePremierCoup &&
                        rapide[i].finCreature == complet[i].finCreature)
                << i;
        // A results row delivered twice (the answer to the first delivery lost) is kept once.
        const LigneResultat ligne{QUuid::createUuid().toString(), QStringLiteral("classe_de_Léa"), {Zoe, 1}};
        m.ajouteLigne(ligne);
        m.ajouteLigne(ligne);
    }
    EXPECT_EQ(lignesResultats(), QStringLiteral("1"));
    EXPECT_EQ(journal(), QString::fromUtf8("Robert'); DROP TABLE x;--|1800000000000|2|7×8=56|9|0|2|2500|4100|0|2|1|0|3|2|15|\n"
                                           "Zoé|1800000000123|3|6+3=9||0|2|2500|4100|0|0|1|0|3|2|15|2+5=7:3,6+3=9:1,3+4=7:3\n"));
    {
        MagasinSql m(parametres());
        m.supprimeEleve(Lea, Zoe);
        m.supprimeEleve(Lea, QStringLiteral("Personne"));
    }
    EXPECT_EQ(journal(), QString::fromUtf8("Robert'); DROP TABLE x;--|1800000000000|2|7×8=56|9|0|2|2500|4100|0|2|1|0|3|2|15|\n"));
    {
        // A fact beyond the quick read's packed ranges is read apart, after the rows that follow it.
        MagasinSql m(parametres());
        EntreeJournal loin = exemple(Zoe, 1'800'000'000'500);
        loin.fait = {600000, Operation::Division, -3, -200000};
        loin.finCreature = true;
        loin.position = 0;
        loin.typeExercice = 5;
        loin.msFin = -1;  // never right
        m.ajoute(loin);
        EntreeJournal bord = exemple(Zoe, 1'800'000'000'600);
        bord.fait = {-524288, Operation::Soustraction, 524287, -1048575};  // the packed ranges' ends
        m.ajoute(bord);
        // Stored mixed and out of time order (a computer's outbox delivered late): read by pupil, oldest first.
        m.ajoute(exemple(Zoe, 1'800'000'000'300));
        m.ajoute(exemple(Robert, 1'800'000'000'700));
        const auto lus = m.reponses(Lea, 0);
        QStringList ordre;
        for (const ReponseResumee& r : lus) ordre << r.eleve.left(1) + QString::number(r.moment % 1000);
        EXPECT_EQ(ordre.join(QLatin1Char(' ')), QStringLiteral("R0 R700 Z300 Z500 Z600"));
        ASSERT_EQ(lus.size(), 5);
        EXPECT_TRUE(lus[3].fait == loin.fait && lus[3].finCreature && lus[3].position == 0 && lus[3].eleve == Zoe &&
                    lus[3].typeExercice == 5 && lus[3].msFin == -1);
        EXPECT_TRUE(lus[4].fait == bord.fait && lus[4].moment == bord.moment && !lus[4].finCreature);
        // Read in three parts, each question comes once.
        QStringList parParts;
        for (int rang = 0; rang < 3; ++rang)
            for (const ReponseResumee& r : m.reponses(Lea, 0, {rang, 3}))
                parParts << r.eleve.left(1) + QString::number(r.moment % 1000);
        parParts.sort();
        EXPECT_EQ(parParts.join(QLatin1Char(' ')), QStringLiteral("R0 R700 Z300 Z500 Z600"));
        EXPECT_EQ(m.MagasinJournal::reponses(Lea, 0, {1, 2}).size(), 0);
    }
}

// A named pipe given as the journal is told for what it is, not as a full disk.
TEST(Magasin, FailuresAreToldInFrenchAndLeaveTheFileAsItWas) {
    DossierTemporaire dossier;
    const QByteArray texte = "Ceci n'est pas une base.\n";
    ecritOctets(QStringLiteral("pas_une_base.sqlite"), texte);
    QFile::link(QStringLiteral("/tmp/ailleurs.sqlite"), QStringLiteral("lien.sqlite"));
    ASSERT_EQ(::mkfifo("tube.sqlite", 0600), 0);
    const struct {
        const char* fichier;
        const char* attendu;
    } cas[] = {
        {"pas_une_base.sqlite",
         "Le journal des réponses « pas_une_base.sqlite » ne peut pas être ouvert : ce fichier n'est pas une base de données lisible."},
        {"lien.sqlite", "Le journal des réponses « lien.sqlite » ne peut pas être ouvert : "},
        {"tube.sqlite", "ce n'est pas un fichier ordinaire mais un tube nommé"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier);
        const QString message = messageDe<ErreurJournal>([&] { MagasinSql m(fichierSqlite(QString::fromUtf8(c.fichier))); });
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.attendu))) << message.toStdString();
    }
    EXPECT_EQ(octetsDe(QStringLiteral("pas_une_base.sqlite")), texte);
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/ailleurs.sqlite")));
}

// The recorder: the anonymous pupil leaves nothing, a frozen clock still gives each question its
// own key. (A journal that cannot be written: journal_qtest.cpp.)
TEST(Journal, RecorderKeepsEveryNamedQuestion) {
    DossierTemporaire dossier;
    Horloge::fixe(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    QDir().mkpath(QStringLiteral("classe de Mme Léa O'Brien"));
    const QString classe = QStringLiteral("classe de Mme Léa O'Brien/");
    for (const QString& eleve : {Zoe, QStringLiteral("eleve sans_id"), Zoe}) {
        EntreeJournal e = exemple(eleve, Journal::momentUnique());
        Journal::ecrit(e, classe);
    }
    Journal::attends();
    const auto m = Journal::ouvre(Lea, classe);
    const QList<EntreeJournal> lues = m->entrees(Lea, {}, 0);
    ASSERT_EQ(lues.size(), 2);
    EXPECT_EQ(lues[1].moment, lues[0].moment + 2);  // the anonymous question took one moment
    EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(lues[0].moment), QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
}

// The outbox: records another program of this computer left there reach the server before a new
// one, and a question with each field its own value comes through as it was written; while the
// server is down, a delivery tried keeps every record, in order.
TEST(EnvoisDifferes, WaitingRecordsLeaveFirstAndADeliveryTriedWhileTheServerIsDownKeepsThemAll) {
    if (const QString raison = ServeurPostgres::absent(); !raison.isEmpty()) GTEST_SKIP() << raison.toStdString();
    DossierTemporaire dossier;
    ServeurPostgres& serveur = ServeurPostgres::commun();
    const QString base = serveur.nouvelleBase();
    const ParametresConnexion p = serveur.parametres(base);
    EnvoisDifferes differes(QStringLiteral("boite.jsonl"));
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    Journal::arrete();  // closes a server's store an earlier test left open
    Journal::installeFabrique([p](const QString&, const QString&) { return std::make_unique<MagasinSql>(p); }, differes.chemin());
    const auto envoie = [] {  // once the records are taken; also ends the pause after a failure
        Journal::attends();
        Journal::renvoie();
        Journal::attends();
    };
    // The next test finds the server up (the writer is put back after each test).
    const auto fin = qScopeGuard([&] { serveur.demarre(); });
    envoie();
    const auto ligne = [](int n) {
        return LigneResultat{QString::number(n), u("classe_de_Léa"), {u("Zoé"), u("07/12/2026 09:00:00"), n}};
    };
    const EntreeJournal e{.enseignant = u("Mme Léa O'Brien"),
                          .eleve = u("Zoé"),
                          .moment = 1'800'000'000'000,
                          .typeExercice = 4,
                          .position = 7,
                          .creature = Creature::Requin,
                          .tempsDeReponse = 15,
                          .typeAide = 3,
                          .aideUtilisee = true,
                          .fait = {7, Operation::Multiplication, 8, 56},
                          .trou = 2,
                          .reponse = u("9"),
                          .essais = 6,
                          .msPremiere = 2500,
                          .msFin = 4100,
                          .finCreature = true,
                          .operations = {{{2, Operation::Addition, 5, 7}, ActionOperation::Laissee},
                                         {{6, Operation::Addition, 3, 9}, ActionOperation::Intrus}}};
    differes.ajoute(ligne(1));
    differes.ajoute(e);
    Journal::ecritLigne(ligne(2));
    envoie();
    EXPECT_EQ(serveur.psql(base, u("SELECT string_agg(Exercice::text, ',' ORDER BY Id) FROM resultats")), u("1,2\n"));
    EXPECT_EQ(serveur.psql(base, RequeteJournal),
              QString::fromUtf8("Zoé|1800000000000|4|7×8=56|9|0|6|2500|4100|1|2|1|0|7|1|15|2+5=7:3,6+3=9:1\n"));
    const QList<EntreeJournal> lues = MagasinSql(p).entrees(e.enseignant, {}, 0);  // the fields psql does not show
    EXPECT_TRUE(lues == QList<EntreeJournal>{e}) << "type d'aide " << lues.value(0).typeAide;

    serveur.arrete();
    Journal::ecritLigne(ligne(3));
    Journal::ecritLigne(ligne(4));
    envoie();
    EXPECT_EQ(QString::fromUtf8(octetsDe(differes.chemin())),
              QString::fromUtf8(EnvoisDifferes::enLigne(ligne(3)) + '\n' + EnvoisDifferes::enLigne(ligne(4)) + '\n'));
}

// A full disk (files limited in size) loses the question being written, never what was stored,
// and says so in French; two programs writing for two pupils at once lose nothing, even forked
// from a program whose writer has run.
TEST(Magasin, AFullDiskKeepsWhatWasStoredAndTwoProgramsLoseNothing) {
    DossierTemporaire dossier;
    const QString fichier = QStringLiteral("j.sqlite");
    { MagasinSql m(fichierSqlite(fichier)); }
    const int code = dansUnEnfant([&] {
        limiteTailleFichiers(QFileInfo(fichier).size() + 16 * 1024);
        MagasinSql m(fichierSqlite(fichier));
        for (int i = 0; i < 100000; ++i) {
            try {
                m.ajoute(exemple(Zoe, i));
            } catch (const ErreurJournal& e) {
                if (e.message().contains(QString::fromUtf8("ne peut pas être écrit : le disque est plein"))) return 100 + i % 100;
                std::fprintf(stderr, "%s\n", qPrintable(e.message()));
                return 1;
            }
        }
        return 2;
    });
    ASSERT_GE(code, 100);
    {
        MagasinSql m(fichierSqlite(fichier));
        const QList<EntreeJournal> lues = m.entrees(Lea, {}, 0);
        ASSERT_FALSE(lues.isEmpty());
        EXPECT_EQ(lues.size() % 100, code - 100);  // every question written before the failure
        EXPECT_EQ(lues.last(), exemple(Zoe, lues.size() - 1));
    }
    QFile::remove(fichier);
    // The children start from a program whose writer has run.
    Journal::ecrit(exemple(Robert, 1), QStringLiteral("./"));
    Journal::attends();
    const int questions = fois(200, 2000);
    std::vector<pid_t> enfants;
    for (const QString& eleve : {Zoe, QStringLiteral("Yanis")})
        enfants.push_back(lanceEnfant([&, eleve] {
            for (int i = 0; i < questions; ++i) Journal::ecrit(exemple(eleve, 1000 + i), QStringLiteral("./"));
            // Ends at once, whatever the other program holds: what is not stored yet waits beside
            // the file.
            Journal::arrete();
            return 0;
        }));
    for (pid_t p : enfants) EXPECT_EQ(attendEnfant(p), 0);
    // What a program could not store before it ended waits beside the file for the next opening.
    Journal::nouvelleSession(Lea, QStringLiteral("./"));
    Journal::attends();
    EXPECT_FALSE(QFile::exists(Journal::cheminEnAttente(Journal::cheminSqlite(Lea, QStringLiteral("./")))));
    MagasinSql m(fichierSqlite(Journal::cheminSqlite(Lea, QStringLiteral("./"))));
    for (const QString& eleve : {Zoe, QStringLiteral("Yanis")}) EXPECT_EQ(m.entrees(Lea, eleve, 0).size(), questions);
}

// The end of the program while another program holds the journal: it does not wait for the lock
// (2 s at most, through the timing seam), the answers are kept beside the file, one JSON line
// each; the next opening stores them first, in order, once, and keeps a line a crash cut off
// aside, telling the teacher.
TEST(Journal, TheEndOfTheProgramKeepsWhatALockHoldsForTheNextOpening) {
    DossierTemporaire dossier;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    const QString classe = QStringLiteral("classe de Mme Léa O'Brien/");
    QDir().mkpath(classe);
    const QString fichier = Journal::cheminSqlite(Lea, classe);
    const QString attente = Journal::cheminEnAttente(fichier);
    { MagasinSql m(fichierSqlite(fichier)); }
    QProcess verrou;
    verrou.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(MARIVELLE_DOSSIER_TESTS "/tient_verrou.py"), fichier, QStringLiteral("ecriture")});
    ASSERT_TRUE(verrou.waitForReadyRead(20000));
    EXPECT_EQ(verrou.readLine().trimmed(), QByteArray("tenu"));
    EXPECT_EQ(dansUnEnfant([&] {
                  Minuterie::accelere(10);
                  for (int i = 0; i < 5; ++i) Journal::ecrit(exemple(Zoe, 1000 + i), classe);
                  Journal::arrete();
                  return 0;
              }),
              0);
    EXPECT_FALSE(verrou.waitForFinished(0));  // still held: the end did not wait for it
    QList<QByteArray> lignes = octetsDe(attente).split('\n');
    ASSERT_EQ(lignes.size(), 6);
    EXPECT_EQ(lignes[0],
              QString::fromUtf8(
                  R"({"aide":true,"bande":false,"creature":2,"eleve":"Zoé","enseignant":"Mme Léa O'Brien",)"
                  R"("essais":2,"fait":[7,2,8,56],"finCreature":false,"juste":false,"moment":"1000","msFin":4100,)"
                  R"("msPremiere":2500,"operations":[],"position":3,"reponse":"9","temps":15,"trou":2,"type":2,"typeAide":2})")
                  .toUtf8());
    const QByteArray coupee = lignes[2].left(40);
    lignes.insert(2, coupee);
    ecritOctets(attente, lignes.join('\n'));
    verrou.write("fin\n");
    ASSERT_TRUE(verrou.waitForFinished(20000));

    Journal::nouvelleSession(Lea, classe);
    Journal::attends();
    QStringList moments;
    for (const QString& l : litAvecPython(fichier).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        moments << l.section(QLatin1Char('|'), 1, 1);
    EXPECT_EQ(moments, QStringList({"1000", "1001", "1002", "1003", "1004"}));
    EXPECT_FALSE(QFile::exists(attente));
    EXPECT_EQ(octetsDe(attente + QStringLiteral(".lignes_abimees")), coupee + '\n');
    Journal::ditALEnseignant(classe);
    const QStringList vus = Messages::recueille();
    ASSERT_EQ(vus.size(), 1);
    EXPECT_TRUE(
        vus[0].contains(QStringLiteral("1 ligne abîmée de « %1 » a été mise de côté dans « %1.lignes_abimees »").arg(attente)))
        << vus[0].toStdString();
}

// The outbox of programs sharing one pupil account: a lock another program holds too long loses
// no record, even when the program ends meanwhile, and the records keep their order.
TEST(EnvoisDifferes, ALockHeldElsewhereLosesNoRecordAndKeepsTheOrder) {
    DossierTemporaire dossier;
    const QString chemin = dossier.chemin() + QStringLiteral("/boite.jsonl");
    const auto ligne = [](int n) -> Envoi { return LigneResultat{QString::number(n), QStringLiteral("classe_de_Léa"), {n}}; };
    EnvoisDifferes differes(chemin);
    differes.ajoute(ligne(1));
    {
        QLockFile autre(chemin + QStringLiteral(".verrou"));
        ASSERT_TRUE(autre.tryLock(0));
        differes.ajoute(ligne(2));
        differes.ajoute(ligne(3));
        EXPECT_EQ(differes.taille(), 3);
        // The program ends: what it kept goes beside the box.
        EnvoisDifferes::gardeCeQuiAttend();
        EXPECT_TRUE(QFile::exists(chemin + QStringLiteral(".attente-%1").arg(QCoreApplication::applicationPid())));
        differes.ajoute(ligne(4));
        EXPECT_EQ(differes.taille(), 4);
        EXPECT_EQ(differes.vide([](const Envoi&) { return true; }), 4);  // nothing leaves while the lock is held
    }
    differes.ajoute(ligne(5));
    QStringList livrees;
    EXPECT_EQ(differes.vide([&](const Envoi& e) {
        livrees << std::get<LigneResultat>(e).identifiant;
        return true;
    }),
              0);
    EXPECT_EQ(livrees.join(QLatin1Char(',')), QStringLiteral("1,2,3,4,5"));
    EXPECT_EQ(QDir(dossier.chemin()).entryList(QDir::Files), QStringList{});
}
