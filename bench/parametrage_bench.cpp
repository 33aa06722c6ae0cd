// The teacher's settings screen with a full class: opening it with "Paramétrer" (reading the
// teacher's 50 defined exercises, the 100 pupils, the profile choice, the screen shown), and
// ">>" assigning a 50-exercise sequence to 100 pupils (every file written whole, under its lock).
#include "BancEcran.h"
#include "programme/Demarrage.h"
#include "ecrans/commun/Affichage.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/parametres/ExercicesDefinis.h"
#include "logique/parametres/ParameterFiles.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QString Martin = QStringLiteral("Martin");
const QString Classe = QStringLiteral("classe de Martin/");

// Fifty exercises of ten tables each, with every section filled.
ExercicesDefinis cinquanteExercices() {
    ExercicesDefinis d;
    for (int k = 1; k <= 50; ++k) {
        ExerciseSettings x;
        x.TypeExercice = 1 + k % 4;
        QStringList items;
        for (int n = 1; n <= 10; ++n) {
            x.tables << EntreeTable::table(n, -k, 10 + k, k % 4);
            items << QStringLiteral("(x) table de %1 sur [%2..%3]").arg(n).arg(-k).arg(10 + k);
        }
        x.CasSuccesseurs = true;
        x.AvecPirate = true;
        x.TempsDeReponse = 15;
        x.BandeNumerique = 3;
        d.libelles << EtiquetteExercice(k, items);
        d.contenus << BlocExercice(x);
    }
    return d;
}

void classeComplete() {
    QDir().mkdir(QStringLiteral("classe de Martin"));
    QStringList lignes{QStringLiteral("--------------Fichier de la classe de Martin--------------")};
    for (int i = 1; i <= 100; ++i) lignes << QStringLiteral("Élève %1 en classe de ce1").arg(i);
    FichierTexte::ecritLignes(Classe + QStringLiteral("classe_Martin.txt"), lignes);
    FichierTexte::ecritLignes(QStringLiteral("enseignant.txt"),
                              {QStringLiteral("-------------Fichier contenant le nom des enseignants----------"),
                               QStringLiteral("aucun"), Martin, QStringLiteral(">1 - enseigne la classe de ce1")});
    ExercicesEnseignant::enregistre(Classe + NomsDossier::parametrageEnseignant(Martin), Martin, cinquanteExercices(),
                                    {true, false, true});
}

void BM_OuvertureParametrage(benchmark::State& state) {
    QTemporaryDir dossier;
    QDir::setCurrent(dossier.path());
    classeComplete();
    Demarrage::creeLesEcrans();
    QWidget* identification = Ecrans::ecran(Ecrans::Role::SaisieIdentifiant);
    QWidget* parametrage = Ecrans::ecran(Ecrans::Role::Parametrage);
    auto* enseignants = identification->findChild<QListWidget*>(QStringLiteral("lb_nom_ens_param"));
    auto* parametrer = identification->findChild<QPushButton*>(QStringLiteral("Parametre"));
    auto* annuler = parametrage->findChild<QPushButton*>(QStringLiteral("Annuler"));
    identification->show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        const auto trouves = enseignants->findItems(Martin, Qt::MatchExactly);
        if (trouves.isEmpty()) {
            state.SkipWithError("the teacher is not listed");
            break;
        }
        enseignants->setCurrentItem(trouves.first());
        state.ResumeTiming();
        parametrer->click();
        QApplication::processEvents();
        state.PauseTiming();
        const auto* sequence = parametrage->findChild<QListWidget*>(QStringLiteral("ListeSequence"));
        const auto* eleves = parametrage->findChild<QListWidget*>(QStringLiteral("Eleve"));
        if (!parametrage->isVisible() || sequence->count() != 50 || eleves->count() != 101)
            state.SkipWithError("the settings screen did not open with the class");
        annuler->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OuvertureParametrage)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_AffectationCinquanteExercicesCentEleves(benchmark::State& state) {
    QTemporaryDir dossier;
    QDir::setCurrent(dossier.path());
    QDir().mkdir(QStringLiteral("classe de Martin"));
    ExercicesEnseignant::Affectation a;
    a.enseignant = Martin;
    a.repertoireClasse = Classe;
    a.blocs = cinquanteExercices().contenus;
    a.fin = 1;
    a.retroaction = 2;
    for (int i = 1; i <= 100; ++i) a.eleves << QStringLiteral("Élève %1 en classe de ce1").arg(i);
    for (auto _ : state) {
        if (!ExercicesEnseignant::affecte(a).isEmpty()) state.SkipWithError("a file was not written");
    }
    // Every file complete: 50 exercises and the feedback line that ends the file.
    for (const QString& eleve : a.eleves) {
        const QStringList lignes = FichierTexte::litLignes(ExercicesEnseignant::cheminEleve(a, eleve));
        if (!lignes.contains(QStringLiteral("Exercice 50")) ||
            lignes.last() != QStringLiteral("2 - mettre en évidence les points négatifs"))
            state.SkipWithError("a pupil's file is incomplete");
    }
}
BENCHMARK(BM_AffectationCinquanteExercicesCentEleves)->Unit(benchmark::kMillisecond)->Iterations(10);
}  // namespace

int main(int argc, char** argv) { return lanceBancsEcran(argc, argv); }
