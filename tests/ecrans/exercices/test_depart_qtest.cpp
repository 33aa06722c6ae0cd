// The starting test played as a pupil would, the clock set: each operation's test in turn, what
// the model is told of each answer, no coin pickup between questions, and the end of an
// operation's test after five minutes.
#include "TestExercice.h"
#include "ecrans/exercices/TTestDepart.h"
#include "logique/base/Horloge.h"

class TestDepartTest : public TestExercice<TTestDepart, Ecrans::Role::TestDepart, 6> {
    Q_OBJECT

    QLineEdit* resultat() const { return w<QLineEdit>("Resultat"); }
    void repond(int valeur, int apresMs) {
        Horloge::avance(apresMs);
        QTest::keyClicks(resultat(), QString::number(valeur));
        QTest::keyClick(resultat(), Qt::Key_Return);
    }
    // A pupil of a class with these table entries: the test's settings are its own.
    void lance(const QList<std::array<int, 4>>& entrees) {
        exo_->hide();
        regle({6, entrees.first(), 3, 10, true});
        for (const auto& e : entrees.mid(1)) Etat().ajouteEntree(e[0], e[1], e[2], e[3]);
        Etat().TypeAide = 0;
        Horloge::fixe(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        exo_->show();
    }

private slots:
    // Additions then multiplications (the subtraction entry has no test), whatever the entries'
    // order: each question answered right at once comes without the seahorse; one in three is
    // missed first, then put right. The model hears each answer's first try and its time; the
    // exercise ends when both tests are over, with the questions asked as its count.
    void eachOperationsTestInTurnHearsEveryFirstAnswer() {
        lance({{3, 1, 10, 2}, {4, 1, 10, 1}, {2, 1, 10, 0}});
        QCOMPARE(exo_->mode(), EcranExercice::Mode::SansLimite);
        QVERIFY(!w("Aide")->isVisible());
        QString operations;
        QList<Depart::ReponseDepart> attendues;
        for (int q = 1;; ++q) {
            QTRY_VERIFY(!exo_->isVisible() || (numero() == q && resultat()->text().isEmpty() && !resultat()->isReadOnly()));
            if (!exo_->isVisible()) break;
            QVERIFY2(q <= 2 * Depart::QuestionsAuPlus, "trop de questions");
            const QuestionOperation question = exo_->question();
            const QString signe = SigneOperation(question.operation);
            if (!operations.endsWith(signe)) operations += signe;
            if (exo_->testEnCours()->reponses().isEmpty()) attendues.clear();
            const bool juste = q % 3 != 0;
            const int ms = 1000 + 100 * q;
            attendues << Depart::ReponseDepart{{question.gauche, question.droite}, juste, ms};
            if (!juste) repond(question.resultat + 1, ms);
            repond(question.resultat, juste ? ms : 500);
            QVERIFY(!w("ramasse_piece1")->isVisible());
        }
        QCOMPARE(operations, u("+×"));
        QCOMPARE(exo_->testEnCours()->reponses(), attendues);
        QCOMPARE(Etat().NombreDeQuestions, numero());
    }

    // Without an operation to test, the multiplications; past five minutes by the clock (a quick
    // wrong answer, then a long search for the right one) the test of an operation ends.
    void fiveMinutesEndAnOperationsTest() {
        lance({{4, 1, 10, 1}});
        QCOMPARE(exo_->question().operation, Operation::Multiplication);
        repond(exo_->question().resultat + 1, 1000);
        repond(exo_->question().resultat, int(Depart::DureeAuPlusMs));
        QTRY_VERIFY(!exo_->isVisible());
        QCOMPARE(Etat().NombreDeQuestions, 1);
    }
};

MARIVELLE_QTEST_MAIN(TestDepartTest)
#include "test_depart_qtest.moc"
