#pragma once
// The bench of an exercise screen test: an empty working folder with the background, the help
// pictures 0 to 10 and two lost-question messages; the screen registered with a stand-in chooser;
// every message box answered and collected; timers sped up. Also the helpers the exercise tests
// share: controls by name, the running timers' intervals and ticks, queued clicks, a summary
// stand-in.
#include "DossierTemporaire.h"
#include "Pilote.h"
#include "base/Messages.h"
#include "base/Minuterie.h"
#include "interface/Affichage.h"
#include "interface/Ecrans.h"
#include "interface/Polices.h"
#include "state/SharedState.h"
#include "state/Utils.h"

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <array>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

class BancExercice {
public:
    // In initTestCase: the folder, then the screen made by `cree` (it reads the folder); the screen
    // and the chooser are registered before each test function.
    template <typename Ecran>
    Ecran* installe(Ecrans::Role role, int typeExercice) {
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
        ecritOctets(QStringLiteral("MessagesPerdu.txt"),
                    "Essaie encore, tu vas y arriver !\r\n\r\nPresque, r\xE9" "fl\xE9" "chis bien.\r\n");
        auto* ecran = new Ecran;
        ecran_.reset(ecran);
        choix_ = std::make_unique<QWidget>();
        role_ = role;
        typeExercice_ = typeExercice;
        return ecran;
    }
    // Before and after each test function: nothing shown, no message box left unexpected.
    void avant() {
        Ecrans::enregistre(role_, ecran_.get(), typeExercice_);
        Ecrans::enregistre(Ecrans::Role::ChoixOperateur, choix_.get());
        Affichage::fixeTaille(QSize(1024, 768));
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        Minuterie::accelere(1000);
        choix_->hide();
    }
    QStringList apres() {
        ecran_->hide();
        return Messages::recueille();
    }
    QWidget* choix() const { return choix_.get(); }

    // The designed intervals of the screen's running timers.
    static QList<int> intervalles(const QObject* ecran) {
        QList<int> v;
        for (QTimer* t : ecran->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
            if (t->isActive()) v << Minuterie::intervalleVoulu(t);
        return v;
    }
    static void posteClic(QWidget* x) { Pilote::posteClic(x); }
    // One tick of the screen's running timers, by hand; ticks until the control shows, n at most.
    static void tic(const QObject* ecran) {
        for (QTimer* t : ecran->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
            if (t->isActive()) QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
    }
    static void ticsJusqua(QWidget* ecran, const char* nom, int n = 200) {
        QWidget* c = Pilote::controle(ecran, QString::fromLatin1(nom));
        for (int i = 0; i < n && !c->isVisible(); ++i) tic(ecran);
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
    static void regle(const Reglage& r) {
        SharedState& e = Etat();
        InitialiseParametres(e);
        e.NomEleve = EleveSansId;
        e.TypeExercice = r.type;
        e.ajouteEntree(r.table[0], r.table[1], r.table[2], r.table[3]);
        e.OptionTableDansOrdre = true;
        e.NombreDeQuestions = r.questions;
        e.TempsDeReponse = r.tempsDeReponse;
        e.AvecPirate = r.pirate;
        e.BandeNumerique = 10;
    }

private:
    std::unique_ptr<DossierTemporaire> dossier_;
    std::unique_ptr<QWidget> ecran_;
    std::unique_ptr<QWidget> choix_;
    Ecrans::Role role_ = Ecrans::Role::Exo1;
    int typeExercice_ = 0;
};

// The summary screen: counted and closed as soon as it opens.
class BilanCompte final : public QDialog {
public:
    int vus = 0;

protected:
    void showEvent(QShowEvent* e) override {
        QDialog::showEvent(e);
        ++vus;
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};
