// The answer journal at the size of a school year: 30 pupils × 10,000 questions in one class's
// file. Measures the write of one question (its transaction, as the writer thread does it), the
// bytes on disk per question, the look through the whole file at its first use in a session, the
// end of an exercise with the file free and held by another program, and the reading of what can
// be read of a damaged year.
#include "logique/journal/Journal.h"
#include "logique/journal/JournalSqlite.h"
#include "logique/journal/MagasinSql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {
EntreeJournal question(int eleve, qint64 moment) {
    EntreeJournal e;
    e.enseignant = QStringLiteral("Mme Léa Martin");
    e.eleve = QStringLiteral("Élève numéro %1").arg(eleve);
    e.moment = moment;
    e.typeExercice = 1 + moment % 2;
    e.position = 1 + moment % 6;
    e.creature = Creature::Pirate;
    e.tempsDeReponse = 10;
    const int g = moment % 11, d = (moment / 11) % 11;
    e.fait = Fait{g, Operation::Multiplication, d, g * d};
    e.reponse = QString::number(g * d);
    e.justePremierCoup = moment % 5 != 0;
    e.essais = e.justePremierCoup ? 1 : 2;
    e.msPremiere = 800 + int(moment % 3000);
    e.msFin = e.msPremiere + (e.justePremierCoup ? 0 : 1500);
    return e;
}

struct Annee {
    QTemporaryDir dossier;
    QString fichier;
    qint64 suivant = 1'790'000'000'000;
    // The class folder is the working folder itself.
    Annee() : fichier(Journal::cheminSqlite(QStringLiteral("Mme Léa Martin"), QStringLiteral("./"))) {
        QDir::setCurrent(dossier.path());
        ParametresConnexion p;
        p.base = fichier;
        { MagasinSql m(p); }
        // Filled in one transaction, as 300,000 questions would be over a year.
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("remplissage"));
        base.setDatabaseName(fichier);
        base.open();
        base.transaction();
        QSqlQuery q(base);
        for (int eleve = 1; eleve <= 30; ++eleve) {
            q.exec(QStringLiteral(
                       "INSERT INTO journal_eleves (id, enseignant, eleve) VALUES (%1, 'Mme Léa Martin', 'Élève numéro %1')")
                       .arg(eleve));
        }
        q.prepare(
            QStringLiteral("INSERT INTO journal_questions VALUES (?, ?, ?, ?, 2, 10, 1, 0, 0, ?, 2, ?, ?, 0, ?, ?, ?, ?, ?, 0)"));
        for (int i = 0; i < 300'000; ++i) {
            const EntreeJournal e = question(1 + i % 30, suivant++);
            for (const QVariant& v :
                 {QVariant(1 + i % 30), QVariant(e.moment), QVariant(e.typeExercice), QVariant(e.position),
                  QVariant(e.fait.gauche), QVariant(e.fait.droite), QVariant(e.fait.resultat), QVariant(e.reponse),
                  QVariant(int(e.justePremierCoup)), QVariant(e.essais), QVariant(e.msPremiere), QVariant(e.msFin)})
                q.addBindValue(v);
            q.exec();
        }
        base.commit();
        base.close();
        base = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("remplissage"));
    }
};

Annee& annee() {
    static Annee a;
    return a;
}

void UneQuestionEcrite(benchmark::State& etat) {
    Annee& a = annee();
    ParametresConnexion p;
    p.base = a.fichier;
    MagasinSql m(p);
    std::vector<double> durees;
    for (auto _ : etat) {
        const auto t0 = std::chrono::steady_clock::now();
        m.ajoute(question(7, a.suivant++));
        durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(durees.begin(), durees.end());
    etat.counters["mediane_ms"] = durees[durees.size() / 2];
    etat.counters["pire_ms"] = durees.back();
    etat.counters["octets_par_question"] = double(QFileInfo(a.fichier).size()) / double(a.suivant - 1'790'000'000'000);
}
BENCHMARK(UneQuestionEcrite)->Iterations(1000)->Unit(benchmark::kMillisecond);

// What the game itself spends at the end of a question: handing it to the writer thread.
void UneQuestionConfieeAuJournal(benchmark::State& etat) {
    Annee& a = annee();
    std::vector<double> durees;
    for (auto _ : etat) {
        const auto t0 = std::chrono::steady_clock::now();
        Journal::ecrit(question(8, a.suivant++), QStringLiteral("./"));
        durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    Journal::attends();
    std::sort(durees.begin(), durees.end());
    etat.counters["mediane_ms"] = durees[durees.size() / 2];
    etat.counters["pire_ms"] = durees.back();
}
BENCHMARK(UneQuestionConfieeAuJournal)->Iterations(1000)->Unit(benchmark::kMicrosecond);
// The first use of a session looks through the whole file (PRAGMA quick_check).
void ControleDuJournal(benchmark::State& etat) {
    Annee& a = annee();
    for (auto _ : etat) {
        const JournalSqlite::Controle c = JournalSqlite::controle(a.fichier, QStringLiteral("Mme Léa Martin"),
                                                                  QDateTime::currentDateTime(), 2000);
        if (c.etat != JournalSqlite::Etat::Sain) etat.SkipWithError("journal not sound");
    }
}
BENCHMARK(ControleDuJournal)->Iterations(5)->Unit(benchmark::kMillisecond);

// The end of an exercise as the screen lives it: nine questions written while the pupil played,
// the tenth handed over, then the bounded wait. `verrou`: another program holds the file
// (BEGIN EXCLUSIVE, by Python's sqlite3) for the whole run; it is let go at the end and every
// question must then be stored.
void finsDExercice(benchmark::State& etat, bool verrou) {
    Annee& a = annee();
    Journal::nouvelleSession(QStringLiteral("Mme Léa Martin"), QStringLiteral("./"));
    Journal::attends();
    QProcess tient;
    if (verrou) {
        tient.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-c"),
                     QStringLiteral("import sqlite3, sys; b = sqlite3.connect(sys.argv[1], isolation_level=None); "
                                    "b.execute('BEGIN EXCLUSIVE'); print('tenu', flush=True); sys.stdin.readline()"),
                     a.fichier});
        if (!tient.waitForReadyRead(20000)) etat.SkipWithError("no lock");
    }
    const qint64 premier = a.suivant;
    std::vector<double> durees;
    for (auto _ : etat) {
        for (int q = 0; q < 9; ++q) Journal::ecrit(question(9, a.suivant++), QStringLiteral("./"));
        if (!verrou) Journal::attends();
        Journal::ecrit(question(9, a.suivant++), QStringLiteral("./"));
        const auto t0 = std::chrono::steady_clock::now();
        Journal::attendsBrievement();
        durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    if (verrou) {
        tient.write("fin\n");
        tient.waitForFinished(20000);
    }
    Journal::attends();
    ParametresConnexion p;
    p.base = a.fichier;
    MagasinSql m(p);
    const qint64 stockees = m.entrees(QStringLiteral("Mme Léa Martin"), QStringLiteral("Élève numéro 9"), premier).size();
    std::sort(durees.begin(), durees.end());
    etat.counters["mediane_ms"] = durees[durees.size() / 2];
    etat.counters["pire_ms"] = durees.back();
    etat.counters["perdues"] = double(a.suivant - premier - stockees);
}
void FinDExerciceJournalLibre(benchmark::State& etat) { finsDExercice(etat, false); }
void FinDExerciceJournalTenu(benchmark::State& etat) { finsDExercice(etat, true); }
BENCHMARK(FinDExerciceJournalLibre)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(FinDExerciceJournalTenu)->Iterations(100)->Unit(benchmark::kMillisecond);

// The teacher's view of a damaged year: eight pages in the middle of the file overwritten, what
// can be read of the file read into memory (a copy, so that the year stays sound).
void LectureDUneAnneeAbimee(benchmark::State& etat) {
    Annee& a = annee();
    const QString copie = QStringLiteral("abime.sqlite");
    QFile::remove(copie);
    QFile::copy(a.fichier, copie);
    {
        QFile f(copie);
        f.open(QIODevice::ReadWrite);
        f.seek(f.size() / 2 / 4096 * 4096);
        f.write(QByteArray(8 * 4096, char(0xA5)));
    }
    JournalSqlite::Lecture lecture;
    for (auto _ : etat) benchmark::DoNotOptimize(JournalSqlite::lisible(copie, QStringLiteral("Mme Léa Martin"), lecture));
    etat.counters["lues"] = double(lecture.questions);
    etat.counters["illisibles"] = double(lecture.illisibles);
}
BENCHMARK(LectureDUneAnneeAbimee)->Iterations(3)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
