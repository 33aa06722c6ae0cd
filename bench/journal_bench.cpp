// The answer journal at the size of a school year: 30 pupils × 10,000 questions in one class's
// file. Measures the write of one question (its transaction, as the writer thread does it) and
// the bytes on disk per question.
#include "journal/Journal.h"
#include "journal/MagasinSql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
            q.exec(QStringLiteral("INSERT INTO journal_eleves (id, enseignant, eleve) VALUES (%1, 'Mme Léa Martin', 'Élève numéro %1')").arg(eleve));
        }
        q.prepare(QStringLiteral("INSERT INTO journal_questions VALUES (?, ?, ?, ?, 2, 10, 1, 0, 0, ?, 2, ?, ?, 0, ?, ?, ?, ?, ?, 0)"));
        for (int i = 0; i < 300'000; ++i) {
            const EntreeJournal e = question(1 + i % 30, suivant++);
            for (const QVariant& v : {QVariant(1 + i % 30), QVariant(e.moment), QVariant(e.typeExercice), QVariant(e.position),
                                      QVariant(e.fait.gauche), QVariant(e.fait.droite), QVariant(e.fait.resultat),
                                      QVariant(e.reponse), QVariant(int(e.justePremierCoup)), QVariant(e.essais),
                                      QVariant(e.msPremiere), QVariant(e.msFin)})
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
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
