// Twenty exercises played in a row (exercises 1 and 2 alternating, offscreen, timers sped up, every
// answer right at the first try so that the seahorse runs each time): the peak resident memory
// after the first exercise and after the twentieth, and the widgets and timers left, which must
// not grow from one exercise to the next.
#include "BancEcran.h"
#include "programme/Demarrage.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {
// VmHWM (peak) or VmRSS of this process, in kB.
double memoire(const char* cle) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith(cle)) return ligne.mid(qstrlen(cle)).trimmed().split(' ').value(0).toDouble();
    return 0;
}

void attends(const std::function<bool()>& condition) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 2);
}

// One exercise of ten questions, all right at the first try, to its hand-over.
bool joue(int type) {
    SharedState& e = Etat();
    InitialiseParametres(e);
    e.NomEleve = EleveSansId;
    e.TypeExercice = type;
    for (int n = 2; n <= 9; ++n) e.ajouteEntree(n, 1, 10, 2);
    e.NombreDeQuestions = 10;
    auto* ecran = static_cast<EcranOperation*>(Ecrans::exercice(type));
    ecran->show();
    for (int q = 1; q <= 10; ++q) {
        attends([&] { return ecran->partie().NumeroQuestion == q && !ecran->partie().RamassageEnCours; });
        QLineEdit* champ = nullptr;
        int reponse = ecran->question().resultat;
        if (type == 1) {
            champ = ecran->findChild<QLineEdit*>(QStringLiteral("Resultat"));
        } else {
            const bool gauche = static_cast<TExo2*>(ecran)->trouAGauche();
            champ = ecran->findChild<QLineEdit*>(gauche ? QStringLiteral("OpGaucheEdit") : QStringLiteral("OpDroiteEdit"));
            reponse = gauche ? ecran->question().gauche : ecran->question().droite;
        }
        champ->setText(QString::number(reponse));
        QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(champ, &entree);
    }
    attends([&] { return !ecran->isVisible(); });
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !ecran->isVisible();
}

void BM_VingtExercicesALaSuite(benchmark::State& state) {
    QTemporaryDir dossier;
    QDir::setCurrent(dossier.path());
    Demarrage::creeLesEcrans();
    Minuterie::accelere(1000);
    for (auto _ : state) {
        if (!joue(1)) state.SkipWithError("exercise 1 did not end");
        const double piccApres1 = memoire("VmHWM:");
        const qsizetype widgets1 = QApplication::allWidgets().size();
        qsizetype objets1 = 0;
        for (int t : {1, 2}) objets1 += Ecrans::exercice(t)->findChildren<QObject*>().size();
        double rssApres10 = 0;
        for (int k = 2; k <= 20; ++k) {
            if (!joue(k % 2 == 0 ? 2 : 1)) state.SkipWithError("an exercise did not end");
            if (k == 10) rssApres10 = memoire("VmRSS:");
        }
        state.counters["rss_apres_10_kB"] = rssApres10;
        state.counters["rss_apres_20_kB"] = memoire("VmRSS:");
        qsizetype objets20 = 0;
        for (int t : {1, 2}) objets20 += Ecrans::exercice(t)->findChildren<QObject*>().size();
        state.counters["pic_apres_1_kB"] = piccApres1;
        state.counters["pic_apres_20_kB"] = memoire("VmHWM:");
        state.counters["rapport_pics"] = memoire("VmHWM:") / piccApres1;
        state.counters["widgets_en_plus"] = static_cast<double>(QApplication::allWidgets().size() - widgets1);
        state.counters["objets_en_plus"] = static_cast<double>(objets20 - objets1);
    }
}
BENCHMARK(BM_VingtExercicesALaSuite)->Unit(benchmark::kMillisecond)->Iterations(1);
}  // namespace

int main(int argc, char** argv) { return lanceBancsEcran(argc, argv); }
