// The packed columns of the class read, through a real SQLite query: every field at its limits
// comes back as written, and a fact out of the packed ranges is told apart.
#include "logique/journal/ReponsesTassees.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

TEST(ReponsesTassees, EveryFieldAtItsLimitsComesBackAsWritten) {
    auto base = QSqlDatabase::addDatabase("QSQLITE", "tassees");
    base.setDatabaseName(":memory:");
    ASSERT_TRUE(base.open());
    QSqlQuery q(base);
    ASSERT_TRUE(q.exec("CREATE TABLE journal_questions (type_exercice, position, operation, juste_premier, fin_creature, "
                       "ms_fin, gauche, droite, resultat)"));
    struct Cas {
        ReponseResumee r;
        bool tasse;
    };
    const auto cas = [](int type, int position, Operation op, bool juste, bool fin, int ms, Fait f, bool tasse) {
        ReponseResumee r;
        r.typeExercice = type, r.position = position, r.justePremierCoup = juste, r.finCreature = fin, r.msFin = ms;
        r.fait = f;
        r.fait.operation = op;
        return Cas{r, tasse};
    };
    const QList<Cas> tous = {
        cas(1, 0, Operation::Addition, false, false, -1, {0, Operation::Addition, 0, 0}, true),
        cas(5, 32767, Operation::Division, true, true, 2147483646, {524287, Operation::Division, -524288, 2097151}, true),
        cas(4, 9, Operation::Soustraction, true, false, 0, {-524288, Operation::Soustraction, 524287, -2097152}, true),
        cas(3, 1, Operation::Multiplication, false, true, 1234, {7, Operation::Multiplication, 8, 56}, true),
        cas(2, 2, Operation::Addition, true, true, 5, {524288, Operation::Addition, 1, 524289}, false),
        cas(2, 3, Operation::Addition, true, true, 5, {1, Operation::Addition, 2, 2097152}, false),
    };
    for (const Cas& c : tous) {
        q.prepare("INSERT INTO journal_questions VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const QVariant& v : {QVariant(c.r.typeExercice), QVariant(c.r.position), QVariant(int(c.r.fait.operation)),
                                  QVariant(int(c.r.justePremierCoup)), QVariant(int(c.r.finCreature)), QVariant(c.r.msFin),
                                  QVariant(c.r.fait.gauche), QVariant(c.r.fait.droite), QVariant(c.r.fait.resultat)})
            q.addBindValue(v);
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
    }
    ASSERT_TRUE(q.exec("SELECT " + ReponsesTassees::sqlCodes() + ", " + ReponsesTassees::sqlFait() +
                       " FROM journal_questions ORDER BY rowid"));
    for (const Cas& c : tous) {
        SCOPED_TRACE(c.r.position);
        ASSERT_TRUE(q.next());
        ReponseResumee lu;
        ReponsesTassees::litCodes(q.value(0).toLongLong(), lu);
        EXPECT_EQ(lu.typeExercice, c.r.typeExercice);
        EXPECT_EQ(lu.position, c.r.position);
        EXPECT_EQ(lu.fait.operation, c.r.fait.operation);
        EXPECT_EQ(lu.justePremierCoup, c.r.justePremierCoup);
        EXPECT_EQ(lu.finCreature, c.r.finCreature);
        EXPECT_EQ(lu.msFin, c.r.msFin);
        EXPECT_EQ(ReponsesTassees::litFait(q.value(1).toLongLong(), lu.fait), c.tasse);
        if (c.tasse) {
            EXPECT_EQ(lu.fait.gauche, c.r.fait.gauche);
            EXPECT_EQ(lu.fait.droite, c.r.fait.droite);
            EXPECT_EQ(lu.fait.resultat, c.r.fait.resultat);
        }
    }
}
