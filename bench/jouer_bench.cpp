// "Jouer" on the identification screen with the three recorders on (text profile, workbook,
// database), to the first exercise screen shown (offscreen): the connection, the settings load,
// the profile's connection block, the workbook and database checks (the pupil's sheet is already
// there, among 30) and the first question on screen; the sequence starts with exercise 1 or
// exercise 2 (the argument).
#include "BancEcran.h"
#include "programme/Demarrage.h"
#include "ecrans/commun/Affichage.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/Registre.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/parametres/ParameterFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void BM_JouerJusquAuPremierExercice(benchmark::State& state) {
    static QTemporaryDir dossier;
    static bool pret = false;
    QDir::setCurrent(dossier.path());
    SharedState& etat = Etat();
    const QString eleve = QStringLiteral("Léa en classe de ce1");
    if (!pret) {
        Demarrage::creeLesEcrans();
        Registre::EnregistreEnseignant(etat, QStringLiteral("Martin"), {1, 2});
        Registre::EnregistreEleve(etat, QStringLiteral("Léa"), QStringLiteral("Martin"), QStringLiteral("ce1"));
        pret = true;
    }
    const int type = static_cast<int>(state.range(0));
    SequenceSettings s;
    for (int k = 0; k < 5; ++k) {
        ExerciseSettings x;
        x.TypeExercice = type;
        for (int n = 2; n <= 9; ++n) x.tables << EntreeTable::table(n, 1, 10, 2);
        s.exercices << x;
    }
    EcritFichier(QStringLiteral("classe de Martin/") + NomsDossier::parametrage(eleve, QStringLiteral("Martin")),
                 TexteParameterFile(QStringLiteral("Martin"), eleve, s));
    EcritFichier(QStringLiteral("classe de Martin/") + NomsDossier::parametrageEnseignant(QStringLiteral("Martin")),
                 TexteTeacherParameterFile(QStringLiteral("Martin"), {}, s.exercices, true, true, true));
    // The class's workbook already holds 30 pupils' sheets, the pupil's among them.
    for (int p = 0; p < 30; ++p) {
        SharedState autre;
        autre.NomEnseignant = QStringLiteral("Martin");
        autre.NomEleve = p == 15 ? eleve : QStringLiteral("Élève numéro %1").arg(p);
        autre.RepertoireClasse = QStringLiteral("classe de Martin/");
        PrepareClasseur(autre);
    }

    QWidget* identification = Ecrans::ecran(Ecrans::Role::SaisieIdentifiant);
    QWidget* exo1 = Ecrans::exercice(type);
    auto* enseignants = identification->findChild<QComboBox*>(QStringLiteral("cb_nom_ens"));
    auto* eleves = identification->findChild<QListWidget*>(QStringLiteral("lb_nom_eleve"));
    auto* jouer = identification->findChild<QPushButton*>(QStringLiteral("Jouer"));
    identification->show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        exo1->hide();
        identification->show();
        QApplication::processEvents();
        // As a pupil chooses: the teacher from the drop-down, then their name in the list.
        const int martin = enseignants->findText(QStringLiteral("Martin"));
        enseignants->setCurrentIndex(martin);
        emit enseignants->activated(martin);
        const auto trouves = eleves->findItems(eleve, Qt::MatchExactly);
        if (trouves.isEmpty()) {
            state.SkipWithError("the pupil is not listed");
            break;
        }
        eleves->setCurrentItem(trouves.first());
        state.ResumeTiming();
        jouer->click();
        QApplication::processEvents();
        if (!exo1->isVisible()) state.SkipWithError("the exercise screen is not shown");
    }
}
BENCHMARK(BM_JouerJusquAuPremierExercice)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(50);
}  // namespace

int main(int argc, char** argv) { return lanceBancsEcran(argc, argv); }
