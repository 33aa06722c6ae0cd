// A program for the server tests: one pupil's computer recording exercises to a school server,
// each with its questions and its results row, so that many can run at once.
// ecrivain_journal <socket folder or host> <port> <database> <outbox> <pupil> <exercises> [<halt>]
// Prints, one a line and at once, the milliseconds each end of exercise waited for the writer.
// With <halt>, it stops after that exercise's line until a line comes on its standard input (the
// test stops the server meanwhile), and again after the last exercise (the test starts the server
// again). Ends with 0 once the outbox is empty, 3 when it is not.
#include "logique/base/Messages.h"
#include "logique/journal/Journal.h"
#include "logique/journal/MagasinSql.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUuid>
#include <cstdio>

namespace {
EntreeJournal question(const QString& eleve, int i) {
    return {.enseignant = QStringLiteral("Mme Léa O'Brien"),
            .eleve = eleve,
            .moment = Journal::momentUnique(),
            .typeExercice = 1,
            .position = 1,
            .fait = Fait{i % 10, Operation::Multiplication, 7, (i % 10) * 7},
            .reponse = QString::number((i % 10) * 7),
            .justePremierCoup = true,
            .essais = 1,
            .msPremiere = 1200,
            .msFin = 1200,
            .operations = {}};
}

// Waits for the test's word on the standard input.
void attendsLeTest() {
    char ligne[16];
    if (!std::fgets(ligne, sizeof ligne, stdin)) std::exit(4);
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList a = application.arguments();
    if (a.size() != 7 && a.size() != 8) return 2;
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    const ParametresConnexion p{QStringLiteral("QPSQL"),
                                a[3],
                                a[1],
                                a[2].toInt(),
                                QStringLiteral("marivelle"),
                                {},
                                QStringLiteral("connect_timeout=2"),
                                0,
                                {}};
    Journal::installeFabrique([p](const QString&, const QString&) { return std::make_unique<MagasinSql>(p); }, a[4]);
    const QString eleve = a[5];
    const int exercices = a[6].toInt();
    const int halte = a.size() == 8 ? a[7].toInt() : 0;
    constexpr int Questions = 10;
    for (int x = 1; x <= exercices; ++x) {
        // The questions but the last are written while the pupil plays; the end of the exercise
        // waits for the last one and the results row.
        for (int i = 0; i < Questions - 1; ++i) Journal::ecrit(question(eleve, i), {});
        Journal::attends();
        Journal::ecrit(question(eleve, Questions - 1), {});
        Journal::ecritLigne({QUuid::createUuid().toString(QUuid::WithoutBraces),
                             QStringLiteral("classe_de_Mme_Léa_O'Brien"),
                             {eleve, QStringLiteral("07/12/2026 09:00:00"), x, QStringLiteral("Tables")}});
        QElapsedTimer t;
        t.start();
        Journal::attends();
        std::printf("%lld\n", static_cast<long long>(t.elapsed()));
        std::fflush(stdout);
        if (x == halte) attendsLeTest();
    }
    if (halte > 0) attendsLeTest();
    // Sent again as long as each try takes some (a failure meanwhile may have left records).
    for (qsizetype avant = -1; Journal::enAttente() > 0 && Journal::enAttente() != avant;) {
        avant = Journal::enAttente();
        Journal::renvoie();
        Journal::attends();
    }
    Journal::arrete();
    return Journal::enAttente() == 0 ? 0 : 3;
}
