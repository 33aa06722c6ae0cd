// Seeded random input against the whole program, as a child's hands would give it: thousands of
// clicks and keys on whatever screen is shown, timers sped up. At every moment at most one screen
// is shown (the modal summary lies over the exercise it ends), the program runs on, and every
// data file stays well formed. MARIVELLE_GRAINE and MARIVELLE_PAS change the seed and the length.
#include "DossierTemporaire.h"
#include "EnregistreurSons.h"
#include "Pilote.h"
#include "TestEcran.h"
#include "programme/Demarrage.h"
#include "ecrans/exercices/TExo2.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "logique/etat/NomsDossier.h"
#include "logique/identification/Registre.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/commun/Polices.h"
#include "logique/parametres/ParameterFiles.h"
#include "logique/etat/SharedState.h"

#include <QDirIterator>
#include <QTimer>
#include <memory>
#include <random>

namespace {
int parametre(const char* nom, int defaut) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(nom, &ok);
    return ok ? v : defaut;
}

const Ecrans::Role Roles[] = {
    Ecrans::Role::SaisieIdentifiant, Ecrans::Role::Accueil,    Ecrans::Role::ChoixOperateur, Ecrans::Role::Exo1,
    Ecrans::Role::Parametrage,       Ecrans::Role::Exo3,       Ecrans::Role::Exo2,           Ecrans::Role::Exo4,
    Ecrans::Role::Revision,          Ecrans::Role::TestDepart, Ecrans::Role::SuiviEleves};

QList<QWidget*> ecransVisibles() {
    QList<QWidget*> visibles;
    for (Ecrans::Role r : Roles)
        if (QWidget* e = Ecrans::ecran(r); e && e->isVisible()) visibles << e;
    return visibles;
}

// A text file written by the program: CR LF line ends only, the last line ended.
QString defautDeFichier(const QByteArray& o) {
    for (qsizetype i = 0; i < o.size(); ++i)
        if (o[i] == '\n' && (i == 0 || o[i - 1] != '\r')) return QStringLiteral("LF seul à l'octet %1").arg(i);
    if (!o.isEmpty() && !o.endsWith("\r\n")) return QStringLiteral("dernière ligne sans fin de ligne");
    return {};
}
}  // namespace

class SingeTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier;
    std::mt19937 hasard;
    int fait = 0;
    int voulus = 0;
    bool arret = false;
    bool fini = false;
    QStringList fautes;
    QSet<QString> vus;  // the screens the input reached
    QStringList entendu;

    int tire(int n) { return static_cast<int>(hasard() % static_cast<unsigned>(n)); }

    QWidget* cible() {
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        const QList<QWidget*> visibles = ecransVisibles();
        return visibles.isEmpty() ? nullptr : visibles.first();
    }

    void unPas() {
        ++fait;
        const QList<QWidget*> visibles = ecransVisibles();
        if (visibles.size() > 1 && fautes.size() < 5) {
            QStringList noms;
            for (QWidget* v : visibles) noms << v->objectName();
            fautes << QStringLiteral("pas %1 : %2 écrans montrés (%3)").arg(fait).arg(visibles.size()).arg(noms.join(", "));
        }
        QWidget* fenetre = cible();
        if (!fenetre) return;
        vus.insert(fenetre->objectName());
        // Now and then a child who knows the way: connects, or picks a free exercise.
        if (tire(qobject_cast<EcranOperation*>(fenetre) ? 4 : 40) == 0 && coupDePouce(fenetre)) return;
        const int choix = tire(10);
        if (choix < 7) {
            // A click on one of the controls shown, never on the program's own quit button.
            QList<QWidget*> controles;
            for (QWidget* w : fenetre->findChildren<QWidget*>())
                if (w->isVisible() && w->isEnabled() && w->objectName() != QLatin1String("Quitter")) controles << w;
            if (controles.isEmpty()) return;
            QWidget* w = controles[tire(controles.size())];
            // The quit pictures are tried too, but seldom: a session must get to the summaries.
            if (w->objectName().startsWith(QLatin1String("Quitter")) && tire(20) != 0) return;
            const QPoint point(tire(std::max(1, w->width())), tire(std::max(1, w->height())));
            QTest::mouseClick(w, tire(8) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, point);
        } else {
            static const Qt::Key touches[] = {Qt::Key_0,      Qt::Key_1,   Qt::Key_2,     Qt::Key_5,      Qt::Key_9,
                                              Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Backspace,
                                              Qt::Key_Delete, Qt::Key_A,   Qt::Key_Down};
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == fenetre ? focus : fenetre, touches[tire(std::size(touches))]);
        }
    }

    bool coupDePouce(QWidget* fenetre) {
        auto clic = [fenetre](const char* nom) {
            if (auto* w = fenetre->findChild<QWidget*>(QString::fromLatin1(nom)); w && w->isVisible())
                QTest::mouseClick(w, Qt::LeftButton);
        };
        if (fenetre->objectName() == QLatin1String("SaisieIdentifiant")) {
            const bool lea = tire(2) == 0;
            auto* enseignants = fenetre->findChild<QComboBox*>(QStringLiteral("cb_nom_ens"));
            auto* eleves = fenetre->findChild<QListWidget*>(QStringLiteral("lb_nom_eleve"));
            if (!enseignants || !eleves) return false;
            Pilote::choisit(enseignants, lea ? QStringLiteral("Martin") : QStringLiteral("aucun"));
            Pilote::clique(eleves, lea ? QStringLiteral("Lea en classe de ce1") : QStringLiteral("Tom"));
            clic("Jouer");
            return true;
        }
        if (fenetre->objectName() == QLatin1String("ChoixOperateur")) {
            static const char* exercices[] = {"ImageExo1", "ImageExo2", "ImageExo3", "ImageExo4"};
            static const char* signes[] = {"SigneBulleAddition", "SigneBulleSoustraction", "SigneBulleMultiplication",
                                           "SigneBulleDivision"};
            static const char* creatures[] = {"Requin", "Pirate", "Baleine"};
            clic(exercices[tire(4)]);
            clic(signes[tire(4)]);
            clic(creatures[tire(3)]);
            clic("PoissonJouer");
            return true;
        }
        if (auto* exercice = qobject_cast<EcranOperation*>(fenetre)) {
            const QuestionOperation& q = exercice->question();
            const auto* exo2 = qobject_cast<TExo2*>(fenetre);
            const int attendu = !exo2 ? q.resultat : exo2->trouAGauche() ? q.gauche : q.droite;
            for (QLineEdit* champ : fenetre->findChildren<QLineEdit*>())
                if (champ->isVisible() && !champ->isReadOnly()) {
                    champ->clear();
                    QTest::keyClicks(champ, QString::number(attendu));
                    QTest::keyClick(champ, Qt::Key_Return);
                    return true;
                }
        }
        return false;
    }

    // Each step is a new single-shot timer, scheduled before the step runs: a step that opens the
    // modal summary screen waits inside its loop, where the next steps go on.
    void planifie() {
        QTimer::singleShot(fait < voulus ? 0 : 10, this, [this] {
            if (arret) return;
            planifie();
            if (fait < voulus) unPas();
            else if (QWidget* modal = QApplication::activeModalWidget())
                // Done: a summary screen still open (now or later, when a running exercise ends)
                // is closed, so the loops under it return.
                QTest::keyClick(modal, Qt::Key_Return);
        });
    }

public:
    bool estUnParcours() const override { return true; }

protected:
    void avantChaqueTest() override {
        Affichage::fixeTaille(QSize(1024, 768));
        Minuterie::accelere(400);
        Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu));  // no sound card nor speech engine here
        Messages::installeRepondeur([this](Messages::Genre, const QString&) { return tire(2) == 0; });
        Ecrans::remplaceFin([this] { fini = true; });
    }

private slots:
    void initTestCase() {
        dossier = std::make_unique<DossierTemporaire>();
        hasard.seed(static_cast<unsigned>(parametre("MARIVELLE_GRAINE", 20261206)));
        voulus = parametre("MARIVELLE_PAS", 15000);
        Polices::installe();
        avantChaqueTest();

        // A teacher recording everything, a pupil with a sequence of the four exercises, a pupil
        // without teacher and without sequence.
        SharedState& e = Etat();
        QVERIFY(Registre::EnregistreEnseignant(e, "Martin", {1, 2}) == Registre::Issue::Enregistre);
        QVERIFY(Registre::EnregistreEleve(e, "Lea", "Martin", "ce1") == Registre::Issue::Enregistre);
        QVERIFY(Registre::EnregistreEleve(e, "Tom", "aucun", "") == Registre::Issue::Enregistre);
        SequenceSettings s;
        for (int type = 1; type <= 4; ++type)
            s.exercices << ExerciseSettings{.TypeExercice = type,
                                            .tables = {EntreeTable::table(type + 1, 1, 10, type % 4),
                                                       EntreeTable::complement(10, 0)},
                                            .AvecPirate = type != 1,
                                            .TempsDeReponse = type == 2 ? 0 : 2,
                                            .NombreDeQuestions = 2};
        const QString lea = "Lea en classe de ce1";
        EcritFichier("classe de Martin/" + NomsDossier::parametrage(lea, "Martin"), TexteParameterFile("Martin", lea, s));
        EcritFichier("classe de Martin/" + NomsDossier::parametrageEnseignant("Martin"),
                     TexteTeacherParameterFile("Martin", {}, s.exercices, true, true, true));

        Demarrage::creeLesEcrans();
        Demarrage::montreFenetrePrincipale();
        QVERIFY(QTest::qWaitForWindowExposed(Ecrans::ecran(Ecrans::Role::SaisieIdentifiant), BorneAttenteMs));
    }

    void desMilliersDeClicsEtDeTouches() {
        planifie();
        // The one bound for each 15000 steps (the CI's count, a few seconds): a longer run by hand waits longer.
        const bool tousFaits = attendsQue([this] { return fait >= voulus; }, BorneAttenteMs * (1 + voulus / 15000));
        QVERIFY2(
            tousFaits,
            qPrintable(QStringLiteral("%1 pas sur %2, fenêtre modale : %3")
                           .arg(fait)
                           .arg(voulus)
                           .arg(QApplication::activeModalWidget() ? QApplication::activeModalWidget()->objectName() : "aucune")));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join('\n')));
        QVERIFY(!fini);
        QCOMPARE(ecransVisibles().size(), 1);

        QDirIterator fichiers(QDir::currentPath(), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
        int lus = 0;
        while (fichiers.hasNext()) {
            const QString chemin = fichiers.next();
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString defaut = defautDeFichier(f.readAll());
            QVERIFY2(defaut.isEmpty(), qPrintable(chemin + QStringLiteral(" : ") + defaut));
            ++lus;
        }
        QVERIFY(lus >= 1);  // the teacher list at least: removals may have taken the rest
        qInfo("écrans atteints : %s", qPrintable(QStringList(vus.values()).join(", ")));
    }

    void cleanupTestCase() { arret = true; }
};

MARIVELLE_QTEST_MAIN(SingeTest)
#include "singe_qtest.moc"
