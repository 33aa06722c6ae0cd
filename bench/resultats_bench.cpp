// End of an exercise with the three recorders on: the text profile, a workbook of 30 pupils'
// sheets with 100 exercise columns each, a database of 30,000 rows. Each iteration adds one
// column and one row, as a pupil finishing an exercise does.
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/resultats/Enregistreurs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
SharedState eleve(const QString& nom) {
    SharedState e;
    e.NomEnseignant = QStringLiteral("Mme Lebrun");
    e.NomEleve = nom;
    e.RepertoireClasse = NomsDossier::repertoireClasse(e.NomEnseignant);
    e.SauvegardeBase = e.SauvegardeTableur = e.SauvegardeTexte = true;
    for (int n = 2; n <= 9; ++n) e.ajouteEntree(n, 1, 10, n % 4);
    e.TypeExercice = 1;
    e.HeureDebut = 0.4;
    e.HeureFin = 0.4009;
    e.DateHeureDebut = QStringLiteral("06/12/2026 09:36:00");
    e.DateHeureFin = QStringLiteral("06/12/2026 09:37:17");
    return e;
}

const QString ListeErreurs = QStringLiteral("\r\n3 x 7 = 20\r\n6 x 8 = 46\r\n9 x 9 = 72");

void prepareLaClasse() {
    QDir().mkdir(QStringLiteral("classe de Mme Lebrun"));
    QElapsedTimer chrono;
    chrono.start();
    for (int p = 0; p < 30; ++p) {
        SharedState e = eleve(QStringLiteral("Élève numéro %1").arg(p));
        PrepareClasseur(e);
        for (e.NumeroExercice = 1; e.NumeroExercice <= 100; ++e.NumeroExercice) EcritColonneTableur(e, 3, ListeErreurs);
    }
    SharedState e = eleve(QStringLiteral("Élève numéro 0"));
    PrepareBase(e);
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("remplissage"));
        base.setDatabaseName(e.RepertoireClasse + QStringLiteral("profil_des_eleves_de_Mme Lebrun.sqlite"));
        base.open();
        base.transaction();
        QSqlQuery q(base);
        q.prepare(QStringLiteral("INSERT INTO classe_de_Mme_Lebrun (Nom_eleve, Date_debut, Exercice, Type_exercice, "
                                 "Tables, Cas_particulier, Aide, Taux_reussite, Nombre_erreur, Temps, "
                                 "Temps_questions, Bilan, Date_fin) VALUES (?, ?, ?, 'donner résultat', "
                                 "'x [7 de 1 à 10]', 'aucun', 'dessins', 70, '3 erreurs sur 10', 77, "
                                 "'7,7 s par question', ?, ?)"));
        for (int i = 0; i < 30000; ++i) {
            q.addBindValue(QStringLiteral("Élève_numéro_%1").arg(i % 30));
            q.addBindValue(e.DateHeureDebut);
            q.addBindValue(i / 30 + 1);
            q.addBindValue(ListeErreurs);
            q.addBindValue(e.DateHeureFin);
            q.exec();
        }
        base.commit();
        base.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("remplissage"));
    EcritConnexion(e, QDateTime::currentDateTime());
    std::fprintf(stderr, "class prepared in %lld ms\n", static_cast<long long>(chrono.elapsed()));
}

// One class for all benchmarks and repetitions; each repetition times one end of exercise.
SharedState& classe() {
    static QTemporaryDir dossier;
    static SharedState premier = [] {
        QDir::setCurrent(dossier.path());
        prepareLaClasse();
        SharedState e = eleve(QStringLiteral("Élève numéro 0"));
        e.NumeroExercice = 101;
        return e;
    }();
    return premier;
}

template <bool Profil, bool Tableur, bool Base>
void BM_FinDExercice(benchmark::State& state) {
    SharedState& e = classe();
    for (auto _ : state) {
        if (Profil) EcritProfilExercice(e, 3, ListeErreurs);
        if (Tableur) EcritColonneTableur(e, 3, ListeErreurs);
        if (Base) EcritLigneBase(e, 3, ListeErreurs);
        ++e.NumeroExercice;
    }
}

double pire(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

BENCHMARK(BM_FinDExercice<true, true, true>)
    ->Name("FinDExercice/trois_enregistreurs")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(100)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", pire);
BENCHMARK(BM_FinDExercice<false, true, false>)
    ->Name("FinDExercice/classeur_seul")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(30)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", pire);
BENCHMARK(BM_FinDExercice<false, false, true>)
    ->Name("FinDExercice/base_seule")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(30)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", pire);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    Messages::installeRepondeur([](Messages::Genre, const QString& texte) {
        std::fprintf(stderr, "%s\n", qPrintable(texte));
        return true;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
