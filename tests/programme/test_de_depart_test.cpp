// "marivelle --test-de-depart <op>": the real program plays the starting test on its standard
// input and output, one line at a time, without any window.
#include "BorneAttente.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
QProcess* lance(const QStringList& arguments) {
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));  // no display at all: no window may be needed
    p->setProcessEnvironment(env);
    p->start(QStringLiteral(MARIVELLE_PROGRAMME), arguments);
    return p;
}

QByteArray ligne(QProcess& p) {
    while (!p.canReadLine())
        if (!p.waitForReadyRead(BorneAttenteMs)) return {};
    return p.readLine();
}
}  // namespace

TEST(TestDeDepartTexte, EachQuestionIsALineAnsweredBeforeTheNextThenTheHundredEstimates) {
    for (const auto& [signe, code] : {std::pair{"×", "2"}, {"+", "0"}}) {
        std::unique_ptr<QProcess> p(lance({QStringLiteral("--test-de-depart"), QString::fromUtf8(signe)}));
        int questions = 0;
        QList<QByteArray> champs;
        // The next line comes only once this answer is written: each line is flushed as it is printed.
        for (;; ++questions) {
            champs = ligne(*p).trimmed().split(';');
            if (champs.size() != 3) break;
            EXPECT_EQ(champs[1], code);
            EXPECT_TRUE(champs[0].toInt() >= 1 && champs[0].toInt() <= 10 && champs[2].toInt() >= 1 && champs[2].toInt() <= 10);
            // The simulation's answer, with its third field; a line that is no answer is passed over.
            p->write(questions == 0 ? "oups\n1;1500;0.93\n" : (questions % 4 ? "1;1500;0.9\n" : "0;-1;0.2\n"));
        }
        EXPECT_GT(questions, 5);
        EXPECT_LE(questions, 30);
        ASSERT_EQ(champs.size(), 100);
        for (const QByteArray& c : champs) {
            bool nombre = false;
            const double p = c.toDouble(&nombre);
            EXPECT_TRUE(nombre && p >= 0 && p <= 1) << c.constData();
        }
        ASSERT_TRUE(p->waitForFinished(BorneAttenteMs));
        EXPECT_EQ(p->exitCode(), 0);
        EXPECT_TRUE(p->readAllStandardError().contains("illisible"));
    }
    // A bad operation: the usage on the error output, nothing on the standard output. An input cut short: 1.
    std::unique_ptr<QProcess> mauvais(lance({QStringLiteral("--test-de-depart"), QStringLiteral("÷")}));
    ASSERT_TRUE(mauvais->waitForFinished(BorneAttenteMs));
    EXPECT_EQ(mauvais->exitCode(), 2);
    EXPECT_TRUE(mauvais->readAllStandardOutput().isEmpty());
    std::unique_ptr<QProcess> coupe(lance({QStringLiteral("--test-de-depart"), QStringLiteral("+")}));
    coupe->closeWriteChannel();
    ASSERT_TRUE(coupe->waitForFinished(BorneAttenteMs));
    EXPECT_EQ(coupe->exitCode(), 1);
}
