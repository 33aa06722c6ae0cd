// The answer journal as the four exercises write it, played as a pupil would with the clock set:
// each question's fact, first answer, tries and times, read back with Python's own sqlite3.
#include "ServeurPostgres.h"
#include "TestExercice.h"
#include "logique/base/Aleatoire.h"
#include "logique/base/Horloge.h"
#include "logique/exercices/QuestionExo4.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "logique/exercices/TirageOperation.h"
#include "logique/journal/Journal.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

namespace {
const QString Enseignant = QStringLiteral("Mme Léa");
const QString Classe = QStringLiteral("classe de Mme Léa/");
const QString Fichier = Classe + QStringLiteral("journal_des_reponses_de_Mme Léa.sqlite");
}  // namespace

class JournalTest : public TestExercice<TExo1, Ecrans::Role::Exo1, 1> {
    Q_OBJECT

    std::unique_ptr<TExo2> exo2_;
    std::unique_ptr<TExo3> exo3_;
    std::unique_ptr<TExo4> exo4_;
    qint64 debut_ = 0;

    // The lines of the journal from Python, the moment replaced by its distance in ms to the
    // start of the test.
    QStringList journal() const {
        Journal::attends();
        QStringList lignes;
        for (const QString& l : python({QStringLiteral(MARIVELLE_DOSSIER_TESTS "/../../logique/journal/lit_journal.py"), Fichier})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QStringList champs = l.split(QLatin1Char('|'));
            champs[1] = QString::number(champs[1].toLongLong() - debut_);
            lignes << champs.join(QLatin1Char('|'));
        }
        return lignes;
    }
    // The settings of one exercise for Zoé of Mme Léa.
    // Exercises 3 and 4 on the tables 2 to 9 with ×, many results shared.
    static void regle(int type, std::array<int, 4> table, int questions, int temps = 0, bool pirate = false) {
        TestExercice::regle({type, table, questions, temps, pirate});
        SharedState& e = Etat();
        std::tie(e.NomEleve, e.NomEnseignant, e.RepertoireClasse) = std::tuple(QStringLiteral("Zoé"), Enseignant, Classe);
        e.NumeroExercice = 2;
        if (type < 3) return;
        for (int n = 3; n <= 9; ++n) e.ajouteEntree(n, 1, 10, 2);
        e.OptionTableDansOrdre = false;
    }
    static void tape(QWidget* champ, const QString& texte, int apresMs) {
        Horloge::avance(apresMs);
        QTest::keyClicks(champ, texte);
        QTest::keyClick(champ, Qt::Key_Return);
    }

protected:
    // Each test starts at the same moment, on an empty journal; the other screens made once.
    void avantChaqueTest() override {
        TestExercice::avantChaqueTest();
        if (!exo2_)
            std::tie(exo2_, exo3_, exo4_) = std::tuple(std::make_unique<TExo2>(), std::make_unique<TExo3>(),
                                                       std::make_unique<TExo4>());
        QDir().mkpath(Classe);
        Ecrans::enregistre(Ecrans::Role::Exo2, exo2_.get(), 2);
        Ecrans::enregistre(Ecrans::Role::Exo3, exo3_.get(), 3);
        Ecrans::enregistre(Ecrans::Role::Exo4, exo4_.get(), 4);
        Horloge::fixe(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        debut_ = Horloge::maintenant().toMSecsSinceEpoch();
        QFile::remove(Fichier);
    }

private slots:
    // Exercise 1: right at the first try, wrong then right, then the pirate and the sharks
    // ending questions. (That the anonymous pupil's are never kept is magasin_test.cpp's.)
    void exercise1() {
        regle(1, {3, 4, 4, 2}, 2);
        exo_->show();
        auto* resultat = Pilote::controle<QLineEdit>(exo_, QStringLiteral("Resultat"));
        tape(resultat, QStringLiteral("12"), 1200);
        QTRY_COMPARE(exo_->partie().NumeroQuestion, 2);
        tape(resultat, QStringLiteral("11"), 800);
        tape(resultat, QStringLiteral("12"), 700);
        QTRY_VERIFY(!exo_->isVisible());

        Minuterie::accelere(10);
        for (bool pirate : {true, false}) {
            Horloge::avance(1000);
            regle(1, {3, 4, 4, 2}, 1, 1, pirate);
            exo_->show();
            QTRY_VERIFY(!exo_->isVisible());
        }
        QCOMPARE(journal(), QStringList({
                                QString::fromUtf8("Zoé|0|1|3×4=12|12|1|1|1200|1200|0|0|0|0|2|0|0|"),
                                QString::fromUtf8("Zoé|1200|1|3×4=12|11|0|2|800|1500|0|0|0|0|2|0|0|"),
                                QString::fromUtf8("Zoé|3700|1|3×4=12||0|0|-1|-1|1|0|0|0|2|2|1|"),
                                QString::fromUtf8("Zoé|4700|1|3×4=12||0|0|-1|-1|1|0|0|0|2|1|1|"),
                            }));
        QVERIFY(bilan_.vus >= 2);
    }

    // Exercise 2 keeps which operand was the hole; exercise 3 the three operations and the clicks
    // (the intruder found at the third); exercise 4 the selection, wrong then right.
    void exercises2To4() {
        regle(2, {3, 4, 4, 2}, 1);
        Aleatoire::graine(5);
        exo2_->show();
        const bool g = exo2_->trouAGauche();
        const QString attendu = g ? QStringLiteral("3") : QStringLiteral("4");
        tape(Pilote::controle<QLineEdit>(exo2_.get(), g ? QStringLiteral("OpGaucheEdit") : QStringLiteral("OpDroiteEdit")),
             attendu, 2000);
        QTRY_VERIFY(!exo2_->isVisible());

        regle(3, {2, 1, 10, 2}, 1);
        exo3_->show();
        const QuestionExo3 q3 = exo3_->question();
        QList<int> ordre;
        for (int k = 1; k <= 3; ++k)
            if (!q3.estIntrus(k)) ordre << k;
        ordre << q3.PositionIntrus;
        for (int k : ordre) {
            QTRY_VERIFY(exo3_->isVisible());
            Horloge::avance(1000);
            exo3_->ClicBulle(k);
            // The burst of a wrong bubble ends on its shark; clicks wait until it is over.
            if (!q3.estIntrus(k))
                QTRY_VERIFY(Pilote::controle<QWidget>(exo3_.get(), QStringLiteral("Requin%1").arg(k))->isVisible() &&
                            intervalles(exo3_.get()).isEmpty());
        }
        QTRY_VERIFY(!exo3_->isVisible());

        regle(4, {2, 1, 10, 2}, 1);
        exo4_->show();
        const QuestionExo4 q4 = exo4_->question();
        Horloge::avance(1500);
        clique(Pilote::controle<QWidget>(exo4_.get(), QStringLiteral("PoissonVal")));  // nothing selected: wrong
        for (int i = 1; i <= BullesExo4; ++i)
            if (q4.BonnesBulles[std::size_t(i - 1)]) exo4_->BulleBleuClick(i);
        Horloge::avance(2500);
        clique(Pilote::controle<QWidget>(exo4_.get(), QStringLiteral("PoissonVal")));
        QTRY_VERIFY(!exo4_->isVisible());

        const QStringList lignes = journal();
        QCOMPARE(lignes.size(), 3);
        const auto sansMoment = [](QString l) { return l.remove(QRegularExpression(QStringLiteral("^Zoé\\|\\d+\\|"))); };
        QCOMPARE(sansMoment(lignes[0]), QString::fromUtf8("2|3×4=12|") + attendu + QStringLiteral("|1|1|2000|2000|0|") +
                                            (g ? u("1") : u("2")) + QStringLiteral("|0|0|2|0|0|"));
        const auto fait = [](const QuestionOperation& o) { return FaitDe(o).cle(); };
        QStringList operations3;
        for (int k = 1; k <= 3; ++k) operations3 << fait(q3.bulles[std::size_t(k - 1)]) + QStringLiteral(":1");
        QCOMPARE(sansMoment(lignes[1]), QStringLiteral("3|") + fait(q3.bulles[std::size_t(q3.PositionIntrus - 1)]) +
                                            QStringLiteral("||0|3|1000|3000") + QStringLiteral("|0|0|0|0|2|0|0|") +
                                            operations3.join(QLatin1Char(',')));
        QStringList operations4;
        for (int i = 0; i < BullesExo4; ++i)
            operations4 << fait(q4.bulles[std::size_t(i)]) +
                               (q4.BonnesBulles[std::size_t(i)] ? QStringLiteral(":2") : QStringLiteral(":3"));
        QCOMPARE(sansMoment(lignes[2]),
                 QStringLiteral("4|0+0=%1||0|2|1500|4000|0|0|0|0|2|0|0|").arg(q4.cible) + operations4.join(QLatin1Char(',')));
    }

    // A journal that cannot be written: the game goes on, the summary shows, the profile is
    // written; the child is told once a session, in plain words, that the answers are kept, the
    // teacher why at the next visit; the answers go in once it can be written.
    void aJournalThatCannotBeWrittenNeverStopsTheGame() {
        QDir().mkpath(Fichier);  // a folder where the file should be
        const QString profil = Classe + QStringLiteral("profil_Zoé_de_Mme Léa.txt");
        ecritOctets(profil, "");  // made at connection
        Journal::nouvelleSession();
        for (int exercice = 0; exercice < 2; ++exercice) {
            regle(1, {3, 4, 4, 2}, 2);
            Etat().SauvegardeTexte = true;
            const int bilans = bilan_.vus;
            exo_->show();
            auto* resultat = Pilote::controle<QLineEdit>(exo_, QStringLiteral("Resultat"));
            tape(resultat, QStringLiteral("12"), 1000);
            QTRY_COMPARE(exo_->partie().NumeroQuestion, 2);
            tape(resultat, QStringLiteral("12"), 1000);
            QTRY_VERIFY(!exo_->isVisible());
            QCOMPARE(bilan_.vus, bilans + 1);
        }
        QCOMPARE(Messages::recueille(),
                 QStringList{u("Tes réponses sont bien gardées\u00A0: elles seront enregistrées un peu plus tard. "
                               "Tu peux continuer à t'entraîner.")});
        Journal::ditALEnseignant(Classe);
        const QString raison = Messages::recueille().value(0);
        QVERIFY2(raison.contains(u("Le journal des réponses « ") + Fichier + u(" » ne peut pas être ouvert")),
                 qPrintable(raison));
        QCOMPARE(octetsDe(profil).count("[exercice]"), 2);
        QDir(Fichier).removeRecursively();
        Journal::renvoie();
        QCOMPARE(journal().size(), 4);
    }

    // A journal that another program holds, writing or reading, for longer than the game would
    // wait: the exercise ends while the lock is held (the wait is bounded, 2 s through the timing
    // seam), and once it is let go every answer is there, in order, once.
    void aLockedJournalDelaysTheAnswersAndLosesNone() {
        { MagasinSql m(fichierSqlite(Fichier)); }
        for (const char* maniere : {"ecriture", "lecture"}) {
            const qsizetype avant = journal().size();
            QProcess verrou;
            verrou.start(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(MARIVELLE_DOSSIER_TESTS "/../../logique/journal/tient_verrou.py"), Fichier,
                          QString::fromLatin1(maniere)});
            QVERIFY(verrou.waitForReadyRead(20000));
            QCOMPARE(verrou.readLine().trimmed(), QByteArray("tenu"));
            regle(1, {3, 4, 4, 2}, 10);
            exo_->show();
            auto* resultat = Pilote::controle<QLineEdit>(exo_, QStringLiteral("Resultat"));
            QElapsedTimer fin;
            for (int q = 1; q <= 10; ++q) {
                if (q == 10) fin.start();
                tape(resultat, QStringLiteral("12"), 900);
                if (q < 10) QTRY_COMPARE(exo_->partie().NumeroQuestion, q + 1);
            }
            QTRY_VERIFY(!exo_->isVisible());
            const qint64 ms = fin.elapsed();
            QCOMPARE(verrou.state(), QProcess::Running);  // still held
            QVERIFY2(ms < 2500, qPrintable(QStringLiteral("%1 ms").arg(ms)));
            verrou.write("fin\n");
            QVERIFY(verrou.waitForFinished(20000));
            const QStringList lignes = journal();  // waits for the writer
            QCOMPARE(lignes.size(), avant + 10);
            for (int q = 1; q < 10; ++q)
                QCOMPARE(lignes[avant + q].section(QLatin1Char('|'), 1, 1).toLongLong() -
                             lignes[avant + q - 1].section(QLatin1Char('|'), 1, 1).toLongLong(),
                         900);
        }
    }
};

MARIVELLE_QTEST_MAIN(JournalTest)
#include "journal_qtest.moc"
