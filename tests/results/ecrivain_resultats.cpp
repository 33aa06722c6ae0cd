// A second program for the tests: records exercises of one pupil into a teacher's workbook and
// database, so that two of them can run at the same time.
// ecrivain_resultats <working folder> <teacher> <pupil> <exercises>
#include "base/Messages.h"
#include "state/SharedState.h"
#include "state/Utils.h"
#include "results/Enregistreurs.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList a = application.arguments();
    if (a.size() != 5) return 2;
    QDir::setCurrent(a[1]);
    int echecs = 0;
    Messages::installeRepondeur([&](Messages::Genre, const QString& texte) {
        std::fprintf(stderr, "%s\n", qPrintable(texte));
        ++echecs;
        return true;
    });
    SharedState e;
    e.NomEnseignant = a[2];
    e.NomEleve = a[3];
    e.RepertoireClasse = RepertoireDeClasse(e.NomEnseignant);
    e.SauvegardeBase = e.SauvegardeTableur = true;
    e.ajouteEntree(7, 1, 10, 2);
    e.TypeExercice = 1;
    e.HeureDebut = 0.4;
    e.HeureFin = 0.4005;
    e.DateHeureDebut = QStringLiteral("06/12/2026 09:36:00");
    e.DateHeureFin = QStringLiteral("06/12/2026 09:36:43");
    PrepareClasseur(e);
    PrepareBase(e);
    const int exercices = a[4].toInt();
    for (e.NumeroExercice = 1; e.NumeroExercice <= exercices; ++e.NumeroExercice) {
        EcritColonneTableur(e, 1, QStringLiteral("3 x 7 = 20\r\n"));
        EcritLigneBase(e, 1, QStringLiteral("3 x 7 = 20\r\n"));
    }
    return echecs == 0 ? 0 : 1;
}
