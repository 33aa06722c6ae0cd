// A class's journal damaged on the disk (pages overwritten, its header intact): read as far as it
// can be by the teacher's views, then found at the first use of a session, set aside byte for byte
// under a dated name, and a new one started with every question that can be read of it. Filled
// and read back with Python's own sqlite3.
#include "DossierTemporaire.h"
#include "ServeurPostgres.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/journal/Journal.h"

#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
const QString Enseignant = QStringLiteral("Mme Léa O'Brien");
const QString Classe = QStringLiteral("classe de Mme Léa O'Brien/");
constexpr int Questions = 3000;

// Question i as lit_journal.py prints it: three pupils, exercise 3 with its three operations.
QString ligne(int i) {
    QStringList operations;
    for (int r = 0; r < 3; ++r) operations << QStringLiteral("%1+%2=%3:3").arg(r).arg(i % 5).arg(r + i % 5);
    return QString::fromUtf8("Élève %1|%2|3|%3×%4=%5||1|1|800|900|0|0|0|0|1|0|0|")
               .arg(1 + i % 3)
               .arg(1000 + i)
               .arg(i % 10)
               .arg(i % 7)
               .arg((i % 10) * (i % 7)) +
           operations.join(QLatin1Char(','));
}

const char* const Remplit = R"py(
import sqlite3, sys
b = sqlite3.connect(sys.argv[1])
b.executemany("INSERT INTO journal_eleves (id, enseignant, eleve) VALUES (?, ?, ?)",
              [(k, "Mme Léa O'Brien", "Élève %d" % k) for k in (1, 2, 3)])
n = int(sys.argv[2])
b.executemany("INSERT INTO journal_questions VALUES (?,?,3,1,0,0,1,0,0,?,2,?,?,0,'',1,1,800,900,0)",
              [(1 + i % 3, 1000 + i, i % 10, i % 7, (i % 10) * (i % 7)) for i in range(n)])
b.executemany("INSERT INTO journal_operations VALUES (?,?,?,?,0,?,?,3)",
              [(1 + i % 3, 1000 + i, r, r, i % 5, r + i % 5) for i in range(n) for r in range(3)])
b.commit()
)py";
}  // namespace

TEST(JournalAbime, WhatCanBeReadIsReadThenItIsSetAsideAndANewOneStartedWithIt) {
    DossierTemporaire dossier;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    Horloge::fixe(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    QDir().mkpath(Classe);
    const QString fichier = Journal::cheminSqlite(Enseignant, Classe);
    { MagasinSql m(fichierSqlite(fichier)); }
    python({QStringLiteral("-c"), QString::fromUtf8(Remplit), fichier, QString::number(Questions)});
    // Pages in the first fifth of the file (questions and their index) overwritten; the header stays.
    QByteArray octets = octetsDe(fichier);
    const int page = 4096, pages = int(octets.size() / page);
    ASSERT_GT(pages, 50);
    for (int n = pages / 10; n < pages / 5; ++n) octets.replace(n * page, page, QByteArray(page, char(0xA5)));
    ecritOctets(fichier, octets);

    // The teacher's views, before any pupil plays: what can be read, and how much could not be.
    try {
        Journal::ouvre(Enseignant, Classe)->entrees(Enseignant);
        ADD_FAILURE() << "a damaged file read as a whole";
    } catch (const ErreurJournal& e) {
        EXPECT_EQ(e.echec(), EchecSql::PasUneBase) << e.message().toStdString();
    }
    QString manque;
    const QList<EntreeJournal> lues = Journal::ouvreAbime(Enseignant, Classe, manque)->entrees(Enseignant);
    const qsizetype perdues = Questions - lues.size();
    EXPECT_GT(perdues, 0);
    EXPECT_GT(lues.size(), Questions / 2);
    for (const EntreeJournal& e : lues) {
        const int i = int(e.moment - 1000);
        ASSERT_EQ(e.eleve, QStringLiteral("Élève %1").arg(1 + i % 3));
        ASSERT_EQ(e.fait, (Fait{i % 10, Operation::Multiplication, i % 7, (i % 10) * (i % 7)}));
        ASSERT_EQ(e.operations.size(), 3);
        ASSERT_EQ(e.operations[2].fait, (Fait{2, Operation::Addition, i % 5, 2 + i % 5}));
    }
    const QRegularExpressionMatch compte =
        QRegularExpression(QStringLiteral("(\\d+) questions ont pu être lues ; au plus (\\d+) n'ont pas pu l'être"))
            .match(manque);
    ASSERT_TRUE(compte.hasMatch()) << manque.toStdString();
    EXPECT_EQ(compte.captured(1).toLongLong(), lues.size());
    EXPECT_GE(compte.captured(2).toLongLong(), perdues);
    EXPECT_EQ(octetsDe(fichier), octets);  // reading changes nothing

    // A pupil's session: the file is looked through, set aside as it is, and replaced.
    Journal::nouvelleSession(Enseignant, Classe);
    Journal::ecrit(
        {.enseignant = Enseignant, .eleve = QStringLiteral("Zoé"), .moment = 900, .fait = {}, .reponse = {}, .operations = {}},
        Classe);
    Journal::attends();
    const QString misDeCote = Classe + QStringLiteral("journal_des_reponses_de_Mme Léa O'Brien.abime_2026-12-07_09-00-00.sqlite");
    EXPECT_EQ(octetsDe(misDeCote), octets);
    const QStringList nouveau =
        python({QStringLiteral(MARIVELLE_DOSSIER_TESTS "/lit_journal.py"), fichier}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(nouveau.size(), lues.size() + 1);
    EXPECT_TRUE(nouveau[0].startsWith(QStringLiteral("Zoé|900|"))) << nouveau[0].toStdString();
    QList<qint64> moments;
    for (const EntreeJournal& e : lues) moments << e.moment;
    std::sort(moments.begin(), moments.end());
    for (qsizetype k = 1; k < nouveau.size(); ++k) ASSERT_EQ(nouveau[k], ligne(int(moments[k - 1] - 1000)));
    EXPECT_EQ(python({QStringLiteral("-c"),
                      QStringLiteral("import sqlite3, sys; print(sqlite3.connect(sys.argv[1]).execute("
                                     "'PRAGMA integrity_check').fetchone()[0])"),
                      fichier})
                  .trimmed(),
              QStringLiteral("ok"));

    // The child is told nothing (no answer waits); the teacher, at the next visit, all of it.
    Journal::signaleEchecs();
    Journal::ditALEnseignant(Classe);
    const QStringList vus = Messages::recueille();
    ASSERT_EQ(vus.size(), 1);
    EXPECT_TRUE(vus[0].contains(QStringLiteral("« %1 » était abîmé").arg(fichier))) << vus[0].toStdString();
    EXPECT_TRUE(vus[0].contains(misDeCote)) << vus[0].toStdString();
    EXPECT_TRUE(vus[0].contains(compte.captured(0))) << vus[0].toStdString();
}
