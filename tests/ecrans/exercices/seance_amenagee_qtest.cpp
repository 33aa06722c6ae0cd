// The pupil's adjustments in the exercises: the creature's time multiplied or taken away (its
// designed pace read through the timing seam; the journal read back with Python's sqlite3), fewer
// questions, the voice on whatever the class's switch.
#include "EnregistreurSons.h"
#include "TestExercice.h"
#include "logique/amenagements/AmenagementsEnCours.h"
#include "logique/base/Horloge.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/exercices/TRevision.h"
#include "logique/journal/Journal.h"

namespace {
using Temps = Amenagements::Temps;
constexpr std::array TousLesTemps{Temps::Normal, Temps::UnEtDemi, Temps::Double, Temps::Triple, Temps::SansLimite};
Amenagements avec(Temps temps) {
    Amenagements a;
    a.temps = temps;
    return a;
}
}  // namespace

class SeanceAmenageeTest : public TestExercice<TExo1, Ecrans::Role::Exo1, 1> {
    Q_OBJECT

    std::unique_ptr<TExo2> exo2_;
    std::unique_ptr<TExo3> exo3_;
    std::unique_ptr<TExo4> exo4_;
    std::unique_ptr<TRevision> revision_;
    QStringList entendu_;

    // Exercises 3 and 4 get many tables, so that every question can be built.
    static void regle(int type, int questions, int temps, bool pirate) {
        TestExercice::regle({type, {3, 4, 4, 2}, questions, temps, pirate});
        if (type >= 3)
            for (int n = 2; n <= 9; ++n) Etat().ajouteEntree(n, 1, 10, 2);
        Etat().OptionTableDansOrdre = type < 3;
    }
    void repond(const QString& texte) {
        QTest::keyClicks(w("Resultat"), texte);
        QTest::keyClick(w("Resultat"), Qt::Key_Return);
    }

protected:
    void avantChaqueTest() override {
        TestExercice::avantChaqueTest();
        if (!exo2_)
            std::tie(exo2_, exo3_, exo4_, revision_) = std::tuple(std::make_unique<TExo2>(), std::make_unique<TExo3>(),
                                                                  std::make_unique<TExo4>(), std::make_unique<TRevision>());
    }

private slots:
    // 7 s a question: the pirate comes down 18 ms (exercise 1 and the review) or 20 ms (2, 3, 4)
    // a second of the time allowed, the shark's bubble rises 50 ms a second; without limit no
    // creature runs. Every gap is listed, so that one run names them all.
    void theCreatureTakesThePupilsTime() {
        struct Cas {
            QWidget* ecran;
            int type;
            bool pirate;
            std::array<int, 4> intervalles;  // at 1, 1.5, 2 and 3 times the sequence's time
        };
        const Cas cas[] = {
            {exo_, 1, true, {126, 189, 252, 378}},
            {exo_, 1, false, {350, 525, 700, 1050}},
            {revision_.get(), 1, true, {126, 189, 252, 378}},
            {revision_.get(), 1, false, {350, 525, 700, 1050}},
            {exo2_.get(), 2, true, {140, 210, 280, 420}},
            {exo2_.get(), 2, false, {350, 525, 700, 1050}},
            {exo3_.get(), 3, false, {140, 210, 280, 420}},
            {exo4_.get(), 4, false, {140, 210, 280, 420}},
        };
        QStringList ecarts;
        for (const Cas& c : cas)
            for (std::size_t t = 0; t < TousLesTemps.size(); ++t) {
                regle(c.type, 10, 7, c.pirate);
                AmenagementsEnCours::installe(avec(TousLesTemps[t]));
                c.ecran->show();
                const QList<int> voulu = t < 4 ? QList<int>{c.intervalles[t]} : QList<int>{};
                if (intervalles(c.ecran) != voulu)
                    ecarts << QStringLiteral("%1 %2 temps n°%3").arg(c.ecran->objectName()).arg(c.pirate).arg(t);
                c.ecran->hide();
            }
        Messages::recueille();  // the review, with nothing due, offers exercise 1
        QVERIFY2(ecarts.isEmpty(), qPrintable(ecarts.join(QStringLiteral(", "))));
    }

    // The journal keeps the time allowed in whole seconds (halves up), no creature without limit;
    // the answer time is measured all the same.
    void theJournalKeepsTheTimeAllowed() {
        const QString classe = QStringLiteral("classe de Mme Léa/");
        QDir().mkpath(classe);
        Horloge::fixe(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        for (const Temps t : TousLesTemps) {
            regle(1, 1, 7, true);
            std::tie(Etat().NomEleve, Etat().NomEnseignant,
                     Etat().RepertoireClasse) = std::tuple(QStringLiteral("Zoé"), QStringLiteral("Mme Léa"), classe);
            AmenagementsEnCours::installe(avec(t));
            exo_->show();
            Horloge::avance(30000);
            repond(QStringLiteral("12"));
            QTRY_VERIFY(!exo_->isVisible());
        }
        Journal::attends();
        const QString lu = python({QStringLiteral(MARIVELLE_DOSSIER_TESTS "/../../logique/journal/lit_journal.py"),
                                   classe + QStringLiteral("journal_des_reponses_de_Mme Léa.sqlite")});
        QStringList creatureTempsEtFin;
        for (const QString& ligne : lu.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList champs = ligne.split(QLatin1Char('|'));
            creatureTempsEtFin << QStringList{champs[14], champs[15], champs[8]}.join(QLatin1Char(' '));
        }
        QCOMPARE(creatureTempsEtFin, QStringList({"2 7 30000", "2 11 30000", "2 14 30000", "2 21 30000", "0 0 30000"}));
    }

    // 15 questions become 8; an exercise left and started again is not cut twice.
    void fewerQuestions() {
        Minuterie::accelere(100);
        regle(1, 15, 0, false);
        Amenagements moins;
        moins.moinsDeQuestions = true;
        AmenagementsEnCours::installe(moins);
        exo_->show();
        QTest::mouseClick(w("QuitterExo1"), Qt::LeftButton);
        QCOMPARE(Etat().NombreDeQuestions, 15);
        exo_->show();
        int reponses = 0;
        for (; exo_->isVisible() && reponses < 15; ++reponses) {
            const int n = numero();
            repond(QStringLiteral("12"));
            QTRY_VERIFY(numero() > n || !exo_->isVisible());
        }
        QCOMPARE(reponses, 8);
        QCOMPARE(Etat().NombreDeQuestions, 8);  // what the summary and the recorders count
    }

    // The class's switch off (no file): the statement and the question read for this pupil.
    void theVoiceOnForThePupil() {
        Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu_));
        regle(1, 3, 0, false);
        Amenagements voix;
        voix.voix = true;
        AmenagementsEnCours::installe(voix);
        exo_->show();
        QCOMPARE(entendu_, QStringList({QStringLiteral("dit Trouve le résultat. Tape ta réponse, puis entrée."),
                                        QStringLiteral("puis trois fois quatre")}));
    }
};

MARIVELLE_QTEST_MAIN(SeanceAmenageeTest)
#include "seance_amenagee_qtest.moc"
