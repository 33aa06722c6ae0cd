#include "state/SharedState.h"
#include "exercises/ComptageErreurs.h"
#include "exercises/QuestionExo4.h"

#include <gtest/gtest.h>

// Three questions: two errors on the first, none on the second, one on the last. Questions with
// errors count once each, and their lines join the list in order.
TEST(ComptageErreurs, compteLesQuestionsRateesUneFois) {
    SharedState etat;
    etat.NombreErreurs = 7;
    ComptageErreurs c;
    c.commence(etat);
    EXPECT_EQ(etat.NombreErreurs, 0);
    c.erreur(etat);
    c.erreur(etat);
    EXPECT_EQ(c.ErreursQuestion, 2);
    EXPECT_EQ(etat.NombreErreurs, 1);
    EXPECT_TRUE(c.termineQuestion(3, LigneErreursExo4("12", c.ErreursQuestion)));
    EXPECT_TRUE(c.termineQuestion(3, LigneErreursExo4("8", c.ErreursQuestion)));
    c.erreur(etat);
    EXPECT_FALSE(c.termineQuestion(3, LigneErreursExo4("5", c.ErreursQuestion)));
    EXPECT_EQ(etat.NombreErreurs, 2);
    EXPECT_EQ(c.NumeroQuestion, 3);
    EXPECT_EQ(c.ListeErreurs, QString::fromUtf8("Opérations égalent à 12 => 2 erreurs\r\nOpérations égalent à 5 => 1 erreurs\r\n"));
}
