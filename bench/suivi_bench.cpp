// The teacher's progress view on a class of 30 pupils with a school year each (10,000 questions):
// opening the class, its halves, one pupil's grids and charts, the family report in PDF.
#include "logique/base/EnFond.h"
#include "logique/base/Horloge.h"
#include "ecrans/commun/Affichage.h"
#include "logique/journal/Journal.h"
#include "logique/journal/MagasinSql.h"
#include "ecrans/suivi/RapportFamille.h"
#include "ecrans/suivi/TSuiviEleves.h"

#include <QApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QString Enseignant = QStringLiteral("Mme Durand");
const QDateTime Maintenant(QDate(2027, 6, 20), QTime(12, 0));

struct Classe30 {
    QTemporaryDir dossier;
    QString repertoire;
    Classe30() {
        QDir::setCurrent(dossier.path());
        repertoire = QStringLiteral("classe de Mme Durand/");
        QDir().mkpath(repertoire);
        ParametresConnexion p;
        p.base = Journal::cheminSqlite(Enseignant, repertoire);
        { MagasinSql schema(p); }
        auto base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("remplissage"));
        base.setDatabaseName(p.base);
        base.open();
        base.transaction();
        QSqlQuery q(base);
        const qint64 debut = QDateTime(QDate(2026, 9, 1), QTime(9, 0)).toMSecsSinceEpoch();
        for (int e = 1; e <= 30; ++e)
            q.exec(QStringLiteral("INSERT INTO journal_eleves (id, enseignant, eleve) VALUES (%1, '%2', 'Élève %1')")
                       .arg(e)
                       .arg(Enseignant));
        q.prepare(QStringLiteral(
            "INSERT INTO journal_questions VALUES (?, ?, 1, 1, 0, 0, 1, 0, 0, ?, 2, ?, ?, 0, '', ?, 1, 1000, ?, 0)"));
        // The class plays together: the pupils' questions are stored mixed, as in a real journal.
        for (int i = 0; i < 10000; ++i) {
            for (int e = 1; e <= 30; ++e) {
                const int a = (i * 7 + e) % 11, b = (i * 3 + e * 5) % 11;
                const bool juste = (i + e) % 5 != 0;
                // 10,000 questions over about 290 days.
                for (const QVariant& v : {QVariant(e), QVariant(debut + qint64(i) * 2'500'000 + e), QVariant(a), QVariant(b),
                                          QVariant(a * b), QVariant(int(juste)), QVariant(1000 + (i % 40) * 100)})
                    q.addBindValue(v);
                q.exec();
            }
        }
        base.commit();
        base.close();
    }
};

Classe30& classe() {
    static Classe30 c;
    return c;
}

void OuvertureDeLaClasse(benchmark::State& etat) {
    Classe30& c = classe();
    TSuiviEleves ecran;
    for (auto _ : etat) ecran.charge(Enseignant, c.repertoire);
}
BENCHMARK(OuvertureDeLaClasse)->Unit(benchmark::kMillisecond)->MinTime(2);

// The journal's questions, the first half of the opening.
void LectureDuJournal(benchmark::State& etat) {
    Classe30& c = classe();
    ParametresConnexion p;
    p.base = Journal::cheminSqlite(Enseignant, c.repertoire);
    MagasinSql magasin(p);
    for (auto _ : etat) benchmark::DoNotOptimize(magasin.reponses(Enseignant, 0));
}
BENCHMARK(LectureDuJournal)->Unit(benchmark::kMillisecond)->MinTime(1);

// Each pupil's year (the figures of the class line and the grids), one pupil after the other.
void Annees(benchmark::State& etat) {
    Classe30& c = classe();
    ParametresConnexion p;
    p.base = Journal::cheminSqlite(Enseignant, c.repertoire);
    MagasinSql magasin(p);
    const QList<ReponseResumee> reponses = magasin.reponses(Enseignant, 0);
    for (auto _ : etat)
        for (qsizetype debut = 0; debut < reponses.size(); debut += 10000) {
            const std::span<const ReponseResumee> eleve(reponses.constData() + debut, 10000);
            benchmark::DoNotOptimize(Suivi::analyse(reponses[debut].eleve, eleve, {}, Maintenant));
        }
}
BENCHMARK(Annees)->Unit(benchmark::kMillisecond)->MinTime(1);

// The second half of the opening, as `Suivi::charge` does it once the questions are read, with
// parameters fitted on the class: the model over the questions while the calibration line walks
// them again, then each pupil's year and estimates, the pupils in parallel.
void CalculsDeLaClasse(benchmark::State& etat) {
    Classe30& c = classe();
    ParametresConnexion p;
    p.base = Journal::cheminSqlite(Enseignant, c.repertoire);
    MagasinSql magasin(p);
    const QList<ReponseResumee> reponses = magasin.reponses(Enseignant, 0);
    const qint64 maintenant = Maintenant.toMSecsSinceEpoch();
    const ParametresMemoire parametres = ModeleMemoire::ajuste(reponses, maintenant);
    for (auto _ : etat) {
        QFuture<Calibrage> calibre = EnFond::lance([&] { return Suivi::calibrage(parametres, reponses, maintenant); });
        const ModeleMemoire modele(parametres, reponses);
        benchmark::DoNotOptimize(Suivi::texteCalibrage(calibre.result()));
        QList<AnneeEleve> annees(30);
        EnFond::pourChacun(annees, [&](AnneeEleve& b) {
            const qsizetype debut = (&b - annees.data()) * 10000;
            b = Suivi::analyse(reponses[debut].eleve, std::span(reponses.constData() + debut, 10000), {}, Maintenant);
            b.revision = Revision::estimeLEleve(modele, b.eleve, maintenant, 0.9);
        });
        benchmark::DoNotOptimize(annees);
    }
}
BENCHMARK(CalculsDeLaClasse)->Unit(benchmark::kMillisecond)->Repetitions(10);

void UnEleve(benchmark::State& etat) {
    Classe30& c = classe();
    TSuiviEleves ecran;
    ecran.charge(Enseignant, c.repertoire);
    for (auto _ : etat) ecran.montreEleve(QStringLiteral("Élève 7"));
}
BENCHMARK(UnEleve)->Unit(benchmark::kMillisecond)->MinTime(1);

void RapportPdf(benchmark::State& etat) {
    Classe30& c = classe();
    TSuiviEleves ecran;
    ecran.charge(Enseignant, c.repertoire);
    ecran.montreEleve(QStringLiteral("Élève 7"));
    for (auto _ : etat) ecran.enregistrePdf(c.dossier.path() + QStringLiteral("/bilan.pdf"));
}
BENCHMARK(RapportPdf)->Unit(benchmark::kMillisecond)->MinTime(1);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Horloge::fixe(Maintenant);
    Affichage::fixeTaille(QSize(1024, 768));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
