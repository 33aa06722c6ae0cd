// Exercise 4 played as a pupil would: bubbles selected and validated by the fish, the solution, the
// help, the pirate, quick and late clicks, and a pupil's exercise that cannot be built. The question
// draw, the judging and the texts themselves are tested with their logic.
#include "Recouvrements.h"
#include "TestExercice.h"
#include "logique/base/Aleatoire.h"
#include "logique/base/Horloge.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/commun/Image.h"

#include <tuple>

class Exo4Test : public TestExercice<TExo4, Ecrans::Role::Exo4, 4> {
    Q_OBJECT

    QWidget* bulle(const char* genre, int i) const { return w(QString::fromLatin1(genre) + QString::number(i)); }
    bool bonne(int i) const { return exo_->question().BonnesBulles[std::size_t(i - 1)]; }
    void valide() { clique(w("PoissonVal")); }
    // Selects exactly the bubbles `choisie` says, by clicking the blue or the yellow bubble.
    void selectionne(const std::function<bool(int)>& choisie) {
        for (int i = 1; i <= BullesExo4; ++i)
            if (const bool c = choisie(i); exo_->selection()[std::size_t(i - 1)] != c)
                clique(bulle(c ? "BulleBleu" : "BulleJaune", i));
    }
    void selectionneJuste() {
        selectionne([this](int i) { return bonne(i); });
    }
    // Starts an exercise whose first question satisfies `voulue` (the draw replayed from a seed).
    void lance(const std::function<bool(const QuestionExo4&)>& voulue, int tempsDeReponse = 0, int questions = 3) {
        for (quint32 graine = 1;; ++graine) {
            regle({4, {2, 1, 10, 2}, questions, tempsDeReponse, false});
            for (int n = 3; n <= 9; ++n) Etat().ajouteEntree(n, 1, 10, 2);  // many results shared by several operations
            Etat().OptionTableDansOrdre = false;
            Aleatoire::graine(graine);
            TirageOperation tireur(Etat());
            RepertoireOperations repertoire(tireur);
            if (!voulue(GenereExo4(tireur, repertoire))) continue;
            exo_->hide();
            Aleatoire::graine(graine);
            exo_->show();
            QVERIFY(voulue(exo_->question()));
            return;
        }
    }
    static int bonnes(const QuestionExo4& q) { return int(std::count(q.BonnesBulles.begin(), q.BonnesBulles.end(), true)); }
    static bool melangee(const QuestionExo4& q) { return bonnes(q) >= 2 && bonnes(q) <= 8; }
    // The next question shows after the pause.
    void attendsQuestion(int n) {
        QTRY_COMPARE(numero(), n);
        QVERIFY(std::none_of(exo_->selection().begin(), exo_->selection().end(), [](bool s) { return s; }));
    }

private slots:
    // No right bubble: the answer is to select nothing; right at the first validation the
    // seahorse takes the coin, and nothing is listed.
    void emptyPatternRightAtFirst() {
        Minuterie::accelere(1);  // the pickup outlasts the clicks made during it
        lance([](const QuestionExo4& q) { return bonnes(q) == 0; });
        QVERIFY(!texte("Enonce1").contains(u("pirate")) && texte("Enonce2").startsWith(u("Clique sur toutes ses bulles")));
        QCOMPARE(texte("nbre_intrus"), QString::number(exo_->question().cible));
        for (int i = 1; i <= BullesExo4; ++i) {
            QVERIFY(bulle("BulleBleu", i)->isVisible() && bulle("operateur", i)->isVisible());
            QVERIFY(!bulle("resultat", i)->isVisible() && !bulle("PoissonBulle", i)->isVisible());
            QCOMPARE(texte(QStringLiteral("operateur%1").arg(i)),
                     TexteOperation(exo_->question().bulles[std::size_t(i - 1)], false));
        }
        // The caption toggles, as the blue and yellow bubbles do.
        clique(bulle("operateur", 4));
        QVERIFY(exo_->selection()[3] && !bulle("BulleBleu", 4)->isVisible() && bulle("BulleJaune", 4)->isVisible());
        clique(bulle("operateur", 4));
        QVERIFY(!exo_->selection()[3] && bulle("BulleBleu", 4)->isVisible());
        valide();
        QCOMPARE(texte("Applause"), u("Bravo\u00A0!"));
        QVERIFY(exo_->partie().RamassageEnCours && w("ramasse_piece1")->isVisible());
        QCOMPARE(intervalles(), QList<int>{80});
        // The question is over: neither the fish, its number nor a bubble acts.
        for (const char* nom : {"PoissonVal", "nbre_intrus", "operateur1", "BulleBleu2", "Aide"}) clique(w(nom));
        QVERIFY(!exo_->selection()[0] && !exo_->selection()[1] && !w("Label_aide")->isVisible());
        attendsQuestion(2);
        QCOMPARE(Etat().NombreErreurs, 0);
        QCOMPARE(exo_->partie().ListeErreurs, QString());
    }

    // Wrong, then right: one error, no coin pickup, the error-list line; then wrong, the solution,
    // the fish: judged again, one more error on that question.
    void wrongThenRightThenTheSolution() {
        Minuterie::accelere(1);  // the pause outlasts the checks made during it
        lance(melangee, 0, 2);
        valide();  // nothing selected: wrong
        QVERIFY(w("voir_solution")->isVisible() && w("Applause")->isVisible());
        QVERIFY(QStringList({u("Essaie encore, tu vas y arriver\u00A0!"), u("Presque, réfléchis bien.")})
                    .contains(texte("Applause")));
        QCOMPARE(exo_->partie().ErreursQuestion + Etat().NombreErreurs, 2);
        selectionneJuste();
        const QString cible = texte("nbre_intrus");
        valide();
        QVERIFY(!exo_->partie().RamassageEnCours && !w("ramasse_piece1")->isVisible());
        QCOMPARE(texte("Applause"), u("Bravo!"));
        QCOMPARE(intervalles(), QList<int>{500});  // the pause before the next question
        attendsQuestion(2);
        QCOMPARE(exo_->partie().ListeErreurs, u("Opérations égalent à ") + cible + u(" => 1 erreurs\r\n"));

        // Question 2: one right bubble selected, one wrong selected, the others left.
        int juste = 0, fausse = 0;
        for (int i = 1; i <= BullesExo4; ++i) (bonne(i) ? juste : fausse) = i;
        QVERIFY(juste && fausse);
        clique(bulle("BulleBleu", juste));
        clique(bulle("BulleBleu", fausse));
        valide();
        clique(w("voir_solution"));
        QVERIFY(exo_->solutionVue() && w("voir_solution")->isVisible());
        // The solution pictures and the results take no click.
        for (int i : {juste, fausse}) {
            clique(bulle("resultat", i));
            clique(bulle(i == juste ? "BulleTrouvee" : "BullePasCelleCi", i));
        }
        for (int i = 1; i <= BullesExo4; ++i) {
            QVERIFY(bulle("resultat", i)->isVisible());
            QCOMPARE(texte(QStringLiteral("resultat%1").arg(i)), TexteResultat(exo_->question().bulles[std::size_t(i - 1)]));
        }
        const QString cible2 = texte("nbre_intrus");
        valide();
        QTRY_VERIFY(choix_.isVisible());
        QCOMPARE(Etat().NombreErreurs, 2);
        QCOMPARE(exo_->partie().ListeErreurs, u("Opérations égalent à ") + cible + u(" => 1 erreurs\r\nOpérations égalent à ") +
                                                  cible2 + u(" => 2 erreurs\r\n"));
        QVERIFY(!exo_->isVisible());
        QCOMPARE(Etat().NumeroExercice, 2);
    }

    // Two right bubbles missing and one wrong selected, then every right one: the help counts when
    // the octopus is clicked, not at each selection; the crossed-out octopus takes it away.
    void help() {
        lance([](const QuestionExo4& q) { return bonnes(q) >= 2 && bonnes(q) <= 9; });
        int manquees = 0, fausse = 0;
        selectionne([&](int i) {
            if (bonne(i)) return ++manquees > 2;
            return fausse++ == 0;
        });
        clique(w("Aide"));
        QVERIFY(w("Label_aide")->isVisible() && w("aide_barrer")->isVisible() && !w("Aide")->isVisible());
        // Its texts are the logic's (question_exo4_test.cpp); over the octopus, never over a bubble.
        const QString avant = TexteAideExo4(exo_->question().BonnesBulles, exo_->selection());
        QCOMPARE(texte("Label_aide"), avant);
        QVERIFY(avant.startsWith(u("Il reste 2 ")) && w("Label_aide")->geometry().bottom() < w("Aide")->y());
        selectionneJuste();
        QCOMPARE(texte("Label_aide"), avant);
        clique(w("aide_barrer"));
        QVERIFY(!w("Label_aide")->isVisible() && w("Aide")->isVisible());
        clique(w("Aide"));
        QVERIFY(texte("Label_aide").startsWith(u("Tu as répondu juste!")));
        QCOMPARE(exo_->partie().ErreursQuestion, 0);
    }

    // The pirate takes the coin after a wrong validation: the solution shows, the rest stays as it
    // was; a right selection afterwards moves on without the coin pickup and without a new error;
    // the climb stops with the question.
    void pirateTakesTheCoin() {
        Minuterie::accelere(10);  // his climb outlasts the clicks made during it
        lance(melangee, 10, 3);
        QVERIFY(texte("Enonce1").contains(u("avant que le pirate")));
        QCOMPARE(intervalles(), QList<int>{200});  // 10 × 20 ms
        valide();
        QTRY_VERIFY(w("pirate_monte")->isVisible());
        QVERIFY(exo_->pieceVolee() && exo_->solutionVue() && !w("piece")->isVisible());
        QVERIFY(w("resultat1")->isVisible() && w("Aide")->isVisible() && w("Applause")->isVisible() &&
                w("voir_solution")->isVisible());
        QCOMPARE(intervalles(), QList<int>{100});
        clique(w("voir_solution"));
        selectionneJuste();
        // The solution follows the selection.
        for (int i = 1; i <= BullesExo4; ++i)
            QVERIFY(bulle("BulleTrouvee", i)->isVisible() == bonne(i) && !bulle("MotSolution", i)->isVisible());
        clique(w("nbre_intrus"));
        QVERIFY(!exo_->partie().RamassageEnCours && !w("ramasse_piece1")->isVisible() && !intervalles().contains(100));
        attendsQuestion(2);
        QCOMPARE(Etat().NombreErreurs, 1);
        QVERIFY(!w("pirate_monte")->isVisible() && w("pirate_descend")->isVisible() && w("piece")->isVisible());

        // Left alone with the help shown: the count goes with the solution he brings, and the help
        // stays off; at the end of his climb the selection (none) is judged.
        clique(w("Aide"));
        QVERIFY(w("Label_aide")->isVisible());
        QTRY_VERIFY(w("pirate_monte")->isVisible());
        QVERIFY(!w("Label_aide")->isVisible() && !w("aide_barrer")->isVisible() && w("Aide")->isVisible());
        clique(w("Aide"));
        QVERIFY(!w("Label_aide")->isVisible());
        QTRY_COMPARE(numero(), 3);
        QCOMPARE(Etat().NombreErreurs, 2);

        // No error first, the solution he brings in view: a right selection earns no reward.
        QTRY_VERIFY(w("pirate_monte")->isVisible());
        selectionneJuste();
        valide();
        QVERIFY(!exo_->partie().RamassageEnCours && !w("Applause")->isVisible());
    }

    // Clicks queued behind the one that ends the question do nothing, on the fish or a bubble;
    // hiding the screen during the pause stops every timer, the pause's too.
    void quickClicksAfterTheEnd() {
        Minuterie::accelere(1);  // the pause outlasts the checks made during it
        lance(melangee, 10, 3);
        valide();
        selectionneJuste();
        for (const char* nom : {"PoissonVal", "PoissonVal", "nbre_intrus", "BulleJaune1", "operateur2", "Aide"})
            Pilote::posteClic(w(nom));
        QCoreApplication::processEvents();
        QCOMPARE(numero(), 1);
        QCOMPARE(exo_->partie().ErreursQuestion, 1);
        QVERIFY(exo_->selection() == exo_->question().BonnesBulles && !w("Label_aide")->isVisible());
        QCOMPARE(intervalles(), QList<int>{500});
        exo_->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(numero(), 1);
        QCOMPARE(exo_->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly).size(), 0);
    }

    // The solution as a child reads it, at every display size: the fish's bubbles carry the small
    // fish, a missed one says "oubliée", a wrong one chosen "pas celle-ci", a bubble rightly left
    // alone shows nothing; no mark covers any bubble's operation or result, nor leaves the bubbles.
    void solutionMarksTheFishsBubblesAndTheMistakes() {
        for (const QSize& ecran : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            Affichage::fixeTaille(ecran);
            TExo4 exo4;
            const auto retour = ecranPropre(exo_, exo4);
            lance([](const QuestionExo4& q) { return bonnes(q) >= 3 && bonnes(q) <= 8; });
            // Every right bubble but the first one, and the first wrong one.
            int oubliee = 0, fausse = 0;
            for (int i = BullesExo4; i >= 1; --i) (bonne(i) ? oubliee : fausse) = i;
            selectionne([&](int i) { return bonne(i) ? i != oubliee : i == fausse; });
            valide();
            clique(w("voir_solution"));
            const auto dans = [this](QWidget* x, const QRect& r) { return r.translated(x->mapTo(exo_, QPoint())); };
            QList<QRect> textes, marques;
            for (int i = 1; i <= BullesExo4; ++i) {
                const QString attendu = i == oubliee  ? u("BulleOubliee")
                                        : i == fausse ? u("BullePasCelleCi")
                                        : bonne(i)    ? u("BulleTrouvee")
                                                      : QString();
                for (const char* image : {"BulleTrouvee", "BulleOubliee", "BullePasCelleCi"})
                    QCOMPARE(bulle(image, i)->isVisible(), attendu == QLatin1String(image));
                QCOMPARE(bulle("PoissonBulle", i)->isVisible(), bonne(i));
                const QString mot = i == oubliee ? u("oubliée") : i == fausse ? u("pas celle-ci") : QString();
                QCOMPARE(bulle("MotSolution", i)->isVisible() ? texte(QStringLiteral("MotSolution%1").arg(i)) : QString(), mot);
                for (const char* nom : {"operateur", "resultat"}) textes << dessinDe(bulle(nom, i), exo_).boundingRect();
                for (const char* nom : {"PoissonBulle", "MotSolution"})
                    if (bulle(nom, i)->isVisible()) marques << dans(bulle(nom, i), bulle(nom, i)->rect());
            }
            QCOMPARE(marques.size(), bonnes(exo_->question()) + 2);
            const QRect panneau = dans(w("PanneauBulles"), w("PanneauBulles")->rect());
            for (const QRect& m : marques) {
                QVERIFY(panneau.contains(m));
                for (const QRect& t : textes)
                    QVERIFY2(!m.intersects(t), qPrintable(QStringLiteral("%1x%2").arg(ecran.width()).arg(ecran.height())));
            }
        }
    }

    // On a wide display the bubbles and the fish keep their shapes and arrangement, the bubbles
    // stay under the two-line statement, the number stays on the fish's board.
    void wideDisplayKeepsTheDesign() {
        Affichage::fixeTaille(QSize(1920, 1080));
        TExo4 large;
        const auto retour = ecranPropre(exo_, large);
        lance(melangee, 10, 3);
        const double k = 1080 / 768.0;  // the smaller of the two factors
        for (int i = 1; i <= BullesExo4; ++i) {
            QCOMPARE(bulle("BulleBleu", i)->width(), bulle("BulleBleu", i)->height());
            QCOMPARE(bulle("operateur", i)->geometry(), bulle("BulleBleu", i)->geometry());
            QVERIFY(bulle("BulleBleu", i)->mapTo(exo_, QPoint()).y() > w("Enonce2")->geometry().bottom());
        }
        // The design's distances between bubbles, to the pixel of rounding.
        QVERIFY(qAbs(bulle("BulleBleu", 2)->x() - bulle("BulleBleu", 1)->x() - 240 * k) <= 1);
        QVERIFY(qAbs(bulle("BulleBleu", 4)->y() - bulle("BulleBleu", 1)->y() - 120 * k) <= 1);
        QVERIFY(qAbs(w("PoissonVal")->width() * 105 / 161.0 - w("PoissonVal")->height()) <= 1);
        QVERIFY(w("PoissonVal")->geometry().contains(w("nbre_intrus")->geometry()));
    }

    // A pupil's exercise that cannot be built (one operation, 1 + 0) ends at the click on "OK"
    // without record or summary, the sequence moving on; the next one, on the table of 3, writes
    // its block to the profile and shows the summary.
    void impossibleThenRecorded() {
        const QString profil = u("classe de Martin/profil_Léa_de_Martin.txt");
        QDir().mkpath(u("classe de Martin"));
        ecritOctets(profil, "profil\r\n");
        const auto lancePourLea = [this](std::array<int, 4> table) {
            exo_->hide();
            regle({4, table, 2});
            SharedState& e = Etat();
            std::tie(e.NomEleve, e.NomEnseignant, e.RepertoireClasse) = std::tuple(u("Léa"), u("Martin"), u("classe de Martin/"));
            e.OptionTableDansOrdre = table[0] == 1;
            e.SauvegardeTexte = true;
            Aleatoire::graine(3);
            exo_->show();
        };
        lancePourLea({1, 0, 0, 0});
        const int position = Etat().NumeroExercice;
        QVERIFY(exo_->isVisible() && exo_->exerciceImpossible());
        QCOMPARE(texte("operateur1") + texte("nbre_intrus"), TexteExo4Impossible() + u("OK"));
        for (const char* cache : {"Enonce1", "Enonce2", "BulleBleu1", "operateur2", "pirate_descend"})
            QVERIFY(!w(cache)->isVisible());
        QVERIFY(w("Aide")->isVisible());
        clique(w("BulleJaune1"));  // hidden: nothing
        clique(w("nbre_intrus"));
        QTRY_VERIFY(choix_.isVisible() && !exo_->isVisible());
        QCOMPARE(Etat().NumeroExercice, position + 1);
        QCOMPARE(bilan_.vus, 0);
        QCOMPARE(octetsDe(profil), QByteArray("profil\r\n"));

        // The next exercise, begun a minute before the clock: right at once, then wrong and right.
        Horloge::fixe(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
        lancePourLea({3, 1, 10, 2});
        Etat().HeureDebut = (9 * 3600 + 59 * 60) / 86400.0;
        QVERIFY(!exo_->exerciceImpossible());
        selectionneJuste();
        valide();
        attendsQuestion(2);
        const QByteArray cible = texte("nbre_intrus").toLatin1();
        selectionne([this](int i) { return !bonne(i); });
        valide();
        selectionneJuste();
        valide();
        QTRY_COMPARE(bilan_.vus, 1);
        QTRY_VERIFY(choix_.isVisible());
        // What the screen gives the block (its bytes are profil_test.cpp's).
        const QByteArray bloc = octetsDe(profil);
        for (const QByteArray& partie :
             {QByteArray("profil\r\n\r\n[exercice]     Exercice " + QByteArray::number(position + 1) +
                         "\r\n[Type exercice]     m\xEAme r\xE9sultat\r\n"),
              QByteArray("[Nombre d'erreurs]     1 erreur(s) sur 2\r\n[Dur\xE9"
                         "e de l'exercice]     00:01:00"),
              "[Bilan de l'exercice]     \r\nOp\xE9rations \xE9galent \xE0 " + cible + " => 1 erreurs\r\n\r\n\r\n*"})
            QVERIFY2(bloc.contains(partie), bloc.constData());
    }
};

MARIVELLE_QTEST_MAIN(Exo4Test)
#include "exo4_qtest.moc"
