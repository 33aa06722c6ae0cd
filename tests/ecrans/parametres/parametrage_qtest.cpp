// The teacher's settings screen driven as a teacher would: the guided steps, the refusals, the
// defined exercises, the files written for pupils and for the teacher.
#include "DossierTemporaire.h"
#include "Pilote.h"
#include "TestEcran.h"
#include "ecrans/commun/Affichage.h"
#include "logique/base/Cp1252.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "logique/parametres/ExercicesDefinis.h"
#include "logique/parametres/ParameterFiles.h"
#include "ecrans/parametres/TParametrage.h"
#include "logique/sons/ReglagesClasse.h"
#include "EnregistreurSons.h"
#include "Recouvrements.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionViewItem>
#include <QHelpEvent>
#include <QToolTip>
#include <memory>

namespace {
const QString Classe = u("classe de Martin/");
const QString ListeEleves = Classe + "classe_Martin.txt";
const QString FichierMartin = Classe + "enseignant_parametrage_Martin.txt";
const QString Lea = u("Léa en classe de ce1");
const QString Tom = u("Tom en classe de ce2");
// The block of the exercises these tests define, from the writer whose bytes
// tests/logique/parametres/parameter_files_test.cpp checks: kind 1, the table of 2 with multiplication, no
// time, the given number of questions, constellations, no strip.
QString bloc(int questions) {
    return BlocExercice({.tables = {EntreeTable::table(2, 1, 10, 2)}, .NombreDeQuestions = questions});
}
QByteArray octets(const QString& texte) { return Cp1252::encode(texte + "\r\n").value(); }
}  // namespace

class ParametrageTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier;
    std::unique_ptr<TParametrage> ecran;
    QWidget identification;

    template <typename T = QWidget>
    T* w(const QString& nom) {
        return Pilote::controle<T>(ecran.get(), nom);
    }
    void clique(const QString& nom) { Pilote::coche(w<QAbstractButton>(nom)); }
    void tape(const QString& nom, const QString& texte) { Pilote::tape(w<QLineEdit>(nom), texte); }
    void spin(const QString& nom, int valeur) { Pilote::regle(w<QSpinBox>(nom), valeur); }
    // Clicks an entry and ticks or unticks it with the space bar.
    void basculeEntree(const QString& liste, const QString& texte) {
        auto* l = w<QListWidget>(liste);
        QVERIFY2(Pilote::clique(l, texte), qPrintable(texte));
        QTest::keyClick(l, Qt::Key_Space);
    }
    QStringList coches(const QString& liste) {
        QStringList t;
        auto* l = w<QListWidget>(liste);
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->checkState() == Qt::Checked) t << l->item(i)->text();
        return t;
    }
    bool utilisable(const QString& nom) { return w(nom)->isEnabled(); }
    QStringList utilisables(const QStringList& noms) {
        QStringList t;
        for (const QString& n : noms)
            if (utilisable(n)) t << n;
        return t;
    }

    void ouvre() {
        Etat().RepertoireClasse = Classe;
        ecran->hide();
        ecran->recoitEnseignant(ExercicesEnseignant::lit(FichierMartin), ListeEleves);
        ecran->show();
        QVERIFY(QTest::qWaitForWindowExposed(ecran.get(), BorneAttenteMs));
        Messages::recueille();
    }
    // Table choices up to ">>": the operation and the [1..10] numbers.
    void ajouteTables(const QString& operation, const QList<int>& numeros) {
        clique(operation);
        clique("TablePrecise");
        for (int n : numeros) basculeEntree("ListeTable1", QString::number(n));
        clique("Ajouter_Button1");
    }
    // "Table de n sur [a..b]" typed into emptied fields, then ">>".
    void ajouteIntervalle(const QString& n, const QString& a, const QString& b) {
        clique("TableIntervalle");
        for (const auto& [champ, texte] : {std::pair{"NumTable_Edit", n}, {"Table_Edit1", a}, {"Table_Edit2", b}}) {
            w<QLineEdit>(champ)->clear();
            tape(champ, texte);
        }
        clique("Ajouter_Button1");
    }
    // Kind 1, the table of 2 with multiplication, `questions` questions, added to the list.
    void definitExercice(int questions) {
        clique("Type1");
        if (w<QListWidget>("ListeTable2")->count() == 2) ajouteTables("Operation2", {2});
        spin("NbreQuestion", questions);
        clique("Enregistrer");
    }

protected:
    void avantChaqueTest() override {
        Ecrans::enregistre(Ecrans::Role::SaisieIdentifiant, &identification);
        Affichage::fixeTaille(QSize(1024, 768));
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        dossier = std::make_unique<DossierTemporaire>();
        QDir().mkdir("classe de Martin");
        ecritOctets(ListeEleves, cp1252("--------------Fichier de la classe de Martin--------------\r\n"
                                        "Léa en classe de ce1\r\nTom en classe de ce2\r\n"));
        Etat().EnseignantParametrage = "Martin";
        ecran = std::make_unique<TParametrage>();
        ouvre();
    }
    void apresChaqueTest() override {
        QCOMPARE(Messages::recueille(), QStringList());  // no box left unchecked
        ecran.reset();
        dossier.reset();
    }

private slots:
    void initTestCase() { Polices::installe(); }

    // The hint shown for a control under the mouse, as the screen answers it.
    QString bulle(const QString& nom) {
        QWidget* c = w(nom);
        const QPoint centre = c->rect().center();
        QHelpEvent aide(QEvent::ToolTip, centre, c->mapToGlobal(centre));
        QApplication::sendEvent(c, &aide);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    QString consigne() { return w<QLabel>("Guidage_Ligne")->text(); }

    void lesEtapesGuideesOuvrentLePanneauPasAPas() {
        // The guidance line and the greyed controls' hints say what to do first (their wording at
        // each step is the guidance's, parametrage_test.cpp): the hint is put before a control's own.
        QVERIFY(consigne().startsWith(u("Étape 1 sur 4 : choisissez le type d'exercice.")));
        QCOMPARE(bulle("Option0"), u("Grisé : choisissez d'abord le type d'exercice.\nLa sélection de la table de x sur "
                                     "l'intervalle [1..10]\nentraine x systématiquement dans l'opérande gauche."));
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(bulle("Type1"), QString());
        const QStringList tous{
            "Type1",           "Option0",     "Operation0",         "TablePrecise",       "ListeTable1",        "NumTable_Edit",
            "Ajouter_Button1", "ListeTable2", "Temps_RadioButton1", "Temps_RadioButton2", "Temps_RadioButton3", "NbreQuestion",
            "Aide1",           "BandeNum",    "Enregistrer"};
        QCOMPARE(utilisables(tous), QStringList{"Type1"});
        QCOMPARE(coches("ListeTable2"), QStringList{});
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeTable2")), (QStringList{u("Doubles / carrés"), "Successeurs"}));
        QVERIFY(w<QRadioButton>("Aide2")->isChecked() && w<QRadioButton>("Temps_RadioButton1")->isChecked());
        QCOMPARE(w<QSpinBox>("NbreQuestion")->value(), 10);

        clique("Type1");
        QCOMPARE(utilisables(tous), (QStringList{"Type1", "Option0", "Operation0"}));
        QVERIFY(consigne().startsWith(u("Étape 2 sur 4")));
        clique("Operation2");
        QCOMPARE(bulle("Enregistrer"), u("Grisé : s'ouvre dès qu'une première table est ajoutée avec « >> ».\n"
                                         "Enregistrer les paramètres de cet exercice."));
        QCOMPARE(utilisables(tous), (QStringList{"Type1", "Option0", "Operation0", "TablePrecise", "NumTable_Edit",
                                                 "Ajouter_Button1", "ListeTable2"}));
        clique("TablePrecise");
        QVERIFY(utilisable("ListeTable1") && utilisable("CocheDecoche1"));
        // A ">>" that adds nothing keeps the guidance.
        clique("Ajouter_Button1");
        QCOMPARE(Messages::recueille(), QStringList{"Vous devez cocher des tables"});
        QVERIFY(!utilisable("Temps_RadioButton1"));
        // A new kind greys the numbers again until "Tables sur l'intervalle [1..10]" is clicked.
        clique("Type2");
        clique("Operation2");
        QVERIFY(utilisable("Ajouter_Button1") && !utilisable("ListeTable1") && !utilisable("CocheDecoche1"));
        clique("TablePrecise");
        basculeEntree("ListeTable1", "4");
        // The reason shown for a greyed button gives way to its own hint as soon as it opens.
        QVERIFY(bulle("Enregistrer").startsWith(u("Grisé")));
        w<QPushButton>("Ajouter_Button1")->click();
        QCOMPARE(QToolTip::text(), u("Enregistrer les paramètres de cet exercice."));
        QCOMPARE(utilisables(tous), tous);

        // Kinds 3 and 4 never offer the sharks, the help radios or the strip; they grey them and
        // keep them: the sharks' 15 s become exercise 3's pirate, kind 2 finds them as they were.
        clique("Temps_RadioButton3");
        spin("Temps_SpinEdit2", 15);
        clique("BandeNum");
        for (const char* type : {"Type4", "Type3"}) {
            clique(type);
            QCOMPARE(utilisables({"Temps_RadioButton2", "Temps_RadioButton3", "Temps_SpinEdit2", "Aide1", "Aide2", "Aide3",
                                  "BandeNum", "BandeNum_SpinEdit1", "NbreQuestion"}),
                     (QStringList{"Temps_RadioButton2", "NbreQuestion"}));
            QVERIFY(w<QRadioButton>("Temps_RadioButton3")->isChecked() && w<QCheckBox>("BandeNum")->isChecked());
        }
        clique("Enregistrer");
        QVERIFY(ecran->exercicesDefinis().contenus.value(0).contains("15 - secondes pour que les bulles montent"));
        clique("Type2");
        QVERIFY(utilisable("Temps_RadioButton3") && utilisable("Aide1") && utilisable("BandeNum"));
        QVERIFY(w<QRadioButton>("Temps_RadioButton3")->isChecked() && w<QCheckBox>("BandeNum")->isChecked());
    }

    // On the design display and the common classroom ones: every caption is shown whole, every
    // control lies inside its frame and its group's rows under the title, radio and check box
    // texts end clear of the frame with indicators grown with the text, the ten numbers are in
    // view, the defined exercises show their whole caption, the guidance is in the screen's type
    // and no control lies over another (the note on a missing voice shown).
    void riennEstCoupeATouteTaille() {
        QStringList coupes;
        for (const QSize& taille : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            const QString ici = QStringLiteral("%1x%2").arg(taille.width()).arg(taille.height());
            ecran.reset();
            Affichage::fixeTaille(taille);
            ecran = std::make_unique<TParametrage>();
            ouvre();
            clique("Type1");
            ajouteTables("Operation2", {3, 4, 5, 6, 7});
            clique("Enregistrer");
            clique("Enregistrer");
            for (QWidget* c : ecran->findChildren<QWidget*>()) {
                if (c->isWindow() || !c->parentWidget() || c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
                    continue;
                const QString ou = c->objectName() + " on " + ici;
                if (!c->parentWidget()->rect().contains(c->geometry())) coupes << ou + " outside";
                if (auto* g = qobject_cast<QGroupBox*>(c->parentWidget());
                    g && (c->y() < g->contentsRect().top() || c->geometry().bottom() > g->contentsRect().bottom()))
                    coupes << ou + " under the title";
                // Push buttons: their caption with a margin (their size hint has a minimum width of its own).
                const int besoin = qobject_cast<QPushButton*>(c)
                                       ? QFontMetrics(c->font()).horizontalAdvance(static_cast<QPushButton*>(c)->text()) + 16
                                   : (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLabel*>(c)) ? c->sizeHint().width()
                                                                                                     : 0;
                if (besoin > c->width()) coupes << ou + QStringLiteral(" %1 > %2").arg(besoin).arg(c->width());
                if (auto* g = qobject_cast<QGroupBox*>(c);
                    g && QFontMetrics(g->font()).horizontalAdvance(g->title()) + 24 > g->width())
                    coupes << ou + " title";
                auto* b = qobject_cast<QAbstractButton*>(c);
                if (!qobject_cast<QRadioButton*>(c) && !qobject_cast<QCheckBox*>(c)) continue;
                const int h = b->fontMetrics().height();
                const int indicateur = b->style()->pixelMetric(
                    qobject_cast<QRadioButton*>(b) ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, b);
                if (b->x() + b->sizeHint().width() > b->parentWidget()->contentsRect().right() - h / 4 + 1 || h > b->height() ||
                    indicateur < h * 6 / 10)
                    coupes << ou + " box";
            }
            auto* nombres = w<QListWidget>("ListeTable1");
            if (!nombres->viewport()->rect().contains(nombres->visualItemRect(nombres->item(9))))
                coupes << "10 of ListeTable1 on " + ici;
            auto* sequence = w<QListWidget>("ListeSequence");
            const QRect ligne = sequence->visualItemRect(sequence->item(1));
            QApplication::processEvents();
            QVERIFY2(sequence->visualItemRect(sequence->item(1)).width() <= sequence->viewport()->width(), qPrintable(ici));
            // Longer than the list is wide: wrapped onto further lines, not cut.
            QVERIFY2(sequence->fontMetrics().horizontalAdvance(sequence->item(1)->text()) > sequence->viewport()->width(),
                     qPrintable(ici));
            QVERIFY2(ligne.height() >= 2 * sequence->fontMetrics().height(), qPrintable(ici));
            QCOMPARE(sequence->item(1)->toolTip(), sequence->item(1)->text());
            const auto* guidage = w<QLabel>("Guidage_Ligne");
            QVERIFY2(guidage->heightForWidth(guidage->contentsRect().width()) <= guidage->height(), qPrintable(ici));
            QVERIFY2(QFontInfo(guidage->font()).pixelSize() >= QFontInfo(ecran->font()).pixelSize(), qPrintable(ici));
            w("VoixIndisponible")->show();
            for (const QString& r : recouvrements(ecran.get())) coupes << r + " on " + ici;
        }
        QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(", ")));
    }

    void chaqueRefusDitPourquoi() {
        clique("Type1");
        clique("Operation0");
        struct Cas {
            QString n, a, b;
            QString message;
        };
        const QList<Cas> cas{
            {"", "1", "5", "Vous devez préciser une table"},
            {"3", "", "5", "Vous devez préciser l'intervalle gauche"},
            {"3", "1", "", "Vous devez préciser l'intervalle droit"},
            {"3", "1", "x", "Vous ne pouvez rentrer que des nombres relatifs"},
            {"3", "6", "5", u("L'intervalle doit être écrit dans l'ordre croissant")},
            {"trois", "1", "5", "Vous ne pouvez rentrer que des nombres relatifs"},
        };
        for (const Cas& c : cas) {
            ajouteIntervalle(c.n, c.a, c.b);
            QCOMPARE(Messages::recueille(), QStringList{c.message});
        }
        QCOMPARE(w<QListWidget>("ListeTable2")->count(), 2);
        clique("Complement");
        clique("Ajouter_Button1");
        QCOMPARE(Messages::recueille(), QStringList{u("Vous devez préciser un complément")});
        tape("Complement_Edit", "dix");
        clique("Ajouter_Button1");
        QCOMPARE(Messages::recueille(), QStringList{"Vous ne pouvez rentrer que des nombres relatifs"});
        QCOMPARE(w<QListWidget>("ListeTable2")->count(), 2);

        // Equal bounds are a table of its own.
        ajouteIntervalle("3", "4", "4");
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeTable2")).value(2), "(+) table de 3 sur [4..4]");

        // Adding the exercise: no checked table, then no kind, then the two notices.
        basculeEntree("ListeTable2", "(+) table de 3 sur [4..4]");
        clique("Enregistrer");
        QCOMPARE(Messages::recueille(), QStringList{u("Vous devez préciser les tables")});
        // "Initialisation" once the guidance is over: no kind, no operation, every area still open.
        clique("Initialisation");
        clique("Ajouter_Button1");
        QCOMPARE(Messages::recueille(), QStringList{u("Vous devez préciser une opération")});
        clique("Operation1");
        ajouteIntervalle("3", "4", "4");
        clique("Enregistrer");
        QCOMPARE(Messages::recueille(), QStringList{u("Vous devez préciser un exercice")});
        clique("Type2");
        for (const char* option : {"Option0", "Option1", "Option2"}) clique(option);
        clique("Enregistrer");
        QCOMPARE(Messages::recueille(),
                 (QStringList{u("L'option plus grande opérande à gauche ne sera pas prise en compte car vous avez "
                                "sélectionné les tables dans l'ordre."),
                              u("L'option plus grande opérande à gauche ne sera pas prise en compte car vous avez "
                                "sélectionné la possibilité d'avoir des nombres négatifs")}));
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeSequence")), QStringList{"Exercice 1=>(-) table de 3 sur [4..4], "});
    }

    void lesTablesCocheesArriventDansLOrdre() {
        clique("Type1");
        ajouteTables("Operation2", {6, 5});
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeTable2")).mid(2),
                 (QStringList{"(x) table de 5 sur [1..10]", "(x) table de 6 sur [1..10]"}));
        clique("Enregistrer");
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeSequence")),
                 QStringList{"Exercice 1=>(x) table de 5 sur [1..10], (x) table de 6 sur [1..10], "});
        // Removing entries afterwards leaves the defined exercise as it was; the fixed entries stay.
        for (const QString& entree : {QString("(x) table de 5 sur [1..10]"), QString("(x) table de 6 sur [1..10]"),
                                      QString("Successeurs"), u("Doubles / carrés")}) {
            QVERIFY(Pilote::clique(w<QListWidget>("ListeTable2"), entree));
            QTest::keyClick(w<QListWidget>("ListeTable2"), Qt::Key_Delete);
        }
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeTable2")), (QStringList{u("Doubles / carrés"), "Successeurs"}));
        QVERIFY(ecran->exercicesDefinis().contenus.value(0).contains("5 sur l'intervalle de 1 à 10"));
        // "Tout cocher/décocher" gives the ten tables.
        clique("CocheDecoche1");
        clique("Ajouter_Button1");
        QCOMPARE(w<QListWidget>("ListeTable2")->count(), 12);
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeTable2")).last(), "(x) table de 10 sur [1..10]");
    }

    void unCinquanteEtUniemeExerciceEstRefuse() {
        for (int k = 1; k <= 50; ++k) definitExercice(k);
        QCOMPARE(w<QListWidget>("ListeSequence")->count(), 50);
        clique("Enregistrer");
        QCOMPARE(w<QListWidget>("ListeSequence")->count(), 50);
        const QStringList m = Messages::recueille();
        QCOMPARE(m.size(), 1);
        QVERIFY(m.first().contains("50 exercices au plus"));
    }

    void lesElevesCochesRecoiventLaSequence() {
        QCOMPARE(Pilote::textes(w<QListWidget>("Eleve")), (QStringList{u("Paramétrage par défaut"), Lea, Tom}));
        QCOMPARE(coches("Eleve"), (QStringList{Lea, Tom}));
        clique("Associe");
        QCOMPARE(Messages::recueille(), QStringList{u("Vous devez préciser des séquences")});
        for (int k = 1; k <= 5; ++k) definitExercice(k);
        basculeEntree("ListeSequence", "Exercice 2=>(x) table de 2 sur [1..10], ");
        basculeEntree("ListeSequence", "Exercice 4=>(x) table de 2 sur [1..10], ");
        clique("OptionSequence2");
        clique("Retroaction1");
        clique("Associe");
        QCOMPARE(Messages::recueille(), QStringList{"Tout est ok"});
        // The screen passes the odd exercises and the two codes chosen below (the writer's bytes are
        // checked with it).
        for (const QString& eleve : {Lea, Tom})
            QCOMPARE(octetsDe(Classe + u("parametrage_") + eleve + "_de_Martin.txt"),
                     octets(TexteParameterFileDeBlocs("Martin", eleve, {bloc(1), bloc(3), bloc(5)}, 2, 1)));
        QVERIFY(!QFile::exists("Parametrage_par_defaut.txt"));

        // Assigning again puts the pupil back at the first exercise; the default file goes to the
        // working folder after its message.
        const QString fichierLea = Classe + u("parametrage_") + Lea + "_de_Martin.txt";
        ecritOctets(fichierLea, octetsDe(fichierLea).replace("\r\n(1)\r\n", "\r\n(3)\r\n"));
        basculeEntree("Eleve", Tom);
        basculeEntree("Eleve", u("Paramétrage par défaut"));
        clique("Associe");
        QCOMPARE(Messages::recueille(),
                 (QStringList{u("Vous avez sélectionné paramétrage par défaut.\nRien en sera pris en compte à part les tables."),
                              "Tout est ok"}));
        QCOMPARE(FichierTexte::litLignes(fichierLea).value(4), "(1)");
        QCOMPARE(FichierTexte::litLignes("Parametrage_par_defaut.txt").value(1),
                 u("Fichier de paramétrage fait par Martin pour le fichier de paramétrage par défaut"));

        for (const QString& eleve : {u("Paramétrage par défaut"), Lea}) basculeEntree("Eleve", eleve);
        clique("Associe");
        QCOMPARE(Messages::recueille(), QStringList{u("Vous devez préciser des noms d'élèves")});
        QVERIFY(ecran->isVisible());
    }

    void unFichierQuiNePeutEtreEcritEstNommeEtRienNEstPerdu() {
        definitExercice(3);
        // A folder where Léa's file should be: that file cannot be written, Tom's still is.
        QDir().mkdir(Classe + u("parametrage_") + Lea + "_de_Martin.txt");
        clique("Associe");
        const QStringList m = Messages::recueille();
        QCOMPARE(m.size(), 1);
        QVERIFY2(m.first().contains(u("parametrage_Léa en classe de ce1_de_Martin.txt")), qPrintable(m.first()));
        QVERIFY(m.first().contains(u("Les autres fichiers ont bien été écrits.")));
        QVERIFY(QFile::exists(Classe + u("parametrage_") + Tom + "_de_Martin.txt"));

        QDir().mkdir(FichierMartin);
        clique("EnregistrerQuitter");
        QVERIFY(Messages::recueille().value(0).contains("enseignant_parametrage_Martin.txt"));
        QVERIFY(ecran->isVisible());
        QCOMPARE(Etat().RepertoireClasse, Classe);
        QCOMPARE(w<QListWidget>("ListeSequence")->count(), 1);
    }

    // The class's sound and voice: saved at the click, shown again on opening; a machine without
    // a French voice is told under the voice's box, only while it is ticked.
    void lesSonsEtLaVoixDeLaClasse() {
        QStringList entendu;
        auto sortie = std::make_unique<EnregistreurSons>(entendu);
        sortie->voix = false;
        Sons::installeSortie(std::move(sortie));
        auto* indisponible = w<QLabel>("VoixIndisponible");
        QVERIFY(!w<QCheckBox>("Sons")->isChecked() && !w<QCheckBox>("LectureVoixHaute")->isChecked());
        clique("Sons");
        QCOMPARE(ReglagesClasse::lit(Classe), (Sons::Reglages{true, false}));
        clique("LectureVoixHaute");
        QCOMPARE(ReglagesClasse::lit(Classe), (Sons::Reglages{true, true}));
        QTRY_VERIFY(indisponible->isVisible());
        QCOMPARE(indisponible->text(),
                 QStringLiteral("Aucune voix française n'est installée sur cet ordinateur : rien ne sera lu à voix haute."));
        clique("Sons");
        ouvre();
        QVERIFY(!w<QCheckBox>("Sons")->isChecked() && w<QCheckBox>("LectureVoixHaute")->isChecked());
        QTRY_VERIFY(indisponible->isVisible());
        clique("LectureVoixHaute");
        QVERIFY(!indisponible->isVisible());
        QCOMPARE(ReglagesClasse::lit(Classe), Sons::Reglages{});
        QVERIFY(entendu.isEmpty());
    }

    void lEnregistrementGardeLesProfilsChoisis() {
        clique("EnregistrerQuitter");
        QCOMPARE(Messages::recueille(),
                 QStringList{u("Vous devez préciser des séquences pour enregistrer les paramètres de l'enseignant.")});
        QVERIFY(ecran->isVisible());
        definitExercice(4);
        definitExercice(6);
        basculeEntree("ListeSequence", "Exercice 1=>(x) table de 2 sur [1..10], ");
        clique("Profil_BaseDonnees");
        // Ticking and unticking an exercise by its box keeps the choices made below.
        auto* sequence = w<QListWidget>("ListeSequence");
        QStyleOptionViewItem option;
        option.initFrom(sequence);
        option.rect = sequence->visualItemRect(sequence->item(1));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QPoint caseACocher =
            sequence->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, sequence).center();
        for (const Qt::CheckState apres : {Qt::Unchecked, Qt::Checked}) {
            QTest::mouseClick(sequence->viewport(), Qt::LeftButton, {}, caseACocher);
            QCOMPARE(sequence->item(1)->checkState(), apres);
        }
        QVERIFY(w<QCheckBox>("Profil_BaseDonnees")->isChecked());
        clique("EnregistrerQuitter");
        QVERIFY(!ecran->isVisible());
        QVERIFY(Etat().RepertoireClasse.isEmpty());
        QCOMPARE(octetsDe(FichierMartin),
                 octets(TexteTeacherParameterFileDeBlocs("Martin", {"Exercice 2=>(x) table de 2 sur [1..10], "}, {bloc(6)}, true,
                                                         false, true)));

        ouvre();
        QVERIFY(w<QCheckBox>("Profil_BaseDonnees")->isChecked() && w<QCheckBox>("Profil_Texte")->isChecked());
        QVERIFY(!w<QCheckBox>("Profil_Tableur")->isChecked());
        QCOMPARE(coches("ListeSequence"), QStringList{"Exercice 2=>(x) table de 2 sur [1..10], "});
        QVERIFY(ecran->exercicesDefinis().contenus.value(0).startsWith("[Exercice]\r\n"));
        // The next exercise follows the count of those loaded.
        definitExercice(7);
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeSequence")).value(1), "Exercice 2=>(x) table de 2 sur [1..10], ");

        // Clicking a defined exercise loads it and puts the lower panel's choices back to their defaults.
        clique("OptionSequence1");
        QVERIFY(Pilote::clique(w<QListWidget>("ListeSequence"), "Exercice 2=>(x) table de 2 sur [1..10], "));
        QVERIFY(w<QRadioButton>("OptionSequence0")->isChecked());
        QVERIFY(w<QCheckBox>("Profil_Texte")->isChecked() && !w<QCheckBox>("Profil_BaseDonnees")->isChecked());
    }

    void unCycleEnregistrerRechargerNeChangePasLeFichier() {
        clique("Type2");
        clique("Operation3");
        clique("Complement");
        tape("Complement_Edit", "-7");
        clique("Ajouter_Button1");
        ajouteIntervalle("-5", "-30", "-2");
        clique("Temps_RadioButton3");
        spin("Temps_SpinEdit2", 25);
        clique("Aide1");
        clique("BandeNum");
        spin("BandeNum_SpinEdit1", 39);
        basculeEntree("ListeTable2", "Successeurs");
        clique("Enregistrer");
        // The review: no table of its own, its cases left out; time, questions, help and strip
        // as for exercise 1. Its block as written by hand.
        clique("Type5");
        for (const QString& entree : {u("(/) compléments à -7"), QString("(/) table de -5 sur [-30..-2]")})
            basculeEntree("ListeTable2", entree);
        clique("Temps_RadioButton2");
        spin("Temps_SpinEdit1", 12);
        spin("NbreQuestion", 6);
        clique("Aide3");
        spin("BandeNum_SpinEdit1", 19);
        clique("Enregistrer");
        QCOMPARE(ecran->exercicesDefinis().contenus.value(1),
                 u("[Exercice]\r\n5 - révision des faits à revoir\r\n\r\n[Tables]\r\n\r\n[Cas particuliers]\r\n2 - aucun\r\n\r\n"
                   "[Options particulières]\r\n3 - aucune\r\n\r\n[Temps de réponse (en secondes)] \r\n"
                   "oui - on met le temps avec le pirate\r\n12 - secondes pour que le pirate descende\r\n\r\n"
                   "[Nombre de questions posées par exercice] \r\n6 - questions\r\n\r\n[Aide]\r\n2 - non\r\n\r\n"
                   "[Bande numérique] \r\n1 - de 0 à 19"));
        for (const QString& entree : {u("(/) compléments à -7"), QString("(/) table de -5 sur [-30..-2]")})
            basculeEntree("ListeTable2", entree);
        definitExercice(8);
        clique("EnregistrerQuitter");
        const QByteArray premier = octetsDe(FichierMartin);
        for (int tour = 0; tour < 2; ++tour) {
            ouvre();
            clique("EnregistrerQuitter");
            QCOMPARE(octetsDe(FichierMartin), premier);
        }

        // Negative numbers come back exactly, with the rest of the exercise.
        ouvre();
        QVERIFY(Pilote::clique(w<QListWidget>("ListeSequence"), w<QListWidget>("ListeSequence")->item(0)->text()));
        QCOMPARE(Pilote::textes(w<QListWidget>("ListeTable2")),
                 (QStringList{u("Doubles / carrés"), "Successeurs", u("(/) compléments à -7"), "(/) table de -5 sur [-30..-2]"}));
        QCOMPARE(coches("ListeTable2"), Pilote::textes(w<QListWidget>("ListeTable2")).mid(1));
        QVERIFY(w<QRadioButton>("Type2")->isChecked() && w<QRadioButton>("Temps_RadioButton3")->isChecked());
        QCOMPARE(w<QSpinBox>("Temps_SpinEdit2")->value(), 25);
        QVERIFY(w<QRadioButton>("Aide1")->isChecked() && w<QCheckBox>("BandeNum")->isChecked());
        QCOMPARE(w<QSpinBox>("BandeNum_SpinEdit1")->value(), 39);
        QCOMPARE(utilisables({"Temps_RadioButton2", "ListeTable1", "Enregistrer"}),
                 (QStringList{"Temps_RadioButton2", "ListeTable1", "Enregistrer"}));
        // Adding it again appends a new exercise with the same block; the review's too.
        clique("Enregistrer");
        QCOMPARE(ecran->exercicesDefinis().contenus.value(3), ecran->exercicesDefinis().contenus.value(0));
        QVERIFY(Pilote::clique(w<QListWidget>("ListeSequence"), w<QListWidget>("ListeSequence")->item(1)->text()));
        QVERIFY(w<QRadioButton>("Type5")->isChecked() && w<QRadioButton>("Temps_RadioButton2")->isChecked());
        clique("Enregistrer");
        QCOMPARE(ecran->exercicesDefinis().contenus.value(4), ecran->exercicesDefinis().contenus.value(1));
    }

    // The starting test takes its operations only, each added with ">>" as its ten tables; its
    // block, as written by hand, goes to the pupils, and comes back from the teacher's file whole.
    void unTestDeDepartSEcritEtSeRelitALOctetPres() {
        for (const char* choix : {"Type1", "Operation1", "Type6"}) clique(choix);
        QCOMPARE(utilisables({"Option0", "Operation0", "Operation1", "Operation2", "Operation3", "TablePrecise", "ListeTable1",
                              "NumTable_Edit", "Ajouter_Button1", "ListeTable2", "Temps_RadioButton1", "NbreQuestion", "Aide1",
                              "BandeNum", "Enregistrer"}),
                 (QStringList{"Operation0", "Operation2", "Ajouter_Button1", "ListeTable2", "Enregistrer"}));
        QCOMPARE(bulle("Operation3"), u("Grisé : le test de départ porte sur les additions et les multiplications."));
        clique("Ajouter_Button1");
        QCOMPARE(Messages::recueille(), QStringList{u("Vous devez préciser une opération")});
        for (const char* operation : {"Operation2", "Operation0"}) {
            clique(operation);
            clique("Ajouter_Button1");
        }
        clique("Enregistrer");
        QString bloc = u("[Exercice]\r\n6 - test de départ\r\n\r\n[Tables]\r\n");
        for (const char* operation : {"addition", "multiplication"})
            for (int n = 1; n <= 10; ++n) bloc += u("%1 sur l'intervalle de 1 à 10 avec %2 -\r\n").arg(n).arg(operation);
        bloc += u(
            "\r\n[Cas particuliers]\r\n2 - aucun\r\n\r\n[Options particulières]\r\n3 - aucune\r\n\r\n"
            "[Temps de réponse (en secondes)] \r\nnon - on ne verra pas apparaitre le pirate\r\n0 - aucun temps fixé\r\n\r\n"
            "[Nombre de questions posées par exercice] \r\n30 - questions\r\n\r\n[Aide]\r\n2 - non\r\n\r\n"
            "[Bande numérique] \r\n10 - aucune");
        QCOMPARE(ecran->exercicesDefinis().contenus, QStringList{bloc});
        const QString libelle = u("Exercice 1=>test de départ des additions et des multiplications, ");
        QCOMPARE(ecran->exercicesDefinis().libelles, QStringList{libelle});
        basculeEntree("Eleve", Tom);
        clique("Associe");
        QCOMPARE(Messages::recueille(), QStringList{"Tout est ok"});
        QCOMPARE(octetsDe(Classe + u("parametrage_") + Lea + "_de_Martin.txt"),
                 octets(TexteParameterFileDeBlocs("Martin", Lea, {bloc}, 0, 0)));
        clique("EnregistrerQuitter");
        ouvre();
        QVERIFY(Pilote::clique(w<QListWidget>("ListeSequence"), libelle));
        QVERIFY(w<QRadioButton>("Type6")->isChecked() && !utilisable("NbreQuestion"));
        clique("Enregistrer");
        QCOMPARE(ecran->exercicesDefinis().contenus, (QStringList{bloc, bloc}));
    }

    void supprimerPuisAjouterPeutRepeterUnNumero() {
        for (int k = 1; k <= 3; ++k) definitExercice(k);
        QVERIFY(Pilote::clique(w<QListWidget>("ListeSequence"), "Exercice 2=>(x) table de 2 sur [1..10], "));
        QTest::keyClick(w<QListWidget>("ListeSequence"), Qt::Key_Delete);
        definitExercice(9);
        QStringList numeros;
        for (const QString& t : Pilote::textes(w<QListWidget>("ListeSequence"))) numeros << t.section("=>", 0, 0);
        QCOMPARE(numeros, (QStringList{"Exercice 1", "Exercice 3", "Exercice 3"}));
        QCOMPARE(ecran->exercicesDefinis().contenus.value(1), bloc(3));
    }

    void initialisationPuisAnnulerLaisseSansFichier() {
        definitExercice(2);
        clique("EnregistrerQuitter");
        QVERIFY(QFile::exists(FichierMartin));
        ouvre();
        QCOMPARE(w<QListWidget>("ListeSequence")->count(), 1);
        clique("Type1");
        clique("Initialisation");
        QVERIFY(!QFile::exists(FichierMartin));
        QCOMPARE(w<QListWidget>("ListeSequence")->count(), 0);
        // The values go back, the guidance stays where it was.
        QVERIFY(!w<QRadioButton>("Type1")->isChecked());
        QCOMPARE(utilisables({"Type1", "Operation0", "TablePrecise"}), (QStringList{"Type1", "Operation0"}));
        clique("Annuler");
        QVERIFY(!ecran->isVisible());
        QVERIFY(!QFile::exists(FichierMartin));
    }

    void sansListeDElevesLaListeEstVide() {
        QFile::remove(ListeEleves);
        ouvre();
        QCOMPARE(w<QListWidget>("Eleve")->count(), 0);
    }
};

MARIVELLE_QTEST_MAIN(ParametrageTest)
#include "parametrage_qtest.moc"
