#include "ecrans/commun/TravailEnFond.h"

#include "BorneAttente.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>

namespace {
QDialog* fenetreVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("TravailEnFond") && w->isVisible()) return qobject_cast<QDialog*>(w);
    return nullptr;
}

// Runs `pendant` on the screen's thread once the progress window is up (checked every 10 ms).
void quandLaFenetreParait(QObject* contexte, std::function<void(QDialog*)> pendant) {
    auto* guet = new QTimer(contexte);
    QObject::connect(guet, &QTimer::timeout, contexte, [guet, pendant] {
        if (QDialog* fenetre = fenetreVisible()) {
            guet->stop();
            pendant(fenetre);
        }
    });
    guet->start(10);
}
}  // namespace

TEST(TravailEnFond, RunsOffTheScreensThreadAndHandsBackItsResultOrItsFailure) {
    QThread* ecran = QThread::currentThread();
    QThread* travailleur = nullptr;
    int resultat = 0;
    EXPECT_TRUE(TravailEnFond::execute(nullptr, "Lecture", [&](Avancement&) {
        travailleur = QThread::currentThread();
        resultat = 42;
    }));
    EXPECT_EQ(resultat, 42);
    EXPECT_NE(travailleur, ecran);
    // A quick work never shows the window.
    EXPECT_EQ(fenetreVisible(), nullptr);
    try {
        TravailEnFond::execute(nullptr, "Lecture", [](Avancement&) { throw ErreurFichier("Le fichier « a.ods » est abîmé."); });
        ADD_FAILURE() << "the failure was lost";
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8("Le fichier « a.ods » est abîmé."));
    }
}

// A long work: the window shows how far it has gone, clicks elsewhere are held, and "Annuler"
// stops the work at its next check.
TEST(TravailEnFond, ALongWorkShowsItsProgressHoldsOtherClicksAndCanBeCancelled) {
    QPushButton autre("Importer");
    autre.show();
    int clicsAutre = 0;
    QObject::connect(&autre, &QPushButton::clicked, [&] { ++clicsAutre; });
    QObject contexte;
    int vu = -1;
    quandLaFenetreParait(&contexte, [&](QDialog* fenetre) {
        QTest::mouseClick(&autre, Qt::LeftButton);
        // The bar follows the work (it is refreshed every 50 ms).
        auto* barre = fenetre->findChild<QProgressBar*>();
        auto* suit = new QTimer(&contexte);
        QObject::connect(suit, &QTimer::timeout, &contexte, [&, barre, fenetre, suit] {
            if (barre->value() != 250) return;
            suit->stop();
            vu = barre->value();
            QTest::mouseClick(fenetre->findChild<QPushButton*>("AnnulerTravail"), Qt::LeftButton);
        });
        suit->start(10);
    });
    std::atomic<bool> arrete{false};
    const bool fini = TravailEnFond::execute(&autre, "Lecture de « classe.ods »", [&](Avancement& a) {
        const QDeadlineTimer borne(BorneAttenteMs);
        while (!borne.hasExpired()) {
            a.annonce(1, 4);
            QThread::yieldCurrentThread();
        }
        arrete = true;
    });
    EXPECT_FALSE(fini);
    EXPECT_FALSE(arrete) << "the work was not stopped";
    EXPECT_EQ(vu, 250);
    EXPECT_EQ(clicsAutre, 0);
    EXPECT_EQ(fenetreVisible(), nullptr);
    QTest::mouseClick(&autre, Qt::LeftButton);
    EXPECT_EQ(clicsAutre, 1);
}
