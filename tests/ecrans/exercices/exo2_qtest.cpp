// Exercise 2 played as a pupil would, in each mode: the hole on either side, typed answers, the
// strip, the help, the shark family and the pirate. What exercise 2 shares with exercise 1 (the
// coin pickup, the answer round, not-a-number answers, the strip's rows, the pirate's and the
// shark's rounds) is tested once, with exercise 1.
#include "TestExercice.h"
#include "logique/base/Aleatoire.h"
#include "ecrans/exercices/TExo2.h"

#include <cmath>

class Exo2Test : public TestExercice<TExo2, Ecrans::Role::Exo2, 2> {
    Q_OBJECT

    // The field of the hole of the current question.
    QLineEdit* trou() const {
        if (exo_->mode() == TExo2::Mode::Requin)
            return w<QLineEdit>(exo_->trouAGauche() ? "Exo2OpGaucheEdit" : "Exo2OpDroiteEdit");
        return w<QLineEdit>(exo_->trouAGauche() ? "OpGaucheEdit" : "OpDroiteEdit");
    }
    QString attendu() const { return QString::number(exo_->trouAGauche() ? exo_->question().gauche : exo_->question().droite); }
    void repond(const QString& texte) {
        if (!texte.isEmpty()) QTest::keyClicks(trou(), texte);
        QTest::keyClick(trou(), Qt::Key_Return);
    }

    // Starts the exercise on "7 × 8 = 56" (unless told otherwise), the hole on the side asked
    // for (-1: whichever is drawn).
    void lance(int tempsDeReponse = 0, bool pirate = false, int gauche = -1, int questions = 10,
               std::array<int, 4> table = {7, 8, 8, 2}) {
        for (quint32 graine = 1;; ++graine) {
            exo_->hide();
            regle({2, table, questions, tempsDeReponse, pirate});
            Aleatoire::graine(graine);
            exo_->show();
            if (gauche < 0 || exo_->trouAGauche() == (gauche == 1)) return;
        }
    }

    // The drawn shapes of a picture of turtles on sand (their greens and outline, not the sand's
    // yellows nor the uncovered edge of the place), each its bounding rectangle.
    static QList<QRect> tachesDe(const QImage& image) {
        const auto tortue = [&](int x, int y) {
            const QColor c = image.pixelColor(x, y);
            return c.alpha() > 128 && (c.green() > c.red() + 20 || c.red() + c.green() + c.blue() < 300);
        };
        QList<QRect> taches;
        QList<bool> vu(image.width() * image.height(), false);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (vu[y * image.width() + x] || !tortue(x, y)) continue;
                QRect r(x, y, 1, 1);
                QList<QPoint> pile{{x, y}};
                vu[y * image.width() + x] = true;
                int points = 0;
                while (!pile.isEmpty()) {
                    const QPoint p = pile.takeLast();
                    ++points;
                    r |= QRect(p, QSize(1, 1));
                    for (const QPoint& d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                        const QPoint q = p + d;
                        if (!image.rect().contains(q) || vu[q.y() * image.width() + q.x()] || !tortue(q.x(), q.y())) continue;
                        vu[q.y() * image.width() + q.x()] = true;
                        pile << q;
                    }
                }
                if (points > 20) taches << r;  // a speck of antialiasing is no turtle
            }
        }
        // The upper tray's first, each from the left.
        const auto cle = [&](const QRect& r) { return std::pair(r.center().y() >= image.height() / 2, r.left()); };
        std::sort(taches.begin(), taches.end(), [&](const QRect& a, const QRect& b) { return cle(a) < cle(b); });
        return taches;
    }

private slots:
    // The hole on each side: the bubbles shown, the texts, only the drawn operand accepted.
    void theHoleOnEitherSide_data() {
        QTest::addColumn<int>("gauche");
        QTest::addColumn<QString>("connu");
        QTest::addColumn<QString>("faux");
        QTest::newRow("left") << 1 << "Exo2BulleOpDroite2"
                              << "08";
        QTest::newRow("right") << 0 << "Exo2BulleOpGauche2"
                               << "07";
    }
    void theHoleOnEitherSide() {
        QFETCH(int, gauche);
        QFETCH(QString, connu);
        QFETCH(QString, faux);
        lance(0, false, gauche);
        QVERIFY(texte("Enonce2Exo2")
                    .endsWith(u("ou clique sur le poisson jaune pour valider")));  // which statement shows, not its words
        QVERIFY(exo_->findChild<QWidget*>(connu)->isVisible() && trou()->isVisible() && exo_->focusWidget() == trou());
        QCOMPARE(texte(gauche ? "OpDroite1" : "OpGauche") + texte("Signe") + texte("Resultat"), gauche ? u("8×56") : u("7×56"));
        QVERIFY(!w("PanelSoutientBulle")->isVisible() && !w("PanelFamilleRequin")->isVisible());

        // Another number making the equation true is not the drawn operand; nor is "08".
        for (const QString& mauvais : {faux, gauche ? u("8") : u("7")}) {
            repond(mauvais);
            QVERIFY(trou()->text().isEmpty() && w("SolutionImage")->isVisible());
        }
        QCOMPARE(exo_->partie().ErreursQuestion, 2);
        QTest::mouseClick(w("SolutionImage"), Qt::LeftButton);
        QCOMPARE(texte("SolutionLabel"), attendu());
        repond(attendu());
        QCOMPARE(numero(), 2);  // the error list: errorListAndTheEnd
    }

    // Right at the first try, wrong then right, and the error list with "..." and, for the last
    // question, "..".
    void errorListAndTheEnd() {
        lance(0, false, -1, 6);
        QString liste;
        for (int q = 1; q <= 6; ++q) {
            QTRY_VERIFY(!exo_->partie().RamassageEnCours);
            QCOMPARE(numero(), q);
            const bool gauche = exo_->trouAGauche();
            if (q % 2 == 1 || q == 6) {
                repond(u("1"));
                const QString points = q == 6 ? u("..") : u("...");
                liste += u("\r\n") + (gauche ? points + u("×8=56") : u("7×") + points + u("=56")) + u(" 1 erreurs");
            }
            repond(attendu());
        }
        QTRY_VERIFY(choix_.isVisible() && !exo_->isVisible());
        QCOMPARE(exo_->partie().ListeErreurs, liste);
        QCOMPARE(Etat().NombreErreurs, 4);
    }

    // The hole is on the left as often as on the right: 2000 questions from a fixed seed, each
    // answered wrong then right so that the next one comes at once.
    void theHoleSideIsDrawnEvenly() {
        constexpr int Questions = 2000;
        lance(0, false, -1, Questions);
        int aGauche = 0;
        for (int q = 1; q <= Questions; ++q) {
            aGauche += exo_->trouAGauche();
            repond(u("1"));
            repond(attendu());
        }
        QVERIFY(choix_.isVisible());
        QVERIFY2(qAbs(aGauche - Questions / 2) <= 5 * std::sqrt(Questions / 4.0), qPrintable(QString::number(aGauche)));
    }

    void stripWritesIntoTheHole() {
        lance(0, false, 0);
        Etat().BandeNumerique = 0;
        exo_->hide();
        exo_->show();
        QVERIFY(w("SoutientBandeNum")->isVisible());
        QVERIFY(texte("Enonce2Exo2").contains(u("ou clique sur la réponse au fond de l'eau")));
        QTest::mouseClick(w("Num7"), Qt::LeftButton);
        QCOMPARE(trou()->text(), u("7"));
    }

    // Pictures under the known operand and the result, none for the hole.
    void countingHelp() {
        lance(0, false, 0, 10, {3, 6, 6, 0});
        Etat().TypeAide = 0;
        QVERIFY(w("Aide")->isVisible());
        QTest::mouseClick(w("Aide"), Qt::LeftButton);
        QVERIFY(w("ConteneurAideGaucheDessin")->isVisible() && w("ConteneurAideResultatDessin")->isVisible() &&
                !w("ConteneurAideDroiteDessin")->isVisible());
        QTest::mouseClick(w("EnleverAide"), Qt::LeftButton);
        QVERIFY(!w("ConteneurAideGaucheDessin")->isVisible() && !w("ConteneurAideResultatDessin")->isVisible());
        // 4 + ? = 12: the result has no picture.
        lance(0, false, -1, 10, {4, 8, 8, 0});
        QVERIFY(!w("Aide")->isVisible() && w("AideGrisee")->isVisible());
    }

    // The turtles a child counts, at every display size: big, each apart from the others, five to a
    // row with the rows well apart (4 + 6 = 10: the known number and 10 drawn, from the pictures'
    // own pixels).
    void countingTurtlesAreBigGroupedByFiveAndApart() {
        for (const char* n : {"4", "6", "10"}) QFile::remove(QStringLiteral("Images/Tortues/%1.jpg").arg(QLatin1String(n)));
        for (const QSize& ecran : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            Affichage::fixeTaille(ecran);
            TExo2 exo2;
            const auto retour = ecranPropre(exo_, exo2);
            lance(0, false, -1, 10, {4, 6, 6, 0});
            Etat().TypeAide = 0;
            clique(w("Aide"));
            const QString connu = exo_->trouAGauche() ? u("Droite") : u("Gauche");
            const int nombreConnu = exo_->trouAGauche() ? 6 : 4;
            const double k = std::min(ecran.width() / 1024.0, ecran.height() / 768.0);
            QList<QRect> places;
            for (const auto& [cote, nombre] : {std::pair(connu, nombreConnu), std::pair(u("Resultat"), 10)}) {
                QWidget* image = w(QStringLiteral("Image%1Dessin").arg(cote));
                places << QRect(image->mapTo(exo_, QPoint()), image->size());
                const QList<QRect> tortues = tachesDe(image->grab().toImage());
                const QString ou = QStringLiteral("%1 à %2x%3").arg(cote).arg(ecran.width()).arg(ecran.height());
                QVERIFY2(tortues.size() == nombre, qPrintable(ou));
                int ecartDansLaRangee = 0;
                for (int i = 0; i < nombre; ++i) {
                    QVERIFY2(tortues[i].width() >= 36 * k - 1, qPrintable(ou));
                    if (i % 5) ecartDansLaRangee = std::max(ecartDansLaRangee, tortues[i].left() - tortues[i - 1].right());
                    for (int j = 0; j < i; ++j)
                        QVERIFY2(!tortues[i].adjusted(-1, -1, 1, 1).intersects(tortues[j]), qPrintable(ou));
                }
                QVERIFY2(ecartDansLaRangee > 0, qPrintable(ou));
                if (nombre > 5) QVERIFY2(tortues[5].top() - tortues[4].bottom() >= 2 * ecartDansLaRangee, qPrintable(ou));
            }
            QVERIFY(!places[0].intersects(places[1]));
        }
    }

    // The family's own burst; Enter while the bubbles drift and a right first answer go through
    // exercise 1's shark round (exo1_qtest.cpp, sharkBubbleBursts).
    void sharkFamilyBurstsTheBubbles() {
        Minuterie::accelere(20);
        lance(1, false, 1);
        QVERIFY(texte("EnonceExo2").contains(u("famille\nrequin")) && !texte("Enonce2Exo2").contains(u("poisson jaune")));
        QVERIFY(w("PanelSoutientBulle")->isVisible() && w("PanelFamilleRequin")->isVisible() && w("Poisson")->isVisible());
        for (const char* cache : {"Signe", "PoissonRes", "Aide", "PanelSoutientBulle2", "Exo2OpGauche"})
            QVERIFY(!w(cache)->isVisible());
        QVERIFY(w("Exo2OpGaucheEdit")->isVisible());
        QCOMPARE(texte("Exo2OpDroite") + texte("Exo2Signe") + texte("Exo2Resultat"), u("8×56"));
        // The statements stay uncovered.
        QVERIFY(w("PanelFamilleRequin")->y() >= w("Enonce2Exo2")->geometry().bottom());
        QCOMPARE(intervalles(), QList<int>{50});
        const QPoint depart = w("PanelSoutientBulle")->pos();
        QTRY_VERIFY(w("PanelSoutientBulle")->pos() != depart);
        QVERIFY(w("PanelSoutientBulle")->x() > depart.x() && w("PanelSoutientBulle")->y() < depart.y());

        QTRY_VERIFY(w("PanelSoutientBulle2")->isVisible());
        QVERIFY(!w("PanelSoutientBulle")->isVisible());
        QCOMPARE(texte("LabelRequin1") + texte("LabelRequin2") + trou()->text(), u("7 × 8 =567"));
        QVERIFY(w("PetiteBullePlus")->isVisible() && w("PetiteBulleEgal")->isVisible());
        QCOMPARE(intervalles(), QList<int>{500});
        const int x = w("PetiteBullePlus")->x();
        QTRY_VERIFY(w("PetiteBullePlus")->x() != x);
        QCOMPARE((w("PetiteBullePlus")->x() - x) % 75, 0);  // 75 pixels a tick
        QTRY_COMPARE(numero(), 2);
        QCOMPARE(Etat().NombreErreurs, 1);
        QCOMPARE(exo_->partie().ListeErreurs, u("\r\n...×8=56 1 erreurs"));
        QVERIFY(!w("PanelSoutientBulle2")->isVisible() && w("PanelSoutientBulle")->isVisible());
    }

    // The pirate's flow is exercise 1's (exo1_qtest.cpp); here its pace and the hole filled in.
    void pirateFillsTheHole() {
        Minuterie::accelere(50);
        lance(10, true, 0);
        QCOMPARE(intervalles(), QList<int>{200});  // 10 × 20 ms
        QTRY_VERIFY(w("pirate_monte")->isVisible());
        QVERIFY(trou()->text() == u("8") && trou()->isReadOnly());
        QTRY_COMPARE(numero(), 2);
    }
};

MARIVELLE_QTEST_MAIN(Exo2Test)
#include "exo2_qtest.moc"
