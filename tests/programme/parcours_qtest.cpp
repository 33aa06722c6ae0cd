// Whole journeys through the real program, from an empty folder: teachers and pupils registered
// through the identification screen, a sequence defined on the settings screen, sequences played
// to their end in a loop or closing the program, free practice without a parameter file, the review.
#include "DossierTemporaire.h"
#include "EnregistreurSons.h"
#include "Pilote.h"
#include "TestEcran.h"
#include "programme/Demarrage.h"
#include "ecrans/commun/Affichage.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Horloge.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TRevision.h"
#include "ecrans/exercices/TTestDepart.h"
#include "logique/journal/Journal.h"
#include "logique/parametres/ParameterFiles.h"
#include "logique/parametres/PositionParametres.h"

#include <QTimer>
#include <memory>
#include <tuple>

namespace {
const QString Lea = u("Léa en classe de ce1");
const QString Classe = u("classe de Martin/");
const QString FichierLea = Classe + u("parametrage_Léa en classe de ce1_de_Martin.txt");
const QString ProfilLea = Classe + u("profil_Léa en classe de ce1_de_Martin.txt");
}  // namespace

class ParcoursTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier;
    bool fini = false;
    int bilans = 0;
    QTimer fermeBilan;
    QStringList entendu;

    QWidget* ecran(Ecrans::Role r) { return Ecrans::ecran(r); }
    QWidget* identification() { return ecran(Ecrans::Role::SaisieIdentifiant); }
    TExo1* exo1() { return static_cast<TExo1*>(ecran(Ecrans::Role::Exo1)); }
    TRevision* revision() { return static_cast<TRevision*>(ecran(Ecrans::Role::Revision)); }
    TTestDepart* testDepart() { return static_cast<TTestDepart*>(ecran(Ecrans::Role::TestDepart)); }
    template <typename T = QWidget>
    T* w(const char* nom) {
        return Pilote::controle<T>(identification(), QString::fromLatin1(nom));
    }
    void appuie(const char* bouton) { QTest::mouseClick(w<QPushButton>(bouton), Qt::LeftButton); }
    template <typename T = QWidget>
    T* p(const char* nom) {
        return Pilote::controle<T>(ecran(Ecrans::Role::Parametrage), QString::fromLatin1(nom));
    }
    void cliqueP(std::initializer_list<const char*> noms) {
        for (const char* nom : noms) Pilote::coche(p<QAbstractButton>(nom));
    }
    void cliqueImage(Ecrans::Role r, const char* nom) {
        QTest::mouseClick(Pilote::controle(ecran(r), QString::fromLatin1(nom)), Qt::LeftButton);
    }

    void inscritEleve(const QString& enseignant, const QString& nom, const QString& niveau) {
        QVERIFY(Pilote::choisit(w<QComboBox>("cb_nom_ens"), enseignant));
        QVERIFY(Pilote::clique(w<QListWidget>("lb_nom_eleve"), u("Elève non inscrit")));
        QVERIFY(Pilote::choisit(w<QComboBox>("cb_mon_ens_ins"), enseignant));
        Pilote::tape(w<QLineEdit>("nom_eleve"), nom);
        QVERIFY(Pilote::choisit(w<QComboBox>("cb_eleve_classe"), niveau));
        appuie("enregistrer_eleve");
    }

    void connecte(const QString& enseignant, const QString& eleve) {
        QVERIFY(identification()->isVisible());
        QVERIFY(Pilote::choisit(w<QComboBox>("cb_nom_ens"), enseignant));
        QVERIFY(Pilote::clique(w<QListWidget>("lb_nom_eleve"), eleve));
        appuie("Jouer");
    }

    // Answers every question of exercise 1 (or of the review) right at the first try; the facts asked.
    QStringList joueExercice(int questions, TExo1* exo = nullptr) {
        if (!exo) exo = exo1();
        QStringList faits;
        [&] {
            QTRY_VERIFY(exo->isVisible());
            auto* champ = Pilote::controle<QLineEdit>(exo, "Resultat");
            for (int q = 1; q <= questions; ++q) {
                QTRY_VERIFY(champ->isVisible() && !champ->isReadOnly() && champ->text().isEmpty());
                QCOMPARE(exo->partie().NumeroQuestion, q);
                const int avant = bilans;
                const QuestionOperation question = exo->question();
                faits << Fait{question.gauche, question.operation, question.droite, question.resultat}.cle();
                QTest::keyClicks(champ, QString::number(question.resultat));
                QTest::keyClick(champ, Qt::Key_Return);
                if (q < questions) QTRY_COMPARE(exo->partie().NumeroQuestion, q + 1);
                else QTRY_COMPARE(bilans, avant + 1);
            }
        }();
        return faits;
    }
    // Answers the starting test right at the first try until its summary; the operations asked.
    QString joueTest() {
        QString signes;
        [&] {
            QTRY_VERIFY(testDepart()->isVisible());
            auto* champ = Pilote::controle<QLineEdit>(testDepart(), "Resultat");
            const int avant = bilans;
            for (int q = 1;; ++q) {
                QTRY_VERIFY(bilans > avant ||
                            (testDepart()->partie().NumeroQuestion == q && champ->text().isEmpty() && !champ->isReadOnly()));
                if (bilans > avant) return;
                const QuestionOperation question = testDepart()->question();
                signes += SigneOperation(question.operation);
                QTest::keyClicks(champ, QString::number(question.resultat));
                QTest::keyClick(champ, Qt::Key_Return);
            }
        }();
        return signes;
    }
    void choisit(std::initializer_list<const char*> images) {
        for (const char* nom : images) cliqueImage(Ecrans::Role::ChoixOperateur, nom);
    }

    // An exercise of the given kind on one table, two questions, help with drawings.
    static ExerciseSettings exercice(int type, const EntreeTable& table) {
        return {.TypeExercice = type, .tables = {table}, .NombreDeQuestions = 2, .TypeAide = 0};
    }
    void ecritSequence(int position, int fin) {
        SequenceSettings s{.exercices = {}, .UneFoisSequenceFinie = fin, .Retroaction = 1};
        for (int k = 1; k <= 3; ++k) s.exercices << exercice(1, EntreeTable::table(k + 1, 1, 10, 2));
        EcritFichier(FichierLea, TexteParameterFile("Martin", Lea, s));
        ReecritLignePosition(FichierLea, LigneDePosition(position));
        EcritFichier(Classe + "enseignant_parametrage_Martin.txt",
                     TexteTeacherParameterFile("Martin", {}, s.exercices, false, false, true));
    }
    QString position() { return FichierTexte::litLignes(FichierLea).value(4); }

    void quitteVersIdentification() {
        if (exo1()->isVisible()) cliqueImage(Ecrans::Role::Exo1, "QuitterExo1");
        if (revision()->isVisible()) cliqueImage(Ecrans::Role::Revision, "QuitterExo1");
        if (testDepart()->isVisible()) cliqueImage(Ecrans::Role::TestDepart, "QuitterExo1");
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
        cliqueImage(Ecrans::Role::ChoixOperateur, "QuitterChoixOperateur");
        QTRY_VERIFY(identification()->isVisible());
    }

public:
    bool estUnParcours() const override { return true; }

protected:
    void avantChaqueTest() override {
        Affichage::fixeTaille(QSize(1024, 768));
        Minuterie::accelere(500);
        Sons::installeSortie(std::make_unique<EnregistreurSons>(entendu));  // no sound card nor speech engine here
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        Ecrans::remplaceFin([this] { fini = true; });
    }

private slots:
    void initTestCase() {
        dossier = std::make_unique<DossierTemporaire>();
        Polices::installe();
        avantChaqueTest();
        // The summary screen is modal: note it and close it with Enter, as a pupil would.
        connect(&fermeBilan, &QTimer::timeout, this, [this] {
            if (QWidget* m = QApplication::activeModalWidget(); m && m->objectName() == "Form1" && m->isVisible()) {
                ++bilans;
                QTest::keyClick(m, Qt::Key_Return);
            }
        });
        fermeBilan.start(5);
        Demarrage::creeLesEcrans();
        Demarrage::montreFenetrePrincipale();
        QVERIFY(QTest::qWaitForWindowExposed(identification(), BorneAttenteMs));
    }

    // Refusals and the files' bytes are checked in tests/identity; the next steps need these two.
    void lesEnseignantsEtLesElevesSInscrivent() {
        QVERIFY(Pilote::clique(w<QListWidget>("lb_nom_ens_param"), "Enseignant non inscrit"));
        Pilote::tape(w<QLineEdit>("nom_ens"), "Martin");
        QVERIFY(Pilote::clique(w<QListWidget>("CheckListBox1"), "ce1"));
        appuie("enregistrer_ens");
        inscritEleve("Martin", u("Léa"), "ce1");
    }

    // Martin defines an exercise on the settings screen and gives it to Léa, who then gets it with
    // his settings (the file's bytes are tests/parametrage's, its reading tests/settings').
    void unEnseignantParametreEtSonEleveJoue() {
        QVERIFY(Pilote::clique(w<QListWidget>("lb_nom_ens_param"), "Martin"));
        appuie("Parametre");
        QTRY_VERIFY(ecran(Ecrans::Role::Parametrage)->isVisible());
        QCOMPARE(Pilote::textes(p<QListWidget>("Eleve")), (QStringList{u("Paramétrage par défaut"), Lea}));
        Messages::recueille();
        // The table of 7, the pirate in 12 seconds, 3 questions, help with drawings.
        cliqueP({"Type1", "Operation2", "TablePrecise"});
        QVERIFY(Pilote::clique(p<QListWidget>("ListeTable1"), "7"));
        QTest::keyClick(p<QListWidget>("ListeTable1"), Qt::Key_Space);
        cliqueP({"Ajouter_Button1", "Temps_RadioButton2"});
        Pilote::regle(p<QSpinBox>("Temps_SpinEdit1"), 12);
        Pilote::regle(p<QSpinBox>("NbreQuestion"), 3);
        cliqueP({"Aide1", "Enregistrer", "Associe"});
        QCOMPARE(Messages::recueille(), QStringList{"Tout est ok"});
        cliqueP({"EnregistrerQuitter"});
        QTRY_VERIFY(identification()->isVisible());

        connecte("Martin", Lea);
        QTRY_VERIFY(exo1()->isVisible());
        const SharedState& e = Etat();
        QCOMPARE((QList<int>{e.NumeroExercice, e.TypeExercice, e.Tables[2], e.Tables[3], e.Tables[4], e.Tables[5],
                             e.DernierIndiceTables, e.TempsDeReponse, e.NombreDeQuestions, e.TypeAide}),
                 (QList<int>{1, 1, 7, 1, 10, 2, 5, 12, 3, 0}));
        QVERIFY(e.AvecPirate && e.SauvegardeTexte && !e.SauvegardeBase && !e.SauvegardeTableur);
        QVERIFY(Messages::recueille().isEmpty());
        quitteVersIdentification();
    }

    void uneSequenceEnBoucleRepartDuPremierExercice() {
        ecritSequence(2, 0);
        connecte("Martin", Lea);
        QTRY_VERIFY(exo1()->isVisible());
        QCOMPARE(Etat().NumeroExercice, 2);
        QCOMPARE(Etat().Tables[2], 3);  // exercise 2: the table of 3
        joueExercice(2);
        QTRY_COMPARE(position(), QStringLiteral("(3)"));
        joueExercice(2);
        QTRY_COMPARE(position(), QStringLiteral("(1)"));
        QTRY_VERIFY(exo1()->isVisible());
        QCOMPARE(Etat().Tables[2], 2);
        QCOMPARE(bilans, 2);
        // Leaving from the exercise records nothing and keeps the position.
        quitteVersIdentification();
        QCOMPARE(position(), QStringLiteral("(1)"));
        QVERIFY(Etat().RepertoireClasse.isEmpty());
        QVERIFY(w<QListWidget>("lb_nom_eleve")->selectedItems().isEmpty());
    }

    void uneSequenceQuiFermeLeLogiciel() {
        ecritSequence(3, 2);
        connecte("Martin", Lea);
        Messages::recueille();
        joueExercice(2);
        QTRY_VERIFY(fini);
        QCOMPARE(position(), QStringLiteral("(4)"));
        QVERIFY(Messages::recueille().contains(u("Vous avez fini de vous entrainer. Le logiciel va se fermer.")));

        // The profile holds one connection block per connection and one block per exercise.
        const QString profil = QString::fromLatin1(octetsDe(ProfilLea));
        QCOMPARE(profil.count("[date connexion : ] "), 3);
        QCOMPARE(profil.count("[exercice]     Exercice "), 3);
        QCOMPARE(profil.count("[date deconnexion ]     "), 2);
        fini = false;
        exo1()->hide();
        Ecrans::montre(Ecrans::Role::SaisieIdentifiant);
    }

    void sansParametrageLEleveChoisitLibrement() {
        const QString RepertoireClasseAucun = QStringLiteral("classe sans enseignant/");
        inscritEleve("aucun", "Tom", "cp");
        connecte("aucun", "Tom en classe de cp");
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
        // The review before any answer: first the starting test offered, declined, then nothing
        // met, an invitation to the ordinary exercise, declined: back to the chooser, nothing played.
        Messages::recueille();
        Messages::installeRepondeur([](Messages::Genre genre, const QString&) { return genre != Messages::Genre::Confirmation; });
        choisit({"ImageRevision", "SigneBulleMultiplication", "Baleine", "PoissonJouer"});
        const QString refus = RepertoireClasseAucun + u("test_refuse_Tom en classe de cp_de_aucun.txt");
        QTRY_VERIFY(QFile::exists(refus) && ecran(Ecrans::Role::ChoixOperateur)->isVisible() && !revision()->isVisible());
        QCOMPARE(Messages::recueille(),
                 (QStringList{u("Tu n'as encore jamais joué avec les multiplications. Veux-tu faire un petit test de "
                                "départ\u00A0? Il dure au plus 5\u00A0minutes et nous dira ce que tu sais déjà."),
                              u("Tu n'as encore fait aucun de ces calculs\u00A0: il n'y a rien à revoir pour "
                                "l'instant. Tu pourras les revoir quand tu t'y seras entraîné.\n\n"
                                "Veux-tu faire l'exercice habituel, donner le résultat\u00A0?")}));
        QCOMPARE(octetsDe(refus), QByteArray("multiplication\r\n"));
        // Declined once, never asked again, even on the next connection.
        quitteVersIdentification();
        connecte("aucun", "Tom en classe de cp");
        Messages::recueille();  // the connection's word on the default settings
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        choisit({"ImageExo1", "SigneBulleMultiplication", "Baleine", "PoissonJouer"});
        QTRY_VERIFY(exo1()->isVisible());
        QCOMPARE(Messages::recueille(), QStringList());
        // Ten questions of the multiplication tables, the chooser's defaults.
        const QStringList faitsVus = joueExercice(10);
        QCOMPARE(faitsVus.filter(u("×")).size(), 10);
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
        QVERIFY(!QFile::exists(u("classe sans enseignant/parametrage_Tom en classe de cp_de_aucun.txt")));

        // The review the same day: nothing due yet, a kind word and exercise 1, accepted, on the same screen.
        Messages::recueille();
        choisit({"ImageRevision", "SigneBulleMultiplication", "Baleine", "PoissonJouer"});
        QTRY_VERIFY(revision()->isVisible());
        QCOMPARE(Messages::recueille(),
                 QStringList{u("Tu n'as aucun calcul à revoir aujourd'hui\u00A0: ceux que tu as déjà faits, "
                               "tu les connais bien. Bravo\u00A0!\n\nVeux-tu faire l'exercice habituel, "
                               "donner le résultat\u00A0?")});
        QCOMPARE(Etat().TypeExercice, 1);
        cliqueImage(Ecrans::Role::Revision, "QuitterExo1");
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());

        // The next day every fact met is due (right once, a day ago: below the 90 % aimed at):
        // the review asks them first, then the mix; the chooser's sign keeps to the
        // multiplications. One more fact, right the day before and early today, is due too:
        // two days of practice do not keep it above the target.
        Journal::attends();
        Fait lent{1, Operation::Multiplication, 1, 1};
        while (faitsVus.contains(lent.cle())) lent = {lent.gauche + 1, Operation::Multiplication, 1, lent.gauche + 1};
        EntreeJournal e;
        e.enseignant = QStringLiteral("aucun");
        e.eleve = QStringLiteral("Tom en classe de cp");
        std::tie(e.fait, e.justePremierCoup, e.essais, e.msFin) = std::tuple(lent, true, 1, 2000);
        for (int jour : {-1, 0}) {
            e.moment = QDateTime(Horloge::maintenant().date().addDays(jour), QTime(0, 0, 1)).toMSecsSinceEpoch();
            Journal::ouvre(e.enseignant, RepertoireClasseAucun)->ajoute(e);
        }
        Horloge::fixe(Horloge::maintenant().addDays(1));
        const QStringList vus = faitsVus + QStringList{lent.cle()};
        choisit({"ImageRevision", "SigneBulleMultiplication", "Baleine", "PoissonJouer"});
        QTRY_VERIFY(revision()->isVisible());
        QCOMPARE(Etat().TypeExercice, 5);
        const int dus = revision()->nombreDus();
        QCOMPARE(dus, QSet<QString>(vus.begin(), vus.end()).size());
        // The due facts, each once, with a fact never met now and then.
        const QStringList revus = joueExercice(10, revision());
        int dejaVus = 0;
        for (int q = 0; q < 10; ++q) {
            QVERIFY2(revus[q].contains(u("×")), qPrintable(revus[q]));
            if (q < dus) QVERIFY2(revus.indexOf(revus[q]) == q, qPrintable(revus[q]));
            dejaVus += vus.contains(revus[q]);
        }
        QVERIFY(dejaVus >= std::min(dus, 10) / 2);
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
        quitteVersIdentification();
    }

    // A review in Léa's sequence, every recorder on. The first day nothing is due: exercise 1 on
    // the sequence's tables instead, recorded as such. The next day the facts met come back,
    // recorded as "révision" in the profile, the workbook, the database and the journal.
    void uneRevisionDansLaSequence() {
        const SequenceSettings s{.exercices = {exercice(1, EntreeTable::table(3, 1, 10, 2)),
                                               {.TypeExercice = 5, .tables = {}, .NombreDeQuestions = 2, .TypeAide = 0}}};
        EcritFichier(FichierLea, TexteParameterFile("Martin", Lea, s));
        EcritFichier(Classe + "enseignant_parametrage_Martin.txt",
                     TexteTeacherParameterFile("Martin", {}, s.exercices, true, true, true));
        // Today the facts met earlier today are known; tomorrow they are due.
        connecte("Martin", Lea);
        joueExercice(2);
        QTRY_VERIFY(revision()->isVisible());
        QCOMPARE(Etat().TypeExercice, 1);
        QCOMPARE(Etat().Tables[2], 3);
        joueExercice(2, revision());
        QTRY_COMPARE(position(), QStringLiteral("(1)"));
        quitteVersIdentification();

        Horloge::fixe(Horloge::maintenant().addDays(1));
        ReecritLignePosition(FichierLea, LigneDePosition(2));
        connecte("Martin", Lea);
        QTRY_VERIFY(revision()->isVisible());
        QCOMPARE(Etat().TypeExercice, 5);
        QVERIFY(revision()->nombreDus() >= 1);
        // The due facts of the sequence's tables only.
        for (const QString& fait : joueExercice(2, revision()))
            QVERIFY2(fait.startsWith(u("3×")) || fait.contains(u("×3=")), qPrintable(fait));
        QTRY_COMPARE(position(), QStringLiteral("(1)"));
        quitteVersIdentification();

        QCOMPARE(octetsDe(ProfilLea).count(cp1252("[Type exercice]     révision\r\n")), 1);
        const QStringList lignes = python({"-c", R"(
import sqlite3, sys, openpyxl
c = sqlite3.connect(sys.argv[1] + ".sqlite")
print("|".join(t for (t,) in c.execute("select Type_exercice from classe_de_Martin order by Id")))
f = openpyxl.load_workbook(sys.argv[1] + ".xlsx")[sys.argv[2]]
print("|".join(str(c.value) for c in f[8][1:]))
j = sqlite3.connect(sys.argv[3])
print("|".join(str(t) for (t,) in j.execute("select type_exercice from journal_questions order by moment")))
)",
                                           Classe + "profil_des_eleves_de_Martin", u("Léa_en_classe_de_ce1"),
                                           Classe + "journal_des_reponses_de_Martin.sqlite"})
                                       .split('\n');
        QCOMPARE(lignes.value(0), u("donner résultat|donner résultat|révision"));
        QCOMPARE(lignes.value(1), u("donner résultat|donner résultat|révision"));
        QVERIFY2(lignes.value(2).endsWith("|1|1|1|1|5|5"), qPrintable(lignes.value(2)));
    }

    // Léa has played only multiplications. In free practice, after her sequence, the additions'
    // starting test is offered once and played; then a starting test of her sequence, naming no
    // operation: the multiplications'. Each recorded as "test de départ" by every store, each
    // answer journaled as one.
    void unTestDeDepartDuChoixPuisDeLaSequence() {
        const SequenceSettings s{.exercices = {{.TypeExercice = 6, .tables = {}}}, .UneFoisSequenceFinie = 1};
        EcritFichier(FichierLea, TexteParameterFile("Martin", Lea, s));
        ReecritLignePosition(FichierLea, LigneDePosition(2));
        Horloge::fixe(Horloge::maintenant().addDays(1));
        connecte("Martin", Lea);
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
        Messages::recueille();
        choisit({"ImageExo2", "SigneBulleAddition", "Pirate", "PoissonJouer"});
        const QString plus = joueTest();
        QVERIFY2(plus.count(u("+")) == plus.size(), qPrintable(plus));
        QCOMPARE(Messages::recueille(),
                 QStringList{u("Tu n'as encore jamais joué avec les additions. Veux-tu faire un petit test de départ\u00A0? "
                               "Il dure au plus 5\u00A0minutes et nous dira ce que tu sais déjà.")});
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
        quitteVersIdentification();

        ReecritLignePosition(FichierLea, LigneDePosition(1));
        connecte("Martin", Lea);
        const QString fois = joueTest();
        QVERIFY2(fois.count(u("×")) == fois.size(), qPrintable(fois));
        QTRY_VERIFY(ecran(Ecrans::Role::ChoixOperateur)->isVisible());
        quitteVersIdentification();
        QVERIFY(Messages::recueille().isEmpty());

        QCOMPARE(octetsDe(ProfilLea).count(cp1252("[Type exercice]     test de départ\r\n")), 2);
        const QStringList lignes = python({"-c", R"(
import sqlite3, sys, openpyxl
c = sqlite3.connect(sys.argv[1] + ".sqlite")
print("|".join(t for (t,) in c.execute("select Type_exercice from classe_de_Martin order by Id"))[-29:])
f = openpyxl.load_workbook(sys.argv[1] + ".xlsx")[sys.argv[2]]
print("|".join(str(c.value) for c in f[8][1:])[-29:])
j = sqlite3.connect(sys.argv[3])
print("".join(str(t) + "+-x/"[o] for (t, o) in j.execute("select type_exercice, operation from journal_questions order by moment")))
)",
                                           Classe + "profil_des_eleves_de_Martin", u("Léa_en_classe_de_ce1"),
                                           Classe + "journal_des_reponses_de_Martin.sqlite"})
                                       .split('\n');
        QCOMPARE(lignes.value(0), u("test de départ|test de départ"));
        QCOMPARE(lignes.value(1), u("test de départ|test de départ"));
        QVERIFY2(lignes.value(2).endsWith(QString("6+").repeated(plus.size()) + QString("6x").repeated(fois.size())),
                 qPrintable(lignes.value(2)));
    }
};

MARIVELLE_QTEST_MAIN(ParcoursTest)
#include "parcours_qtest.moc"
