// A program for the server tests: one pupil's computer recording exercises to a school server,
// each with its questions and its results row, so that many can run at once.
// ecrivain_journal <socket folder or host> <port> <database> <outbox> <pupil> <exercises> [<halt>]
// Prints, one a line and at once, the milliseconds each end of exercise waited for the writer.
// With <halt>, it stops after that exercise's line until a line comes on its standard input (the
// test stops the server meanwhile), and again after the last exercise (the test starts the server
// again). Ends with 0 once the outbox is empty, 3 when it is not.
#include "base/Messages.h"
#include "journal/Journal.h"
#include "journal/MagasinSql.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUuid>
#include <cstdio>

namespace {
EntreeJournal question(const QString& eleve, int i) {
    EntreeJournal e;
    e.enseignant = QStringLiteral("Mme Léa O'Brien");
    e.eleve = eleve;
    e.moment = Journal::momentUnique();
    e.typeExercice = 1;
    e.position = 1;
    e.fait = Fait{i % 10, Operation::Multiplication, 7, (i % 10) * 7};
    e.reponse = QString::number((i % 10) * 7);
    e.justePremierCoup = true;
    e.essais = 1;
    e.msPremiere = e.msFin = 1200;
    return e;
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
    ParametresConnexion p;
    p.pilote = QStringLiteral("QPSQL");
    p.hote = a[1];
    p.port = a[2].toInt();
    p.base = a[3];
    p.utilisateur = QStringLiteral("marivelle");
    p.options = QStringLiteral("connect_timeout=2");
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
        Journal::ecritLigne({QUuid::createUuid().toString(QUuid::WithoutBraces), QStringLiteral("classe_de_Mme_Léa_O'Brien"),
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
