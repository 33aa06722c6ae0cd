// The pupils' adjustments panel driven as a teacher would, from the settings screen's button: the
// keyboard alone, several pupils that differ, "Annuler", the notes on a damaged file and a font
// missing, and the panel at the four display sizes.
#include "DossierTemporaire.h"
#include "Pilote.h"
#include "Recouvrements.h"
#include "TestEcran.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/parametres/DialogueAmenagements.h"
#include "ecrans/parametres/TParametrage.h"
#include "logique/base/Messages.h"
#include "logique/etat/SharedState.h"
#include "logique/parametres/ExercicesDefinis.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <memory>

namespace {
const QString Classe = u("classe de Martin/");
const QString Lea = u("Léa en classe de ce1");
const QString Tom = u("Tom en classe de ce2");
const QString FichierLea = Classe + u("amenagement_Léa en classe de ce1_de_Martin.txt");
const QString FichierTom = Classe + u("amenagement_Tom en classe de ce2_de_Martin.txt");
using Temps = Amenagements::Temps;
using Police = Amenagements::Police;
}  // namespace

class AmenagementsTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier;
    std::unique_ptr<TParametrage> ecran;
    QWidget identification;

    template <typename T = QWidget>
    static T* w(QWidget* dans, const QString& nom) {
        return Pilote::controle<T>(dans, nom);
    }
    // A pupil's row made current by a click, ticked or unticked with the space bar.
    static void bascule(QWidget* panneau, const QString& eleve) {
        auto* l = w<QListWidget>(panneau, "Eleves");
        QVERIFY(Pilote::clique(l, eleve));
        QTest::keyClick(l, Qt::Key_Space);
    }
    // The settings screen made for a display size, open on Martin's class.
    void ouvre(QSize taille = QSize(1024, 768)) {
        ecran.reset();
        Affichage::fixeTaille(taille);
        ecran = std::make_unique<TParametrage>();
        Etat().RepertoireClasse = Classe;
        ecran->recoitEnseignant({}, Classe + "classe_Martin.txt");
        ecran->show();
        // Active before the panel opens: its activation never comes after the panel's.
        QTRY_VERIFY(ecran->isActiveWindow());
    }
    // Clicks the settings screen's button and runs `pas` in the panel while it is open; the panel
    // is closed afterwards whatever happened, so that a failed check never leaves it waiting.
    void dansLePanneau(const std::function<void(DialogueAmenagements*)>& pas) {
        bool ouvert = false;
        quandParait(this, "DialogueAmenagements", [&](QWidget* fenetre) {
            ouvert = true;
            auto* panneau = static_cast<DialogueAmenagements*>(fenetre);
            const auto ferme = qScopeGuard([panneau] {
                if (panneau->isVisible()) panneau->reject();
            });
            // The widgets' active window, which follows the system's one a few events later.
            QTRY_VERIFY(panneau->isActiveWindow());
            pas(panneau);
        });
        Pilote::coche(w<QPushButton>(ecran.get(), "AmenagementsEleves"));
        QVERIFY(ouvert);
    }

protected:
    void avantChaqueTest() override {
        Ecrans::enregistre(Ecrans::Role::SaisieIdentifiant, &identification);
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        dossier = std::make_unique<DossierTemporaire>();
        QDir().mkdir("classe de Martin");
        ecritOctets(Classe + "classe_Martin.txt", cp1252("--------------Fichier de la classe de Martin--------------\r\n"
                                                         "Léa en classe de ce1\r\nTom en classe de ce2\r\n"));
        Etat().EnseignantParametrage = "Martin";
        ouvre();
    }
    void apresChaqueTest() override {
        QCOMPARE(Messages::recueille(), QStringList());
        ecran.reset();
        dossier.reset();
    }

private slots:
    void initTestCase() { Polices::installe(); }

    // Space ticks the first two pupils, Alt+T reaches the time, the arrows choose "× 2", Enter is
    // "OK": both files are written whole, nothing else.
    void auClavierDeuxElevesOntLeTempsDouble() {
        dansLePanneau([](DialogueAmenagements* panneau) {
            QCOMPARE(QApplication::focusWidget(), w(panneau, "Eleves"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), w(panneau, "Temps"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(w<QComboBox>(panneau, "Temps")->currentText(), u("Temps × 2"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(!panneau->isVisible());
        });
        const QByteArray attendu = "temps=2\r\npolice=programme\r\ntaille=100\r\nespacement=non\r\ncontraste=non\r\nvoix=non\r\n"
                                   "questions=toutes\r\n";
        QCOMPARE(octetsDe(FichierLea), attendu);
        QCOMPARE(octetsDe(FichierTom), attendu);
        QCOMPARE(QDir("classe de Martin").entryList(QDir::Files).size(), 3);
    }

    void annulerNEcritRien() {
        dansLePanneau([](DialogueAmenagements* panneau) {
            QVERIFY(!w(panneau, "Temps")->isEnabled());
            bascule(panneau, Lea);
            QVERIFY(w(panneau, "Temps")->isEnabled());
            QVERIFY(Pilote::choisit(w<QComboBox>(panneau, "Temps"), u("Sans limite de temps")));
            for (const char* c : {"Espacement", "Contraste", "Voix", "MoinsDeQuestions"}) Pilote::coche(w<QCheckBox>(panneau, c));
            Pilote::coche(w<QPushButton>(panneau, "Annuler"));
            QVERIFY(!panneau->isVisible());
        });
        QCOMPARE(QDir("classe de Martin").entryList(QDir::Files), QStringList{"classe_Martin.txt"});
    }

    // Two pupils whose files differ: what they share is shown, the rest as different; "OK" writes
    // only what the teacher changed, each keeping their own time.
    void desElevesDifferentsNeRecoiventQueLeChangement() {
        ecritOctets(FichierLea, "temps=2\r\npolice=andika\r\nvoix=oui\r\n");
        ecritOctets(FichierTom, "temps=3\r\npolice=andika\r\n");
        dansLePanneau([](DialogueAmenagements* panneau) {
            Pilote::coche(w<QCheckBox>(panneau, "CocheDecocheEleves"));
            QCOMPARE(w<QComboBox>(panneau, "Temps")->currentText(), u("Différent selon les élèves"));
            QCOMPARE(w<QComboBox>(panneau, "Police")->currentText(), u("Andika"));
            QCOMPARE(w<QCheckBox>(panneau, "Voix")->checkState(), Qt::PartiallyChecked);
            QCOMPARE(w<QCheckBox>(panneau, "Contraste")->checkState(), Qt::Unchecked);
            bascule(panneau, Tom);
            QCOMPARE(w<QComboBox>(panneau, "Temps")->currentText(), u("Temps × 2"));
            QCOMPARE(Pilote::textes(w<QComboBox>(panneau, "Temps")).size(), 5);
            QCOMPARE(w<QCheckBox>(panneau, "Voix")->checkState(), Qt::Checked);
            bascule(panneau, Tom);
            Pilote::coche(w<QCheckBox>(panneau, "Voix"));
            QCOMPARE(w<QCheckBox>(panneau, "Voix")->checkState(), Qt::Checked);
            Pilote::coche(w<QCheckBox>(panneau, "Contraste"));
            QCOMPARE(w<QComboBox>(panneau, "Temps")->currentText(), u("Différent selon les élèves"));
            Pilote::coche(w<QPushButton>(panneau, "OK"));
        });
        QCOMPARE(FichierAmenagements::lit(Classe, Lea, "Martin").amenagements,
                 (Amenagements{.temps = Temps::Double, .police = Police::Andika, .contraste = true, .voix = true}));
        QCOMPARE(FichierAmenagements::lit(Classe, Tom, "Martin").amenagements,
                 (Amenagements{.temps = Temps::Triple, .police = Police::Andika, .contraste = true, .voix = true}));
    }

    // A damaged file's notes under the list while its pupil is ticked; a font the computer lacks
    // said under the font's list.
    void lesRemarquesEtUnePoliceAbsente() {
        QVERIFY(Polices::presente("Andika") && Polices::presente("opendyslexic"));
        QVERIFY(!Polices::presente(u("Police imaginaire")));
        ecritOctets(FichierLea, "temps=4\r\n");
        DialogueAmenagements panneau(ecran.get(), Classe, "Martin", {Lea, Tom},
                                     [](const QString& famille) { return famille != "OpenDyslexic"; });
        panneau.show();
        auto* remarques = w<QLabel>(&panneau, "Remarques");
        auto* absente = w<QLabel>(&panneau, "PoliceAbsente");
        QVERIFY(!remarques->isVisible() && !absente->isVisible());
        bascule(&panneau, Tom);
        QVERIFY(!remarques->isVisible());
        bascule(&panneau, Lea);
        QVERIFY(remarques->isVisible());
        QCOMPARE(remarques->text(), u("Aménagements de Léa en classe de ce1 : la ligne 1 « temps=4 » n'est pas comprise, elle "
                                      "ne compte pas (temps s'écrit « 1 », « 1,5 », « 2 », « 3 » ou « sans limite »)."));
        QVERIFY(Pilote::choisit(w<QComboBox>(&panneau, "Police"), "OpenDyslexic"));
        QVERIFY(absente->isVisible());
        QCOMPARE(absente->text(),
                 u("La police OpenDyslexic n'est pas installée sur cet ordinateur (paquet « fonts-opendyslexic ») "
                   ": les textes des élèves ne pourront pas s'afficher avec elle."));
        QVERIFY(Pilote::choisit(w<QComboBox>(&panneau, "Police"), "Andika"));
        QVERIFY(!absente->isVisible());
    }

    // At each display size: the button on the settings screen (whose own test checks that nothing
    // there is cut or covered), the panel in the screen's type, within the display, every text
    // whole, nothing over anything, every control named in French for a screen reader.
    void aChaqueTailleLePanneauTientEtSeNomme() {
        QStringList fautes;
        int pixelsAvant = 0;
        for (const QSize& taille : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            const QString ici = QStringLiteral(" on %1x%2").arg(taille.width()).arg(taille.height());
            ouvre(taille);
            DialogueAmenagements panneau(ecran.get(), Classe, "Martin", {Lea, Tom}, Polices::presente);
            panneau.show();
            bascule(&panneau, Lea);
            QVERIFY(QTest::qWaitForWindowExposed(&panneau, BorneAttenteMs));
            if (panneau.width() > taille.width() || panneau.height() > taille.height()) fautes << "panel too large" + ici;
            if (panneau.font().pixelSize() < pixelsAvant || panneau.font() != ecran->font()) fautes << "type" + ici;
            pixelsAvant = panneau.font().pixelSize();
            for (QWidget* c : panneau.findChildren<QWidget*>()) {
                if (!c->isVisible() || c->objectName().startsWith("qt_")) continue;
                const QString nom = c->objectName() + ici;
                auto* l = qobject_cast<QLabel*>(c);
                if (l && (l->wordWrap() ? l->heightForWidth(l->contentsRect().width()) > l->height()
                                        : l->sizeHint().width() > l->width()))
                    fautes << nom + " cut";
                if (qobject_cast<QAbstractButton*>(c) && c->sizeHint().width() > c->width()) fautes << nom + " cut";
                if (!qobject_cast<QAbstractButton*>(c) && !qobject_cast<QComboBox*>(c) && !qobject_cast<QListWidget*>(c))
                    continue;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
                if (!a || a->text(QAccessible::Name).isEmpty() || a->text(QAccessible::Name).contains('&'))
                    fautes << nom + " without a clean accessible name";
            }
            for (const QString& r : recouvrements(&panneau)) fautes << r + ici;
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(", ")));
    }
};

MARIVELLE_QTEST_MAIN(AmenagementsTest)
#include "amenagements_qtest.moc"
