// The children's screens as a screen reader reads them (Qt's accessibility tree, which Orca
// reads through AT-SPI): in each main state, every control a child can act on has a French name,
// the question and the bubbles are said in words, and what the fish says is its name.
#include "TestExercice.h"
#include "logique/base/Aleatoire.h"
#include "ecrans/commun/DialogueMessage.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/exercices/TRevision.h"
#include "ecrans/exercices/TTestDepart.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "ecrans/session/TChoixOperateur.h"

#include <QAccessible>
#include <QLineEdit>

class AccessibiliteTest : public TestExercice<TExo1, Ecrans::Role::Exo1, 1> {
    Q_OBJECT

    static bool agit(QAccessible::Role r) {
        using A = QAccessible;
        static const QSet<A::Role> agissants{A::Button, A::PushButton, A::CheckBox, A::RadioButton, A::EditableText, A::ComboBox,
                                             A::List,   A::ListItem,   A::Slider,   A::SpinBox,     A::PageTab};
        return agissants.contains(r);
    }
    // What a control's name must not be: empty, a name from the code ("PoissonRes", "lb_nom"),
    // or English.
    static bool nomFrancais(const QString& nom) {
        static const QRegularExpression code(QStringLiteral(R"(^\w*([a-z][A-Z]|_|[A-Za-z]{4,}\d)\w*$)"));
        static const QRegularExpression anglais(
            QStringLiteral(R"(\b(Cancel|Close|Yes|No|Apply|Save|Open|Button|Picture|Help|Quit|Edit|Submit|Back)\b)"));
        return !nom.trimmed().isEmpty() && !code.match(nom).hasMatch() && !anglais.match(nom).hasMatch();
    }
    // The visible nodes of the screen's tree a child can act on: "objet|nom|description|" and
    // "sans action" for a button the reader cannot press.
    static QStringList agissants(QWidget* ecran) {
        QStringList noeuds;
        const std::function<void(QAccessibleInterface*)> parcourt = [&](QAccessibleInterface* i) {
            if (!i || i->state().invisible) return;
            const bool bouton = i->role() == QAccessible::Button || i->role() == QAccessible::PushButton;
            const bool pressable = i->actionInterface() &&
                                   i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
            if (agit(i->role()))
                noeuds << QStringList{i->object() ? i->object()->objectName() : QString(), i->text(QAccessible::Name),
                                      i->text(QAccessible::Description), bouton && !pressable ? u("sans action") : QString()}
                              .join(QLatin1Char('|'));
            for (int k = 0; k < i->childCount(); ++k) parcourt(i->child(k));
        };
        parcourt(QAccessible::queryAccessibleInterface(ecran));
        return noeuds;
    }
    static void verifie(QWidget* ecran, const char* etat) {
        QStringList fautes;
        for (const QString& noeud : agissants(ecran))
            if (!nomFrancais(noeud.section(QLatin1Char('|'), 1, 1)) || noeud.endsWith(u("sans action"))) fautes << noeud;
        QVERIFY2(fautes.isEmpty(), qPrintable(QString::fromUtf8(etat) + u(" : ") + fautes.join(u(", "))));
    }
    static void clic(QWidget* ecran, const QString& nom) {
        QTest::mouseClick(Pilote::controle<QWidget>(ecran, nom), Qt::LeftButton);
    }
    static QString nomDe(QWidget* ecran, const QString& objet) {
        return QAccessible::queryAccessibleInterface(Pilote::controle<QWidget>(ecran, objet))->text(QAccessible::Name);
    }
    template <typename Ecran>
    static void montre(Ecran& ecran, const Reglage& r, const std::function<void()>& plus = {}) {
        ecran.hide();
        regle(r);
        if (plus) plus();
        ecran.show();
    }
    // A screen made, shown as it opens and read (the review says a kind word first: nothing is due).
    template <typename Ecran>
    static void lit(const char* etat, Ecran* ecran, const Reglage& r = {0}) {
        const std::unique_ptr<Ecran> garde(ecran);
        if (r.type) montre(*ecran, r);
        ecran->show();
        Messages::recueille();
        verifie(ecran, etat);
    }

private slots:
    void everyControlOfTheChildrensScreensHasAFrenchName() {
        lit("identification", new TSaisieIdentifiant);
        lit("choix", new TChoixOperateur);
        lit("boîte", new DialogueMessage(Messages::Genre::Confirmation, u("Supprimer cet élève ?"), u("Confirmation")));
        lit("exercice 2", new TExo2, {2, {3, 6, 6, 0}});
        lit("test de départ", new TTestDepart, {6, {1, 1, 10, 2}});
        lit("révision", new TRevision, {5, {3, 4, 4, 2}});
        montre(*exo_, {1, {7, 8, 8, 2}, 10, 5, true});
        verifie(exo_, "exercice 1, pirate");
        QTest::keyClicks(w<QLineEdit>(u("Resultat")), u("1"));
        QTest::keyClick(w<QLineEdit>(u("Resultat")), Qt::Key_Return);
        verifie(exo_, "exercice 1, réponse fausse");
        montre(*exo_, {1, {7, 8, 8, 2}, 10, 5, false});
        verifie(exo_, "exercice 1, requin");
        TExo3 exo3;
        montre(exo3, {3, {2, 1, 10, 2}}, [] {
            Etat().ajouteEntree(4, 1, 10, 2);
            Aleatoire::graine(7);
        });
        verifie(&exo3, "exercice 3");
        clic(&exo3, QStringLiteral("BulleBleu%1").arg(exo3.question().PositionIntrus));
        verifie(&exo3, "exercice 3, intrus choisi");
        TExo4 exo4;
        montre(exo4, {4, {3, 1, 10, 2}, 10, 10}, [] {
            for (int n = 4; n <= 9; ++n) Etat().ajouteEntree(n, 1, 10, 2);
            Aleatoire::graine(7);
        });
        verifie(&exo4, "exercice 4");
        clic(&exo4, u("BulleBleu1"));
        clic(&exo4, u("Aide"));
        verifie(&exo4, "exercice 4, une bulle choisie et l'aide");
        // The chosen bubble is said chosen, once: the yellow bubble under each blue one is not read.
        QCOMPARE(agissants(&exo4).filter(QRegularExpression(u("\\|choisie\\|$"))).size(), 1);
        clic(&exo4, u("voir_solution"));
        verifie(&exo4, "exercice 4, solution");
        TForm1 bilan;
        Etat().Retroaction = 1;
        Etat().NombreErreurs = 3;
        bilan.show();
        verifie(&bilan, "bilan");
        QVERIFY2(bilan.accessibleDescription().contains(u("7 bonnes réponses sur 10")),
                 qPrintable(bilan.accessibleDescription()));
    }

    // "7 × 8" is "sept fois huit" for the answer field and for exercise 3's bubbles; the fish's
    // words are its name as they change.
    void theQuestionAndTheFishsWordsAreSaidInWords() {
        montre(*exo_, {1, {7, 8, 8, 2}});
        QCOMPARE(nomDe(exo_, u("Resultat")), u("Ta réponse"));
        QCOMPARE(w(u("Resultat"))->accessibleDescription(), u("sept fois huit"));
        // What the fish says is its name, in plain words (the reader is told of each change).
        QTest::keyClicks(w<QLineEdit>(u("Resultat")), u("x"));
        QTest::keyClick(w<QLineEdit>(u("Resultat")), Qt::Key_Return);
        QCOMPARE(nomDe(exo_, u("Perdu")), u("Tu n'as pas rentré un nombre !"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w(u("Perdu")))->role(), QAccessible::Notification);

        TExo3 exo3;
        montre(exo3, {3, {2, 1, 10, 2}}, [] { Etat().ajouteEntree(4, 1, 10, 2); });
        static const QRegularExpression enMots(u("^[a-zéè-]+ fois [a-zéè-]+$"));
        for (int k = 1; k <= 3; ++k) {
            const QString bulle = nomDe(&exo3, QStringLiteral("BulleBleu%1").arg(k));
            QVERIFY2(enMots.match(bulle).hasMatch(), qPrintable(bulle));
        }
    }
};

MARIVELLE_QTEST_MAIN(AccessibiliteTest)
#include "accessibilite_qtest.moc"
