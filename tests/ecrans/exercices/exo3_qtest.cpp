// Exercise 3 played as a pupil would: the intruder at the first click, wrong bubbles first, clicks
// that come while a bubble bursts or after the question is over, the pirate taking the coin, and
// settings that allow no question. The draw, the click rules and the burst's steps are tested
// with the logic.
#include "TestExercice.h"
#include "logique/base/Aleatoire.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/Pirate.h"

namespace {
using Entree = std::array<int, 4>;
const QList<Entree> Tables248 = {{2, 1, 10, 2}, {4, 1, 10, 2}, {8, 1, 10, 2}};
const QStringList MessagesDuBanc = {u("Essaie encore, tu vas y arriver\u00A0!"), u("Presque, réfléchis bien.")};
}  // namespace

class Exo3Test : public TestExercice<TExo3, Ecrans::Role::Exo3, 3> {
    Q_OBJECT

    bool visible(const QString& nom, int k) const { return w(nom + QString::number(k))->isVisible(); }
    int erreurs() const { return exo_->partie().ErreursQuestion; }
    int intrus() const { return exo_->question().PositionIntrus; }
    // The first or second wrong bubble.
    int mauvaise(int n) const {
        const int i = intrus();
        return n == 0 ? (i == 1 ? 2 : 1) : (i == 3 ? 2 : 3);
    }
    QWidget* bulle(int k) const { return w(QStringLiteral("BulleBleu%1").arg(k)); }
    // The revealed operation and result cover nothing of the creature behind bubble k.
    bool devoile(const QString& creature, int k) const {
        const QRect c = w(creature + QString::number(k))->geometry();
        return !w(QStringLiteral("operateur%1").arg(k))->geometry().intersects(c) &&
               !w(QStringLiteral("resultat%1").arg(k))->geometry().intersects(c);
    }
    void clic(int k) { QTest::mouseClick(bulle(k), Qt::LeftButton); }
    void posteClic(int k) { Pilote::posteClic(bulle(k)); }
    QByteArray captions() const {
        QByteArray c;
        for (int k = 1; k <= 3; ++k) c += texte(QStringLiteral("operateur%1").arg(k)).toLatin1() + " ; ";
        return c;
    }

    void lance(int tempsDeReponse = 0, int questions = 10, const QList<Entree>& tables = Tables248,
               const QString& eleve = EleveSansId) {
        exo_->hide();
        regle({3, tables.front(), questions, tempsDeReponse, tempsDeReponse > 0});
        for (qsizetype i = 1; i < tables.size(); ++i) Etat().ajouteEntree(tables[i][0], tables[i][1], tables[i][2], tables[i][3]);
        std::tie(Etat().NomEleve, Etat().NomEnseignant, Etat().RepertoireClasse) = std::tuple(eleve, u("Martin"),
                                                                                              u("classe de Martin/"));
        Aleatoire::graine(7);
        exo_->show();
    }

protected:
    void avantChaqueTest() override {
        TestExercice::avantChaqueTest();
        QDir().mkpath(u("classe de Martin"));
        Minuterie::accelere(10);
    }

private slots:
    // With the pirate coming down: the intruder's click stops him at once.
    void intruderAtTheFirstClick() {
        lance(30);
        for (int k = 1; k <= 3; ++k) {
            const QuestionOperation& q = exo_->question().bulles[static_cast<std::size_t>(k - 1)];
            QCOMPARE(texte(QStringLiteral("operateur%1").arg(k)), QStringLiteral("%1×%2").arg(q.gauche).arg(q.droite));
            QCOMPARE(texte(QStringLiteral("resultat%1").arg(k)), QStringLiteral("= %1").arg(q.resultat));
            QVERIFY(visible("BulleBleu", k) && !visible("resultat", k));
        }
        QVERIFY(w("Bulle11")->isVisible() && !w("ok")->isVisible() && w("pirate_descend")->isVisible());
        QCOMPARE(intervalles(), QList<int>{600});

        const int i = intrus();
        clic(i);
        QVERIFY(!w("pirate_descend")->isVisible());
        QCOMPARE(texte("applause"), u("Bravo!"));
        // A single word keeps its whole width in the speech bubble.
        QVERIFY(w("applause")->width() >= w("applause")->sizeHint().width());
        QCOMPARE(intervalles(), QList<int>{150});
        QTRY_VERIFY(exo_->partie().RamassageEnCours);
        QCOMPARE(texte("applause"), u("Bravo\u00A0!"));
        QVERIFY(!visible("BulleBleu", i) && visible("bebepoisson", i) && visible("resultat", i));
        QVERIFY(devoile(QStringLiteral("bebepoisson"), i) && w("paf11")->isVisible() && !w("Bulle11")->isVisible());
        for (int k = 1; k <= 3; ++k) QVERIFY(!visible("Requin", k) && !visible(QStringLiteral("paf%1").arg(k), 5));
        // The question is over: a click on another bubble during the pickup does nothing.
        posteClic(mauvaise(0));
        QCoreApplication::processEvents();
        QVERIFY(visible("BulleBleu", mauvaise(0)) && !intervalles().contains(150));

        QTRY_COMPARE(numero(), 2);
        QVERIFY(exo_->partie().ListeErreurs.isEmpty() && Etat().NombreErreurs == 0);
        QVERIFY(w("Bulle11")->isVisible() && !w("paf11")->isVisible() && !visible("bebepoisson", i));
    }

    // Two wrong bubbles show their shark and result (one wrong bubble: the profile block below);
    // the intruder after them brings the next question after the burst's pause, without the
    // pickup; the list gets one line.
    void wrongBubblesThenTheIntruder() {
        constexpr int fautes = 2;
        lance();
        QVERIFY(!texte("EnonceExo3").contains(u("pirate")));
        const QByteArray ligne = captions() + " => " + QByteArray::number(fautes) + " erreurs\r\n";
        for (int n = 0; n < fautes; ++n) {
            const int m = mauvaise(n);
            clic(m);
            QVERIFY(MessagesDuBanc.contains(texte("applause")));
            QTRY_VERIFY(intervalles().isEmpty());
            QVERIFY(visible("Requin", m) && visible("resultat", m) && !visible("bebepoisson", m));
        }
        QVERIFY(erreurs() == fautes && Etat().NombreErreurs == 1);
        Guet ramassage([this] { return exo_->partie().RamassageEnCours; });
        clic(intrus());
        QCOMPARE(texte("applause"), u("Bravo!"));
        QTRY_VERIFY(numero() != 1);
        QVERIFY(!ramassage.vu());
        QCOMPARE(exo_->partie().ListeErreurs.toLatin1(), ligne);
        QCOMPARE(Etat().NombreErreurs, 1);
    }

    // Clicks queued together: the first starts its burst, the others find it running. A burst
    // bubble takes no second click. A hidden screen acts on nothing and keeps no timer running.
    void fastClicksAndLateEvents() {
        lance(30);
        const int m = mauvaise(0);
        for (int k : {m, intrus(), m, mauvaise(1)}) posteClic(k);
        QCoreApplication::processEvents();
        QCOMPARE(erreurs(), 1);
        QTRY_VERIFY(!intervalles().contains(150));
        QVERIFY(visible("BulleBleu", intrus()) && visible("BulleBleu", mauvaise(1)));
        posteClic(m);
        QCoreApplication::processEvents();
        QCOMPARE(intervalles(), QList<int>{600});  // only the pirate: 30 × 20 ms
        QCOMPARE(erreurs(), 1);

        posteClic(mauvaise(1));
        QCoreApplication::processEvents();
        exo_->hide();
        QVERIFY(intervalles().isEmpty());
        posteClic(intrus());
        QCoreApplication::processEvents();
        QVERIFY(intervalles().isEmpty());
        QCOMPARE(erreurs(), 2);
        QVERIFY(bulle(intrus())->isVisibleTo(exo_) && !w("bebepoisson" + QString::number(intrus()))->isVisibleTo(exo_));
        QVERIFY(!choix_.isVisible());
    }

    void pirateTakesTheCoin() {
        lance(2);
        QVERIFY(texte("EnonceExo3").contains(u("pirate ne lui ")));
        QCOMPARE(intervalles(), QList<int>{40});  // 2 × 20 ms
        const QByteArray ligne = captions() + " => 1 erreurs\r\n";
        QTRY_VERIFY(w("pirate_monte")->isVisible());
        QVERIFY(!w("piece")->isVisible() && MessagesDuBanc.contains(texte("applause")));
        for (int k = 1; k <= 3; ++k) QVERIFY(visible("resultat", k));
        QTRY_VERIFY(visible("bebepoisson", intrus()));
        QTRY_COMPARE(numero(), 2);
        QCOMPARE(Etat().NombreErreurs, 1);
        QCOMPARE(exo_->partie().ListeErreurs.toLatin1(), ligne);
        QVERIFY(w("pirate_descend")->isVisible() && w("piece")->isVisible());
    }

    // The coin taken while a wrong bubble bursts: the click's guard holds, the intruder stays whole.
    void pirateArrivesDuringABurst() {
        lance(30);
        const int m = mauvaise(0);
        clic(m);
        emit w<Pirate>("")->pieceAtteinte();
        QVERIFY(MessagesDuBanc.contains(texte("applause")));
        for (int k = 1; k <= 3; ++k) QVERIFY(visible("resultat", k));
        QTRY_VERIFY(visible("Requin", m) && !intervalles().contains(150));
        QVERIFY(devoile(QStringLiteral("Requin"), m) && visible("BulleBleu", intrus()) && !visible("bebepoisson", intrus()));
        QCOMPARE(erreurs(), 1);
    }

    // The table of 2 on [3..3] in order gives 2×3 only: the message, "OK" and the fish; the
    // exercise ends at the click, nothing recorded, no summary, the position moves on.
    void noQuestionPossible() {
        const QString profil = u("classe de Martin/profil_Léa_de_Martin.txt");
        ecritOctets(profil, "");
        lance(0, 10, {{2, 3, 3, 2}}, u("Léa"));
        const int position = Etat().NumeroExercice;
        QVERIFY(exo_->intrusImpossible());
        QCOMPARE(texte("operateur1"), TexteIntrusImpossible());
        QVERIFY(w("operateur1")->isVisible() && w("ok")->isVisible() && w("Poissounet")->isVisible());
        for (const char* cache : {"EnonceExo3", "operateur2", "operateur3", "BulleBleu1", "Bulle11", "bulle41", "pirate_descend"})
            QVERIFY(!w(u(cache))->isVisible());
        QTest::mouseClick(w("Poissounet"), Qt::LeftButton);
        QVERIFY(choix_.isVisible() && !exo_->isVisible());
        QCOMPARE(Etat().NumeroExercice, position + 1);
        QVERIFY(bilan_.vus == 0 && octetsDe(profil).isEmpty());
    }
};

MARIVELLE_QTEST_MAIN(Exo3Test)
#include "exo3_qtest.moc"
