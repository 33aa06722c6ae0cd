// The end-of-exercise hand-over without the screens: the profile block appended, the position
// rewritten, the settings reloaded — on a sequence of ten ordinary exercises.
#include "BancLogique.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/etat/NomsDossier.h"
#include "logique/etat/SharedState.h"
#include "logique/resultats/Enregistreurs.h"
#include "logique/parametres/LitParametres.h"
#include "logique/parametres/ParameterFiles.h"
#include "logique/parametres/PositionParametres.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void BM_PassageApresExercice(benchmark::State& state) {
    QTemporaryDir dossier;
    const QString precedent = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    const QString classe = QStringLiteral("classe de Martin/");
    QDir().mkdir(classe);
    SequenceSettings sequence;
    for (int k = 1; k <= 10; ++k) {
        ExerciseSettings x;
        for (int n = 2; n <= 9; ++n) x.tables << EntreeTable::table(n, 1, 10, 2);
        sequence.exercices << x;
    }
    const QString eleve = QStringLiteral("Léa en classe de ce1");
    const QString parametres = classe + NomsDossier::parametrage(eleve, QStringLiteral("Martin"));
    EcritFichier(parametres, TexteParameterFile(QStringLiteral("Martin"), eleve, sequence));
    EcritFichier(classe + NomsDossier::parametrageEnseignant(QStringLiteral("Martin")),
                 TexteTeacherParameterFile(QStringLiteral("Martin"), {}, sequence.exercices, false, false, true));

    SharedState etat;
    etat.NomEleve = eleve;
    etat.NomEnseignant = QStringLiteral("Martin");
    etat.RepertoireClasse = classe;
    LitParametres(etat, etat.NomEleve, etat.NomEnseignant);
    EcritConnexion(etat, Horloge::maintenant());
    const QString listeErreurs = QStringLiteral("\r\n7×8 1 erreurs");
    for (auto _ : state) {
        etat.HeureFin = etat.HeureDebut + 83.4 / 86400;
        EcritProfilExercice(etat, 1, listeErreurs);
        etat.NumeroExercice = etat.NumeroExercice % 10 + 1;
        ReecritLignePosition(parametres, LigneDePosition(etat.NumeroExercice));
        LitParametres(etat, etat.NomEleve, etat.NomEnseignant);
    }
    QDir::setCurrent(precedent);
}
BENCHMARK(BM_PassageApresExercice)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) { return lanceBancsLogique(argc, argv); }
