// A program for the server tests: one pupil's computer recording exercises to a school server,
// each with its questions and its results row, so that many can run at once.
// ecrivain_journal <socket folder> <port> <database> <outbox> <pupil> <exercises>
// Prints, one a line, the milliseconds each end of exercise waited for the writer; ends with 0
// once the outbox is empty again (3 when it is not within a minute).
#include "base/Messages.h"
#include "journal/Journal.h"
#include "journal/MagasinSql.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
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
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList a = application.arguments();
    if (a.size() != 7) return 2;
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
    constexpr int Questions = 10;
    for (int x = 0; x < exercices; ++x) {
        // The questions but the last are written while the pupil plays; the end of the exercise
        // waits for the last one and the results row.
        for (int i = 0; i < Questions - 1; ++i) Journal::ecrit(question(eleve, i), {});
        Journal::attends();
        Journal::ecrit(question(eleve, Questions - 1), {});
        Journal::ecritLigne({QUuid::createUuid().toString(QUuid::WithoutBraces), QStringLiteral("classe_de_Mme_Léa_O'Brien"),
                             {eleve, QStringLiteral("07/12/2026 09:00:00"), x + 1, QStringLiteral("Tables")}});
        QElapsedTimer t;
        t.start();
        Journal::attends();
        std::printf("%lld\n", static_cast<long long>(t.elapsed()));
    }
    QElapsedTimer t;
    t.start();
    while (Journal::enAttente() > 0 && t.elapsed() < 60000) {
        Journal::renvoie();
        Journal::attends();
        if (Journal::enAttente() > 0) QThread::msleep(200);
    }
    Journal::arrete();
    return Journal::enAttente() == 0 ? 0 : 3;
}
