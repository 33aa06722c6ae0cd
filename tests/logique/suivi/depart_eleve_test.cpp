// The starting tests a pupil took, as the teacher's view reads them from the journal.
#include "logique/suivi/DepartDeLEleve.h"
#include "logique/suivi/PageEleve.h"

#include <gtest/gtest.h>

TEST(DepartDeLEleve, EachOperationTestedGivesItsEstimatesAndSummaryOtherAnswersDoNot) {
    const auto reponse = [](int type, Operation op, int a, int b, bool juste) {
        ReponseResumee r;
        r.typeExercice = type;
        r.fait = Fait{a, op, b, op == Operation::Addition ? a + b : a * b};
        r.justePremierCoup = juste;
        r.msFin = 1500;
        return r;
    };
    QList<ReponseResumee> reponses;
    for (int b = 1; b <= 10; ++b) reponses.append(reponse(6, Operation::Multiplication, 7, b, false));
    reponses.append(reponse(1, Operation::Addition, 3, 4, true));  // exercise 1: no test of addition
    const QList<Suivi::DepartOperation> departs = Suivi::departsDeLEleve(reponses);
    ASSERT_EQ(departs.size(), 1);
    EXPECT_EQ(departs[0].operation, Operation::Multiplication);
    EXPECT_TRUE(departs[0].resume.contains(QStringLiteral("à travailler : ")) && departs[0].resume.contains(QStringLiteral("7")));
    EXPECT_LT(Suivi::estimationDepart(departs, Fait{8, Operation::Multiplication, 7, 56}), 0.5);
    EXPECT_EQ(Suivi::estimationDepart(departs, Fait{3, Operation::Addition, 4, 7}), -1);
    EXPECT_EQ(Suivi::estimationDepart(departs, Fait{12, Operation::Multiplication, 7, 84}), -1);
    // What the teacher reads: the summary, and a fact never asked estimated until answered.
    EXPECT_EQ(Suivi::texteDeparts(departs), QStringLiteral("Test de départ des multiplications : ") + departs[0].resume + '.');
    const Fait huitFoisSept{8, Operation::Multiplication, 7, 56};
    EXPECT_TRUE(Suivi::descriptionFait(huitFoisSept, nullptr, true, -1, 0.9, 3000, 0.3)
                    .contains(QStringLiteral("estimé par le test de départ : 30")));
}
