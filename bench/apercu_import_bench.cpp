// Speed of a class-list import as the teacher sees it: a school's whole export (5,000 rows × 25
// columns, CSV) read and its preview on screen, then its pupils registered in the class list.
#include "BancEcran.h"

#include "logique/base/FichierTexte.h"
#include "ecrans/identification/ApercuImport.h"
#include "logique/identification/ImportEleves.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/etat/SharedState.h"

#include <QDir>
#include <QTemporaryDir>

namespace {
constexpr int Lignes = 5000;
constexpr int Colonnes = 25;

// A class folder of one teacher teaching CE1, and the school's export beside it.
void prepareDossier() {
    FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun", "Martin", Registre::LigneNiveau(1)});
    QDir().mkpath("classe de Martin");
    QStringList lignes{"Prénom;Nom;Classe"};
    for (int c = 3; c < Colonnes; ++c) lignes.first() += QStringLiteral(";Champ %1").arg(c);
    for (int l = 0; l < Lignes; ++l) {
        QString ligne = QStringLiteral("Élève%1;Numéro%2;CE1").arg(l).arg(l * 7);
        for (int c = 3; c < Colonnes; ++c) ligne += QStringLiteral(";valeur %1").arg(c);
        lignes << ligne;
    }
    FichierTexte::remplaceOctets("export.csv", lignes.join("\r\n").toUtf8());
}

void ApercuAffiche(benchmark::State& etat) {
    QTemporaryDir dossier;
    QDir::setCurrent(dossier.path());
    prepareDossier();
    for (auto _ : etat) {
        const QList<ListeLue::Eleve> lus = ListeLue::lit("export.csv", Registre::Niveaux);
        ApercuImport apercu(nullptr, Etat(), "Martin", "export.csv", lus);
        apercu.resize(1000, 700);
        apercu.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(apercu.eleves().size());
    }
}
BENCHMARK(ApercuAffiche)->Unit(benchmark::kMillisecond)->Iterations(5);

void ElevesInscrits(benchmark::State& etat) {
    QTemporaryDir dossier;
    QDir::setCurrent(dossier.path());
    prepareDossier();
    const QList<ImportEleves::Eleve> eleves = ImportEleves::prepare(Etat(), "Martin",
                                                                    ListeLue::lit("export.csv", Registre::Niveaux), "ce1");
    for (auto _ : etat) {
        FichierTexte::supprime(Registre::FichierListeEleves("Martin"));
        benchmark::DoNotOptimize(ImportEleves::enregistre("Martin", eleves).enregistres);
    }
}
BENCHMARK(ElevesInscrits)->Unit(benchmark::kMillisecond)->Iterations(5);
}  // namespace

int main(int argc, char** argv) { return lanceBancsEcran(argc, argv); }
