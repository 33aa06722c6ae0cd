// The school server: least privileges as the technician's script gives them, the outbox that
// keeps what a stopped server could not take, and many computers at once with the server stopped
// in the middle. Every count is read back with psql.
#include "DossierTemporaire.h"
#include "Enfant.h"
#include "MessageDe.h"
#include "RelaisTcp.h"
#include "ServeurPostgres.h"
#include "logique/base/Messages.h"
#include "logique/journal/EnvoisDifferes.h"
#include "logique/journal/ConfigurationServeur.h"
#include "logique/journal/Journal.h"

#include <QProcess>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QUuid>
#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>
#include <pwd.h>
#include <unistd.h>

namespace {
class Serveur : public testing::Test {
protected:
    void SetUp() override {
        if (const QString raison = ServeurPostgres::absent(); !raison.isEmpty()) GTEST_SKIP() << raison.toStdString();
        base_ = ServeurPostgres::commun().nouvelleBase();
    }
    void TearDown() override { ServeurPostgres::commun().demarre(); }
    ServeurPostgres& serveur() { return ServeurPostgres::commun(); }
    ParametresConnexion parametres(const QString& base) { return serveur().parametres(base); }
    int compte(const QString& sql) { return serveur().psql(base_, sql).trimmed().toInt(); }
    // The results rows' exercise numbers, in the order the server took them.
    QString exercices() {
        return serveur()
            .psql(base_, QStringLiteral("SELECT string_agg(Exercice::text, ',' ORDER BY Id) FROM resultats"))
            .trimmed();
    }
    // The journal's writer on the server through `p`, its outbox in the test's folder `sous`, every box answered.
    QString ecritSur(const ParametresConnexion& p, const QString& sous = QStringLiteral("local")) {
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        const QString differes = dossier_.chemin() + QStringLiteral("/%1/boite_d_envoi.jsonl").arg(sous);
        Journal::installeFabrique([p](const QString&, const QString&) { return std::make_unique<MagasinSql>(p); }, differes);
        return differes;
    }
    QString base_;
    DossierTemporaire dossier_;
};

EntreeJournal question(const QString& eleve) {
    return {.enseignant = QStringLiteral("Mme Léa O'Brien"),
            .eleve = eleve,
            .moment = Journal::momentUnique(),
            .typeExercice = 3,
            .fait = Fait{7, Operation::Multiplication, 8, 56},
            .reponse = QStringLiteral("56"),
            .operations = {{Fait{2, Operation::Addition, 5, 7}, ActionOperation::Laissee}}};
}

LigneResultat ligne(int exercice) {
    return {QUuid::createUuid().toString(QUuid::WithoutBraces),
            QStringLiteral("classe_de_Mme_Léa_O'Brien"),
            {QStringLiteral("Zoé"), QStringLiteral("07/12/2026 09:00:00"), exercice}};
}

// An exercise of three questions and its results row; its end waits for the journal's writer.
void exercice(QList<EntreeJournal>& ecrites, int n) {
    for (int i = 0; i < 3; ++i) {
        ecrites << question(QStringLiteral("Zoé"));
        Journal::ecrit(ecrites.last(), QStringLiteral("classe de Mme Léa O'Brien/"));
    }
    Journal::ecritLigne(ligne(n));
    Journal::attends();
}

qint64 dureeMs(const std::function<void()>& f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.elapsed();
}

// Lets a halted program go on.
void dis(QProcess& p) {
    p.write("\n");
    EXPECT_TRUE(p.waitForBytesWritten(120000));
}
}  // namespace

// The programs' role reads and adds; it can neither delete, drop nor change anything, a pupil's
// removal going through the script's function, which removes that pupil's rows only (the store
// tests remove a pupil through it). An empty database is told as lacking the script's tables.
TEST_F(Serveur, TheProgramsRoleHasTheLeastPrivileges) {
    const QString role = QString::fromLatin1(ServeurPostgres::Role);
    serveur().psqlFichier(base_, QStringLiteral(MARIVELLE_SCRIPT_SERVEUR));  // run again: changes nothing
    for (const char* sql :
         {"DROP TABLE resultats", "UPDATE resultats SET Bilan = ''", "CREATE TABLE t (x INTEGER)",
          "ALTER TABLE journal_questions ADD COLUMN x INTEGER", "DELETE FROM resultats", "DELETE FROM journal_questions",
          "DELETE FROM journal_operations", "DELETE FROM journal_eleves", "TRUNCATE journal_questions",
          "CREATE OR REPLACE FUNCTION marivelle_oublie_eleve(a TEXT, b TEXT) RETURNS VOID LANGUAGE sql AS ''"}) {
        SCOPED_TRACE(sql);
        EXPECT_THROW(serveur().psql(base_, QString::fromLatin1(sql), role), std::runtime_error);
    }
    EXPECT_EQ(serveur().psql(base_, QStringLiteral("SELECT count(*) FROM resultats"), role).trimmed(), QStringLiteral("0"));
    const QString vide = QStringLiteral("vide_%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    serveur().psql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + vide);
    EXPECT_EQ(messageDe<ErreurJournal>([&] { MagasinSql m(parametres(vide)); }),
              QString::fromUtf8("Le journal des réponses « %1 » du serveur %2 ne peut pas être ouvert : les tables de Marivelle "
                                "n'y sont pas : le technicien de l'école lance le script serveur_postgresql.sql sur le serveur.")
                  .arg(vide, serveur().socket()));
}

// A server set up by the first script (names to 50 characters, short texts to 30, no removal
// function) is told to the technician as older; the present script, run over it as after an
// update, brings it up to date in place and keeps its rows; run once more, it changes nothing.
TEST_F(Serveur, TheScriptMigratesAnOlderServerInPlace) {
    const QString base = QStringLiteral("ancienne_%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    serveur().psql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + base);
    serveur().psqlFichier(base, QStringLiteral(MARIVELLE_DOSSIER_TESTS "/serveur_postgresql_version2.sql"));
    serveur().psql(base,
                   QStringLiteral("INSERT INTO resultats (Nom_eleve, Classe, Identifiant) VALUES ('Zoé', 'classe_de_Léa', 'a');"
                                  "INSERT INTO journal_eleves (enseignant, eleve) VALUES ('Mme Léa O''Brien', 'Ancien')"));
    EXPECT_TRUE(messageDe<ErreurJournal>([&] { MagasinSql m(parametres(base)); })
                    .endsWith(QString::fromUtf8("ses tables sont d'une version plus ancienne (schéma 2) : le technicien de "
                                                "l'école relance le script serveur_postgresql.sql sur le serveur.")));
    for (int fois = 0; fois < 2; ++fois) serveur().psqlFichier(base, QStringLiteral(MARIVELLE_SCRIPT_SERVEUR));
    // The rows of before the folders' identities stay every folder's.
    ParametresConnexion p = parametres(base);
    p.dossier = QStringLiteral("ecole-a");
    MagasinSql m(p);
    m.ajoute(question(QStringLiteral("Zoé")));
    EXPECT_EQ(m.eleves(QStringLiteral("Mme Léa O'Brien")), QStringList({QStringLiteral("Ancien"), QStringLiteral("Zoé")}));
    m.supprimeEleve(QStringLiteral("Mme Léa O'Brien"), QStringLiteral("Zoé"));
    EXPECT_EQ(m.eleves(QStringLiteral("Mme Léa O'Brien")), QStringList{QStringLiteral("Ancien")});
    EXPECT_EQ(serveur()
                  .psql(base, QStringLiteral("SELECT string_agg(column_name || ' ' || character_maximum_length, ',' ORDER BY "
                                             "ordinal_position) FROM information_schema.columns WHERE table_name = "
                                             "'resultats' AND data_type = 'character varying'"))
                  .trimmed(),
              QStringLiteral("nom_eleve 255,date_debut 255,type_exercice 255,cas_particulier 255,aide 255,nombre_erreur 255,"
                             "temps_questions 255,date_fin 255,classe 255,identifiant 40,dossier 64"));
    EXPECT_EQ(serveur().psql(base, QStringLiteral("SELECT Nom_eleve || ' ' || Classe FROM resultats")).trimmed(),
              QString::fromUtf8("Zoé classe_de_Léa"));
}

// Two schools' data folders on one server, each with a teacher of the same name and a pupil of
// the same name: each sees, reads and removes only its own pupils (and those stored before the
// folders had identities, which are every folder's); each results row carries its folder.
TEST_F(Serveur, TwoDataFoldersOnOneServerSeeOnlyTheirOwnPupils) {
    ParametresConnexion avant = parametres(base_), a = avant, b = avant;
    a.dossier = QStringLiteral("ecole-a");
    b.dossier = QStringLiteral("ecole-b");
    MagasinSql(avant).ajoute(question(QStringLiteral("Ancien")));
    MagasinSql ecoleA(a), ecoleB(b);
    ecoleA.ajoute(question(QStringLiteral("Zoé")));
    ecoleA.ajoute(question(QStringLiteral("Ancien")));  // goes on with the pupil stored before
    ecoleB.ajoute(question(QStringLiteral("Zoé")));
    ecoleB.ajoute(question(QStringLiteral("Yanis")));
    ecoleB.ajouteLigne(ligne(1));
    const QString maitresse = QStringLiteral("Mme Léa O'Brien");
    EXPECT_EQ(ecoleA.eleves(maitresse), QStringList({QStringLiteral("Ancien"), QStringLiteral("Zoé")}));
    EXPECT_EQ(ecoleB.eleves(maitresse), QStringList({QStringLiteral("Ancien"), QStringLiteral("Yanis"), QStringLiteral("Zoé")}));
    EXPECT_EQ(ecoleA.entrees(maitresse, QStringLiteral("Zoé"), 0).size(), 1);
    EXPECT_EQ(ecoleA.entrees(maitresse, {}, 0).size(), 3);
    EXPECT_EQ(ecoleA.reponses(maitresse, 0).size(), 3);
    EXPECT_EQ(ecoleA.reponses(maitresse, 0, {1, 2}).size() + ecoleA.reponses(maitresse, 0, {0, 2}).size(), 3);
    ecoleA.supprimeEleve(maitresse, QStringLiteral("Zoé"));
    EXPECT_EQ(ecoleB.entrees(maitresse, QStringLiteral("Zoé"), 0).size(), 1);
    EXPECT_EQ(
        serveur().psql(base_, QStringLiteral("SELECT string_agg(dossier, ',' ORDER BY dossier) FROM journal_eleves")).trimmed(),
        QStringLiteral(",ecole-b,ecole-b"));
    EXPECT_EQ(serveur().psql(base_, QStringLiteral("SELECT Dossier FROM resultats")).trimmed(), QStringLiteral("ecole-b"));
}

// Each mistake a technician can make, made for real on the cluster, is told in words that say
// what to put right, never only "the server does not answer".
TEST_F(Serveur, EachConnectionFailureSaysWhatToPutRight) {
    const QByteArray fichierMotsDePasse = qgetenv("PGPASSFILE");
    qputenv("PGPASSFILE", QFile::encodeName(dossier_.chemin() + QStringLiteral("/aucun")));
    serveur().ajouteRegleHba(QStringLiteral("host refusee all 127.0.0.1/32 reject"));
    serveur().ajouteRegleHba(QStringLiteral("host motdepasse all 127.0.0.1/32 scram-sha-256"));
    serveur().psql(QStringLiteral("postgres"), QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = "
                                                              "'avecmdp') THEN CREATE ROLE avecmdp LOGIN PASSWORD 'juste'; "
                                                              "END IF; END $$"));
    ecritOctets(QStringLiteral("faux"), "faux\n");
    QFile::setPermissions(QStringLiteral("faux"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString tls = serveur().activeTls();
    const QString tcp = QStringLiteral("port = %1\nutilisateur = marivelle\n").arg(serveur().port());
    const struct {
        QString ini;
        QString raison;  // empty: connected
        bool avecTls = false;
    } cas[] = {
        {QStringLiteral("hote = 127.0.0.1\nport = 1\nbase = b\nutilisateur = marivelle\n"),
         QStringLiteral("le serveur ne répond pas")},
        {QStringLiteral("hote = 127.0.0.1\nbase = inexistante\n") + tcp,
         QStringLiteral("la base de données « inexistante » n'existe pas sur le serveur (clé « base »")},
        {QStringLiteral("hote = 127.0.0.1\nbase = %1\nport = %2\nutilisateur = personne\n").arg(base_).arg(serveur().port()),
         QStringLiteral("l'utilisateur « personne » n'existe pas sur le serveur")},
        {QStringLiteral("hote = 127.0.0.1\nbase = refusee\n") + tcp,
         QStringLiteral("une ligne du fichier pg_hba.conf du serveur le refuse")},
        {QStringLiteral("hote = 127.0.0.1\nbase = motdepasse\nport = %1\nutilisateur = avecmdp\nfichier_mot_de_passe = faux\n")
             .arg(serveur().port()),
         QStringLiteral("le serveur refuse le mot de passe de l'utilisateur « avecmdp »")},
        {QStringLiteral("hote = 127.0.0.1\nbase = motdepasse\nport = %1\nutilisateur = avecmdp\n").arg(serveur().port()),
         QStringLiteral("le serveur demande un mot de passe et cet ordinateur n'en donne aucun")},
        {QStringLiteral("hote = localhost\ntls = verify-full\nbase = %1\n").arg(base_) + tcp,
         QStringLiteral("le certificat de l'autorité de l'école manque sur cet ordinateur : PostgreSQL le cherche dans « ") +
             QFile::decodeName(::getpwuid(::getuid())->pw_dir) + QStringLiteral("/.postgresql/root.crt »"),  // as libpq finds it
         true},
        {QStringLiteral("hote = localhost\ntls = verify-full\ncertificat_racine = %1/autre.crt\nbase = %2\n").arg(tls, base_) +
             tcp,
         QStringLiteral("le certificat du serveur n'est pas signé par l'autorité que connaît cet ordinateur"), true},
        {QStringLiteral("hote = 127.0.0.1\ntls = verify-full\ncertificat_racine = %1/autorite.crt\nbase = %2\n").arg(tls, base_) +
             tcp,
         QStringLiteral("le certificat du serveur est fait pour « localhost » et non pour « 127.0.0.1 »"), true},
        {QStringLiteral("hote = localhost\ntls = verify-full\ncertificat_racine = %1/autorite.crt\nbase = %2\n").arg(tls, base_) +
             tcp,
         QString(), true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ini.toStdString());
        if (c.avecTls && tls.isEmpty()) continue;  // without openssl
        ecritOctets(QStringLiteral("marivelle.ini"), (QStringLiteral("[serveur]\n") + c.ini).toUtf8());
        const ConfigurationServeur configuration = Configuration::lit(QStringLiteral("marivelle.ini"), {});
        ASSERT_TRUE(configuration.parametres) << configuration.erreur.toStdString();
        const QString message = messageDe<ErreurJournal>([&] { MagasinSql m(*configuration.parametres); });
        EXPECT_EQ(message.isEmpty(), c.raison.isEmpty()) << message.toStdString();
        EXPECT_TRUE(message.contains(c.raison)) << message.toStdString();
    }
    if (tls.isEmpty()) std::cout << "openssl absent : les cas TLS sont sautés\n";
    qputenv("PGPASSFILE", fichierMotsDePasse);
}

// The server stopped: the pupil plays on, the records wait in the outbox (one message a
// session), and leave it once the server answers, each stored once.
TEST_F(Serveur, WhileItIsDownTheOutboxKeepsEverythingAndSendsItOnceBack) {
    const QString differes = ecritSur(parametres(base_));
    Journal::nouvelleSession();
    QList<EntreeJournal> ecrites;
    exercice(ecrites, 1);
    EXPECT_EQ(Journal::enAttente(), 0);
    serveur().arrete();
    exercice(ecrites, 2);
    exercice(ecrites, 3);
    EXPECT_EQ(Journal::enAttente(), 8);
    Journal::signaleEchecs();
    Journal::signaleEchecs();
    Journal::ditALEnseignant(QStringLiteral("classe de Mme Léa O'Brien/"));
    const QStringList vus = Messages::recueille();
    ASSERT_EQ(vus.size(), 2);  // the child's box, then the teacher's
    EXPECT_TRUE(vus[1].contains(QString::fromUtf8("Les résultats et les réponses sont gardés sur cet "
                                                  "ordinateur et seront envoyés au serveur de l'école plus tard.")))
        << vus[1].toStdString();
    serveur().demarre();
    Journal::renvoie();
    Journal::attends();
    EXPECT_EQ(Journal::enAttente(), 0);
    EXPECT_FALSE(QFile::exists(differes));
    EXPECT_EQ(compte(QStringLiteral("SELECT count(*) FROM journal_questions")), 9);
    EXPECT_EQ(compte(QStringLiteral("SELECT count(*) FROM journal_operations")), 9);
    EXPECT_EQ(exercices(), QStringLiteral("1,2,3"));
    MagasinSql m(parametres(base_));
    EXPECT_EQ(m.entrees(QStringLiteral("Mme Léa O'Brien"), {}, 0), ecrites);
}

// A record the server refuses for good (a name longer than any column can hold) never holds the
// others up, neither sent at once nor waiting in the outbox: it is set aside in the refused file,
// whole, and the teacher is told once what and why.
TEST_F(Serveur, ARecordRefusedForGoodIsSetAsideAndTheOthersGoOn) {
    const QString differes = ecritSur(parametres(base_));
    const QString tropLong(300, QLatin1Char('z'));
    const EntreeJournal refusee = question(tropLong);
    LigneResultat refuseeLigne = ligne(2);
    refuseeLigne.valeurs[0] = tropLong;
    QList<EntreeJournal> ecrites;
    Journal::ecrit(refusee, QStringLiteral("classe de Mme Léa O'Brien/"));
    exercice(ecrites, 1);
    serveur().arrete();
    Journal::ecritLigne(refuseeLigne);
    exercice(ecrites, 3);
    serveur().demarre();
    Journal::renvoie();
    Journal::attends();
    EXPECT_EQ(Journal::enAttente(), 0);
    EXPECT_EQ(compte(QStringLiteral("SELECT count(*) FROM journal_questions")), 6);
    EXPECT_EQ(exercices(), QStringLiteral("1,3"));
    QFile refus(EnvoisDifferes::cheminRefus(differes));
    ASSERT_TRUE(refus.open(QIODevice::ReadOnly));
    const QList<QByteArray> lignes = refus.readAll().trimmed().split('\n');
    ASSERT_EQ(lignes.size(), 2);
    const QList<Envoi> attendus = {refusee, refuseeLigne};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject o = QJsonDocument::fromJson(lignes[i]).object();
        EXPECT_EQ(EnvoisDifferes::deLigne(QJsonDocument(o[QLatin1String("envoi")].toObject()).toJson()), attendus[i]);
        EXPECT_TRUE(o[QLatin1String("raison")].toString().endsWith(QString::fromUtf8("un texte est trop long pour la base.")));
        EXPECT_TRUE(QDateTime::fromString(o[QLatin1String("le")].toString(), Qt::ISODateWithMs).isValid());
    }
    Journal::signaleRefus();
    Journal::signaleRefus();
    const QStringList vus = Messages::recueille();
    ASSERT_EQ(vus.size(), 1);
    EXPECT_TRUE(vus[0].startsWith(QString::fromUtf8("Le serveur de l'école a refusé pour de bon 2 envois de cet ordinateur ; "
                                                    "les autres sont partis normalement :\n– une réponse de « zzz")))
        << vus[0].toStdString();
    EXPECT_TRUE(vus[0].contains(QString::fromUtf8("\n– le résultat de l'exercice 2 de « zzz")));
    EXPECT_TRUE(vus[0].contains(QString::fromUtf8(" : un texte est trop long pour la base.\nRien n'est perdu")))
        << vus[0].toStdString();
}

// A server that stops answering on an open connection (a proxy that holds the traffic between
// the program and the server, on TCP): the end of an exercise, a read and a new connection each
// give up within 2.5 s. Nothing is lost: what waited leaves once the traffic passes again, and a
// program closed during the hang leaves its records in its outbox.
TEST_F(Serveur, AServerThatHangsFreezesNothingAndLosesNothing) {
    RelaisTcp relais(serveur().port());
    ParametresConnexion p = parametres(base_);
    p.hote = QStringLiteral("127.0.0.1");
    p.port = relais.port();
    ecritSur(p);
    const QString autre = dossier_.chemin() + QStringLiteral("/autre/boite_d_envoi.jsonl");
    QList<EntreeJournal> ecrites;
    exercice(ecrites, 1);
    MagasinSql lecteur(p);
    relais.retiens();
    EXPECT_LT(dureeMs([&] { exercice(ecrites, 2); }), 2500);
    EXPECT_EQ(Journal::enAttente(), 4);
    EXPECT_LT(dureeMs([&] { EXPECT_THROW(lecteur.reponses(QStringLiteral("Mme Léa O'Brien")), ErreurJournal); }), 2500);
    EXPECT_LT(dureeMs([&] { EXPECT_THROW(MagasinSql{p}, ErreurJournal); }), 2500);
    QProcess ferme;
    ferme.start(QStringLiteral(ECRIVAIN_JOURNAL),
                {p.hote, QString::number(p.port), base_, autre, QStringLiteral("Yanis"), QStringLiteral("1")});
    ASSERT_TRUE(ferme.waitForFinished(120000));
    EXPECT_EQ(ferme.exitCode(), 3);  // closed with its records kept
    EXPECT_EQ(EnvoisDifferes(autre).taille(), 11);
    relais.laissePasser();
    Journal::renvoie();
    Journal::attends();
    EXPECT_EQ(Journal::enAttente(), 0);
    ecritSur(p, QStringLiteral("autre"));  // the closed program started again
    Journal::attends();
    EXPECT_EQ(Journal::enAttente(), 0);
    EXPECT_EQ(compte(QStringLiteral("SELECT count(*) FROM journal_questions")), 16);
    EXPECT_EQ(exercices(), QStringLiteral("1,2,1"));
    EXPECT_EQ(MagasinSql(p).entrees(QStringLiteral("Mme Léa O'Brien"), QStringLiteral("Zoé"), 0), ecrites);
}

// Computers at once: every question and every row present once; the server stopped in the middle
// of a run changes nothing of it. The programs halt after their tenth exercise until the server
// is stopped, and report five more exercises before it starts again. In the third run they are
// one pupil account's programs on a terminal server, sharing one outbox, whose lock the test
// holds during the outage: what they could not add waits in their memory. By hand,
// MARIVELLE_FIABILITE_LONGUE=1 runs 30 programs of 100 exercises (docs/serveur.md).
TEST_F(Serveur, ManyProgramsAtOnceLoseNothingEvenWhenTheServerStops) {
    const int programmes = fois(10, 30), exercices = fois(30, 100), halte = 10, pendantLaPanne = 5;
    const struct {
        const char* nom;
        bool panne, partagee;
    } essais[] = {{"Sous charge", false, false},
                  {"Avec le serveur arrêté au milieu", true, false},
                  {"Une boîte partagée, serveur arrêté", true, true}};
    for (const auto& essai : essais) {
        SCOPED_TRACE(essai.nom);
        const QString base = essai.panne ? serveur().nouvelleBase() : base_;
        const auto differes = [&](int n) {
            return dossier_.chemin() + QStringLiteral("/ordinateur_%1/boite.jsonl").arg(essai.partagee ? -1 : n);
        };
        std::vector<std::unique_ptr<QProcess>> enfants;
        for (int n = 0; n < programmes; ++n) {
            auto p = std::make_unique<QProcess>();
            QStringList arguments = {serveur().socket(), QString::number(serveur().port()), base,
                                     differes(n),        QStringLiteral("élève %1").arg(n), QString::number(exercices)};
            if (essai.panne) arguments << QString::number(halte);
            p->start(QStringLiteral(ECRIVAIN_JOURNAL), arguments);
            ASSERT_TRUE(p->waitForStarted());
            enfants.push_back(std::move(p));
        }
        std::vector<int> attentes;
        // A program's next lines: a bound only a broken program reaches, never a guess of its speed.
        const auto lit = [&](QProcess& p, int lignes) {
            const QDeadlineTimer fin(std::chrono::minutes(2));
            for (int i = 0; i < lignes; ++i) {
                while (!p.canReadLine() && p.waitForReadyRead(int(std::max<qint64>(1, fin.remainingTime())))) {
                }
                const QByteArray l = p.readLine().trimmed();
                ASSERT_FALSE(l.isEmpty()) << p.readAllStandardError().toStdString();
                attentes.push_back(l.toInt());
            }
        };
        if (essai.panne) {
            for (auto& p : enfants) lit(*p, halte);
            serveur().arrete();
            QLockFile verrou(differes(0) + QStringLiteral(".verrou"));
            if (essai.partagee) {
                ASSERT_TRUE(QDir().mkpath(QFileInfo(differes(0)).path()) && verrou.tryLock(0));
            }
            for (auto& p : enfants) dis(*p);
            for (auto& p : enfants) lit(*p, pendantLaPanne);
            // Shared, nothing could be added while the test holds the lock: it all waits in the
            // programs' memory.
            for (int n = 0; n < programmes; ++n) EXPECT_EQ(EnvoisDifferes(differes(n)).taille() > 0, !essai.partagee) << n;
            if (essai.partagee) verrou.unlock();
            serveur().demarre();
            for (auto& p : enfants) dis(*p);
        }
        for (auto& p : enfants) {
            ASSERT_TRUE(p->waitForFinished(300000));
            // Sharing a box, a program may end while another holds its lock: what it kept waits
            // for the next program of the account (the test's).
            if (!essai.partagee) {
                EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
            }
            for (const QByteArray& l : p->readAllStandardOutput().split('\n'))
                if (!l.isEmpty()) attentes.push_back(l.toInt());
        }
        if (essai.partagee) {
            ParametresConnexion p = parametres(base);
            Journal::installeFabrique([p](const QString&, const QString&) { return std::make_unique<MagasinSql>(p); },
                                      differes(0));
            Journal::attends();
        }
        EXPECT_EQ(attentes.size(), std::size_t(programmes * exercices));
        const auto lu = [&](const char* sql) { return serveur().psql(base, QString::fromLatin1(sql)).trimmed().toInt(); };
        EXPECT_EQ(lu("SELECT count(*) FROM journal_questions"), programmes * exercices * 10);
        EXPECT_EQ(lu("SELECT count(DISTINCT eleve_id) FROM journal_questions"), programmes);
        EXPECT_EQ(lu("SELECT count(*) FROM resultats"), programmes * exercices);
        EXPECT_EQ(lu("SELECT count(DISTINCT Identifiant) FROM resultats"), programmes * exercices);
        for (int n = 0; n < programmes; ++n) EXPECT_EQ(EnvoisDifferes(differes(n)).taille(), 0) << n;
        ASSERT_FALSE(attentes.empty());
        std::sort(attentes.begin(), attentes.end());
        std::cout << essai.nom << " (" << programmes << " × " << exercices << ") : fin d'exercice médiane "
                  << attentes[attentes.size() / 2] << " ms, pire " << attentes.back() << " ms\n";
    }
}
