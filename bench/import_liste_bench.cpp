// A school's whole list of 5,000 pupils: the CSV read (title line, header, names with accents),
// then prepared and registered with one teacher, as "Importer une liste d'élèves" does.
#include "BancLogique.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/ImportEleves.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "logique/listes/ListeLue.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int Eleves = 5000;
const QString Enseignant = QStringLiteral("Mme Durand");

QByteArray csv() {
    QString texte = QStringLiteral("Liste des élèves de l'école, année 2026-2027\r\n\r\nNom;Prénom;Classe\r\n");
    for (int i = 0; i < Eleves; ++i)
        texte += QStringLiteral("Lefèvre-%1;Zoé Anaïs %2;%3\r\n")
                     .arg(i)
                     .arg(i % 97)
                     .arg(i % 2 ? QStringLiteral("CE1") : QStringLiteral("ce 2"));
    return texte.toUtf8();
}

// A data folder with the teacher of ce1 and ce2 and an empty class list, made the working folder.
struct Classe {
    Classe() : precedent(QDir::currentPath()) {
        QDir::setCurrent(dossier.path());
        FichierTexte::ecritLignes(etat.FichierEnseignants, {Registre::EnteteEnseignants, Registre::Aucun});
        Registre::EnregistreEnseignant(etat, Enseignant, {1, 2});
        lus = ListeLue::depuisCsv(csv(), Registre::Niveaux);
    }
    ~Classe() { QDir::setCurrent(precedent); }
    void vide() {
        FichierTexte::ecritLignes(Registre::FichierListeEleves(Enseignant), {Registre::EnteteListeEleves(Enseignant)});
    }

    QTemporaryDir dossier;
    QString precedent;
    SharedState etat;
    QList<ListeLue::Eleve> lus;
};

void BM_LectureCsv5000(benchmark::State& state) {
    const QByteArray octets = csv();
    for (auto _ : state) {
        const auto lus = ListeLue::depuisCsv(octets, Registre::Niveaux);
        if (lus.size() != Eleves) state.SkipWithError("pupils missing");
    }
}

void BM_Prepare5000(benchmark::State& state) {
    Classe classe;
    for (auto _ : state) {
        const auto eleves = ImportEleves::prepare(classe.etat, Enseignant, classe.lus, QStringLiteral("ce1"));
        if (!eleves.last().refus.isEmpty()) state.SkipWithError(qPrintable(eleves.last().refus));
    }
}

void BM_Enregistre5000(benchmark::State& state) {
    Classe classe;
    classe.vide();
    const auto eleves = ImportEleves::prepare(classe.etat, Enseignant, classe.lus, QStringLiteral("ce1"));
    for (auto _ : state) {
        state.PauseTiming();
        classe.vide();
        state.ResumeTiming();
        if (ImportEleves::enregistre(Enseignant, eleves).enregistres != Eleves) state.SkipWithError("pupils not registered");
    }
}

BENCHMARK(BM_LectureCsv5000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_Prepare5000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_Enregistre5000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}  // namespace

int main(int argc, char** argv) { return lanceBancsLogique(argc, argv); }
