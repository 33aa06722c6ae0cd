#pragma once
// The base of an exercise screen's QtTest. Before the first test function (or at `installe`): an
// empty working folder with the background, the help pictures 0 to 10 and two lost-question
// messages, then the screen `exo_` of the role and kind given. Before each test function: the
// screen, a stand-in chooser and the counted summary registered, every message box answered and
// collected, timers sped up; after it, no message box left unexpected. Also what the exercise
// tests share: controls by name, the running timers' intervals and ticks, one table entry's settings.
#include "BilanCompte.h"
#include "DossierTemporaire.h"
#include "Pilote.h"
#include "TestEcran.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/commun/Polices.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <QImage>
#include <QLabel>
#include <array>
#include <memory>

// One exercise of one table entry, its questions in the table's order, for a pupil without identifier.
inline void regleExercice(int type, std::array<int, 4> table, int temps = 0, bool pirate = false, int bande = 10,
                          int questions = 10) {
    SharedState& e = Etat();
    InitialiseParametres(e);
    e.NomEleve = EleveSansId;
    e.TypeExercice = type;
    e.ajouteEntree(table[0], table[1], table[2], table[3]);
    e.OptionTableDansOrdre = true;
    e.NombreDeQuestions = questions;
    e.TempsDeReponse = temps;
    e.AvecPirate = pirate;
    e.BandeNumerique = bande;
}

template <typename Ecran, Ecrans::Role Role, int Type>
class TestExercice : public TestEcran {
protected:
    std::unique_ptr<DossierTemporaire> dossier_;
    std::unique_ptr<Ecran> ecran_;
    Ecran* exo_ = nullptr;
    QWidget choix_;
    BilanCompte bilan_;

    template <typename T = QWidget>
    T* w(const QString& nom) const {
        return Pilote::controle<T>(exo_, nom);
    }
    QString texte(const QString& nom) const { return w<QLabel>(nom)->text(); }
    int numero() const { return exo_->partie().NumeroQuestion; }
    static void clique(QWidget* x) { QTest::mouseClick(x, Qt::LeftButton); }

    // The designed intervals of a screen's running timers; one tick of them by hand; ticks until
    // the control shows.
    static QList<int> intervalles(const QObject* ecran) {
        QList<int> v;
        for (QTimer* t : ecran->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
            if (t->isActive()) v << Minuterie::intervalleVoulu(t);
        return v;
    }
    QList<int> intervalles() const { return intervalles(exo_); }
    void tic() const {
        for (QTimer* t : exo_->template findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
            if (t->isActive()) QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
    }
    void ticsJusqua(const char* nom) const {
        QWidget* c = w(QString::fromLatin1(nom));
        for (int i = 0; i < 200 && !c->isVisible(); ++i) tic();
        QVERIFY2(c->isVisible(), nom);
    }

    // The settings of an exercise for the anonymous pupil, on one table entry, in order, in the
    // mode given by the answer time and the pirate, without the strip.
    struct Reglage {
        int type = 1;
        std::array<int, 4> table{};
        int questions = 10;
        int tempsDeReponse = 0;
        bool pirate = false;
    };
    static void regle(const Reglage& r) { regleExercice(r.type, r.table, r.tempsDeReponse, r.pirate, 10, r.questions); }

    void installe() {
        Polices::installe();
        Affichage::fixeTaille(QSize(1024, 768));
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        dossier_ = std::make_unique<DossierTemporaire>();
        QDir().mkpath(QStringLiteral("Images/Tortues"));
        QDir().mkpath(QStringLiteral("Images/Dominos"));
        QImage image(158, 75, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(QStringLiteral("Images/FondMarin.jpg"));
        for (int n = 0; n <= 10; ++n) {
            image.save(QStringLiteral("Images/Tortues/%1.jpg").arg(n));
            image.save(QStringLiteral("Images/Dominos/%1.jpg").arg(n));
        }
        ecritOctets(QStringLiteral("MessagesPerdu.txt"), "Essaie encore, tu vas y arriver !\r\n\r\nPresque, r\xE9"
                                                         "fl\xE9"
                                                         "chis bien.\r\n");
        ecran_ = std::make_unique<Ecran>();
        exo_ = ecran_.get();
    }
    void avantChaqueTest() override {
        if (!exo_) installe();
        Ecrans::enregistre(Role, exo_, Type);
        Ecrans::enregistre(Ecrans::Role::ChoixOperateur, &choix_);
        Ecrans::enregistre(Ecrans::Role::Form1, &bilan_);
        Affichage::fixeTaille(QSize(1024, 768));
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        Minuterie::accelere(1000);
        choix_.hide();
        bilan_.vus = 0;
    }
    void apresChaqueTest() override {
        exo_->hide();
        QCOMPARE(Messages::recueille(), QStringList());
    }
};
