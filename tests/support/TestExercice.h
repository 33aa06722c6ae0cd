#pragma once
// The base of an exercise screen's QtTest: its bench (folder, pictures, screen `exo_` of the role
// and kind given) set up before the first test function unless `installe` did it earlier, the
// screen's controls by name, the summary counted, no message box left unexpected after each test.
#include "BancExercice.h"
#include "TestEcran.h"

#include <QLabel>

template <typename Ecran, Ecrans::Role Role, int Type>
class TestExercice : public TestEcran {
protected:
    BancExercice banc_;
    BilanCompte bilan_;
    Ecran* exo_ = nullptr;

    template <typename T = QWidget>
    T* w(const QString& nom) const { return Pilote::controle<T>(exo_, nom); }
    QString texte(const QString& nom) const { return w<QLabel>(nom)->text(); }
    int numero() const { return exo_->partie().NumeroQuestion; }
    QList<int> intervalles() const { return BancExercice::intervalles(exo_); }
    void tic() const { BancExercice::tic(exo_); }
    void ticsJusqua(const char* nom) const { BancExercice::ticsJusqua(exo_, nom); }
    static void clique(QWidget* x) { QTest::mouseClick(x, Qt::LeftButton); }
    void installe() { exo_ = banc_.template installe<Ecran>(Role, Type); }

    void avantChaqueTest() override {
        if (!exo_) installe();
        banc_.avant();
        Ecrans::enregistre(Ecrans::Role::Form1, &bilan_);
        bilan_.vus = 0;
    }
    void apresChaqueTest() override { QCOMPARE(banc_.apres(), QStringList()); }
};
