#include "DossierTemporaire.h"
#include "logique/etat/SharedState.h"
#include "logique/exercices/MessagesPerdu.h"
#include "logique/exercices/PartieReponses.h"

#include <gtest/gtest.h>

using Issue = PartieReponses::Issue;
using Saisie = PartieReponses::Saisie;

// Right at the first try: exercise 1's screen test (the coin pickup, no error).
TEST(PartieReponses, EachFailedQuestionCountsOnceAndIsListed) {
    SharedState e;
    PartieReponses p;
    p.commence(e);
    // Question 1: wrong, then right.
    EXPECT_EQ(p.valide(e, false), Issue::Fausse);
    EXPECT_EQ(p.valide(e, true), Issue::JusteApresErreurs);
    EXPECT_EQ(e.NombreErreurs, 1);
    p.passeALaSuivante(QString::fromUtf8("3×4"));
    EXPECT_EQ(p.ErreursQuestion, 0);
    // Question 2 (the shark's bubble): three wrong answers, one failed question.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p.valide(e, false), Issue::Fausse);
    EXPECT_EQ(p.ErreursQuestion, 3);
    EXPECT_EQ(e.NombreErreurs, 2);
    p.passeALaSuivante(QString::fromUtf8("7 × 8"));
    // Question 3, the last: lost when the countdown ran out, with the result in the field.
    p.TempsEcoule = true;
    EXPECT_EQ(p.valide(e, true), Issue::Perdue);
    EXPECT_FALSE(p.TempsEcoule);
    EXPECT_EQ(e.NombreErreurs, 3);
    EXPECT_FALSE(p.resteDesQuestions(3));
    p.termineLaDerniere(QStringLiteral("12-5"));
    EXPECT_EQ(p.ListeErreurs, QString::fromUtf8("\r\n3×4 1 erreurs\r\n7 × 8 3 erreurs\r\n12-5 1 erreurs"));

    p.commence(e);
    EXPECT_TRUE(p.ListeErreurs.isEmpty());
    EXPECT_EQ(p.DerniereQuestionRatee, 0);
    EXPECT_EQ(e.NombreErreurs, 0);
}

TEST(PartieReponses, AnswersAreComparedAsTexts) {
    EXPECT_TRUE(PartieReponses::estJuste({{QStringLiteral("12"), 12}, {QString(), 12}}));
    EXPECT_TRUE(PartieReponses::estJuste({{QString(), 12}, {QStringLiteral("12"), 12}}));
    EXPECT_TRUE(PartieReponses::estJuste({{QStringLiteral("-5"), -5}}));
    for (const char* faux : {"07", " 7", "+7", "$7", "7 "})
        EXPECT_FALSE(PartieReponses::estJuste({{QString::fromLatin1(faux), 7}, {QString(), 7}})) << faux;
    // Each field is compared with its own expected value: a true equation with another number is wrong.
    EXPECT_FALSE(PartieReponses::estJuste({{QStringLiteral("4"), 3}, {QString(), 0}}));

    SharedState e;
    PartieReponses p;
    EXPECT_EQ(p.examine(e, QStringLiteral("abc")), Saisie::PasUnNombre);
    EXPECT_EQ(p.examine(e, QString()), Saisie::PasUnNombre);
    EXPECT_EQ(p.examine(e, QStringLiteral("+12")), Saisie::Nombre);
    p.RamassageEnCours = true;
    EXPECT_EQ(p.examine(e, QStringLiteral("abc")), Saisie::Ignoree);
    // No questions at all: the first question is the last.
    p.commence(e);
    EXPECT_FALSE(p.resteDesQuestions(0));
}

TEST(MessagesPerdu, ReadsTheWorkingFolderFileElseAFallback) {
    DossierTemporaire dossier;
    const QStringList secours = MessagesPerdu::charge();
    ASSERT_FALSE(secours.isEmpty());
    for (const QString& m : secours) EXPECT_FALSE(m.trimmed().isEmpty());

    ecritOctets("MessagesPerdu.txt", "R\xE9"
                                     "essaie !\r\n\r\n  \r\nPresque !\r\n");
    EXPECT_EQ(MessagesPerdu::charge(), QStringList({QString::fromUtf8("Réessaie !"), QStringLiteral("Presque !")}));
    ecritOctets("MessagesPerdu.txt", "\r\n");
    EXPECT_EQ(MessagesPerdu::charge(), secours);
}
