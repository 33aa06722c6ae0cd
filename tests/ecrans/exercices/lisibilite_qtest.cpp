// What a child reads, measured on the rendered pixels of their screens: every text stands out from
// what is behind it, and the numbers of the bubbles are big, bold and of one face with their signs.
#include "DossierTemporaire.h"
#include "TestExercice.h"
#include "logique/base/Aleatoire.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/BoutonRond.h"
#include "ecrans/commun/DialogueMessage.h"
#include "ecrans/commun/Ecrans.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/exercices/TRevision.h"
#include "ecrans/exercices/TTestDepart.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "ecrans/session/TChoixOperateur.h"
#include "logique/amenagements/AmenagementsEnCours.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"
#include "programme/TAccueil.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {
// The relative luminance of a colour and the contrast ratio of two, as the accessibility
// guidelines define them (1 to 21).
double luminance(QRgb c) {
    const auto lineaire = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(qRed(c)) + 0.7152 * lineaire(qGreen(c)) + 0.0722 * lineaire(qBlue(c));
}
double rapport(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A control's place on its screen drawn as it is, then drawn without its text: nothing else
// changes between the two (no layout runs, no signal is sent, the caret is put away first).
struct Trace {
    QImage avec, sans;
    QRect encre;  // the rectangle of the pixels the text changes, in the screen's coordinates
};
Trace trace(QWidget* ecran, QWidget* w) {
    const QRect place(w->mapTo(ecran, QPoint()), w->size());
    const QSignalBlocker silence(w);
    const bool focus = w->hasFocus();
    if (focus) w->clearFocus();
    const QString texte = w->property("text").toString();
    Trace t{ecran->grab(place).toImage(), {}, {}};
    w->setProperty("text", QString());
    t.sans = ecran->grab(place).toImage();
    w->setProperty("text", texte);
    if (focus) w->setFocus();
    for (int y = 0; y < t.avec.height(); ++y)
        for (int x = 0; x < t.avec.width(); ++x)
            if (t.avec.pixel(x, y) != t.sans.pixel(x, y)) t.encre |= QRect(place.x() + x, place.y() + y, 1, 1);
    return t;
}

// The text's colour is the pixel furthest from what is behind it (a glyph's core); its contrast,
// the one against the background under the text where it is weakest (its lowest tenth, so
// that a stray pixel of a picture does not decide).
double contraste(const Trace& t) {
    QRgb encre = 0;
    double plus = 0;
    QList<QRgb> fonds;
    for (int y = 0; y < t.avec.height(); ++y)
        for (int x = 0; x < t.avec.width(); ++x) {
            const QRgb a = t.avec.pixel(x, y), s = t.sans.pixel(x, y);
            if (a == s) continue;
            fonds << s;
            if (const double r = rapport(a, s); r > plus) plus = r, encre = a;
        }
    QList<double> r;
    for (QRgb f : fonds) r << rapport(encre, f);
    std::sort(r.begin(), r.end());
    return r.isEmpty() ? 21 : r[r.size() / 10];
}

// The size in pixels a control's text is drawn at.
int pixels(QWidget* w) {
    if (auto* b = qobject_cast<BoutonRond*>(w)) return QFontInfo(b->policeDessinee()).pixelSize();
    return QFontInfo(w->font()).pixelSize();
}

// Every visible text of a screen whose contrast is below its bound: 4.5 under 24 pixels, 3 for
// larger type; in high contrast, 7 and 4.5. Texts wholly covered leave no pixel and are another
// test's matter.
QStringList textesFaibles(const QString& etat, QWidget* ecran, bool fort) {
    QStringList faibles;
    QList<QWidget*> textes;
    for (QWidget* w : ecran->findChildren<QWidget*>())
        if ((qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)) &&
            w->isVisibleTo(ecran) && !w->property("text").toString().trimmed().isEmpty())
            textes << w;
    for (QWidget* w : textes) {
        const Trace t = trace(ecran, w);
        if (t.encre.isEmpty()) continue;
        const double r = contraste(t), borne = pixels(w) < 24 ? (fort ? 7.0 : 4.5) : (fort ? 4.5 : 3.0);
        const QString ligne = QStringLiteral("%1 %2 « %3 » %4 px : %5")
                                  .arg(etat, w->objectName(), w->property("text").toString().left(30))
                                  .arg(pixels(w))
                                  .arg(r, 0, 'f', 2);
        if (qEnvironmentVariableIsSet("MARIVELLE_CONTRASTES")) qInfo().noquote() << ligne;
        if (r < borne) faibles << ligne + QStringLiteral(" < %1").arg(borne);
    }
    return faibles;
}

void montre(QWidget* ecran) {
    ecran->hide();
    ecran->show();
}

template <typename T = QWidget>
T* enfant(QWidget* ecran, const char* nom) {
    T* w = ecran->findChild<T*>(QString::fromLatin1(nom));
    if (!w) qFatal("no control %s", nom);
    return w;
}
}  // namespace

class LisibiliteTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier_;
    QWidget choix_, bilan_;

protected:
    void avantChaqueTest() override {
        if (!dossier_) {
            Polices::installe();
            // No picture of the sea in the folder: the built-in one is behind the texts, as on a
            // first start.
            dossier_ = std::make_unique<DossierTemporaire>();
            ecritOctets(QStringLiteral("MessagesPerdu.txt"), "Essaie encore, tu vas y arriver !\r\n");
        }
        Affichage::fixeTaille(QSize(1024, 768));
        Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
        Minuterie::accelere(1000);
        Ecrans::enregistre(Ecrans::Role::ChoixOperateur, &choix_);
        Ecrans::enregistre(Ecrans::Role::Form1, &bilan_);
    }

private slots:
    void everyTextStandsOutFromWhatIsBehindIt_data() {
        QTest::addColumn<bool>("fort");
        QTest::newRow("thème") << false;
        QTest::newRow("contraste fort") << true;
    }
    // Every text of every screen a child meets, in the states that show each of them, in the
    // theme and in its high-contrast version (the identification screen, before a pupil is known,
    // in the theme only).
    void everyTextStandsOutFromWhatIsBehindIt() {
        QFETCH(bool, fort);
        Amenagements amenagements;
        amenagements.contraste = fort;
        AmenagementsEnCours::installe(amenagements);
        QStringList faibles;
        const auto mesure = [&faibles, fort](const char* etat, QWidget* ecran) {
            QApplication::processEvents();
            faibles << textesFaibles(QString::fromUtf8(etat), ecran, fort);
        };
        if (!fort) {
            TSaisieIdentifiant identification;
            Ecrans::enregistre(Ecrans::Role::SaisieIdentifiant, &identification);
            TAccueil accueil;
            Ecrans::enregistre(Ecrans::Role::Accueil, &accueil);
            identification.show();
            mesure("identification", &identification);
        }
        for (const auto genre : {Messages::Genre::Information, Messages::Genre::Erreur, Messages::Genre::Confirmation}) {
            DialogueMessage boite(genre, QStringLiteral("Tu n'as pas rentré un nombre !"), QStringLiteral("Marivelle"));
            boite.show();
            mesure("boîte", &boite);
        }
        {
            TChoixOperateur choix;
            InitialiseParametres(Etat());
            choix.show();
            choix.JouerClick();
            mesure("choix", &choix);
        }

        TExo1 exo1;
        regleExercice(1, {3, 4, 4, 2}, 0, false, 9);
        montre(&exo1);
        mesure("exo1", &exo1);
        auto* resultat = enfant<QLineEdit>(&exo1, "Resultat");
        resultat->setText(QStringLiteral("11"));
        exo1.ValiderResultatClick();
        exo1.SolutionImageClick();
        mesure("exo1 solution", &exo1);
        regleExercice(1, {3, 4, 4, 2});
        montre(&exo1);
        resultat->setText(QStringLiteral("12"));
        exo1.ValiderResultatClick();
        mesure("exo1 bravo", &exo1);
        regleExercice(1, {7, 8, 8, 2}, 1);
        montre(&exo1);
        QTRY_VERIFY(enfant(&exo1, "LabelRequin")->isVisible());
        mesure("exo1 requin", &exo1);
        exo1.hide();

        TExo2 exo2;
        regleExercice(2, {3, 6, 6, 0}, 0, false, 4);
        montre(&exo2);
        mesure("exo2", &exo2);
        regleExercice(2, {7, 8, 8, 2}, 1);
        montre(&exo2);
        QTRY_VERIFY(enfant(&exo2, "LabelRequin2")->isVisible());
        mesure("exo2 requins", &exo2);
        exo2.hide();

        TExo3 exo3;
        regleExercice(3, {2, 1, 10, 2});
        Etat().ajouteEntree(4, 1, 10, 2);
        montre(&exo3);
        mesure("exo3", &exo3);
        // The shark behind a wrong bubble, then the fish's mother behind the intruder.
        const int intrus = exo3.question().PositionIntrus, mauvaise = intrus == 1 ? 2 : 1;
        exo3.ClicBulle(mauvaise);
        const auto calme = [&exo3] {
            const auto minuteries = exo3.findChildren<QTimer*>();
            return std::none_of(minuteries.begin(), minuteries.end(), [](const QTimer* t) { return t->isActive(); });
        };
        QTRY_VERIFY(calme());
        exo3.ClicBulle(intrus);
        QTRY_VERIFY(enfant(&exo3, QStringLiteral("bebepoisson%1").arg(intrus).toLatin1())->isVisible());
        mesure("exo3 révélé", &exo3);
        regleExercice(3, {2, 3, 3, 2});
        montre(&exo3);
        mesure("exo3 impossible", &exo3);
        exo3.hide();

        TExo4 exo4;
        regleExercice(4, {3, 1, 10, 2});
        Etat().ajouteEntree(6, 1, 10, 2);
        montre(&exo4);
        exo4.AideClick();
        mesure("exo4", &exo4);
        exo4.BulleBleuClick(1);
        exo4.PoissonValClick();
        exo4.voir_solutionClick();
        mesure("exo4 solution", &exo4);
        regleExercice(4, {1, 0, 0, 0});
        montre(&exo4);
        mesure("exo4 impossible", &exo4);
        exo4.hide();

        TRevision revision;
        regleExercice(1, {3, 4, 4, 2});
        montre(&revision);
        mesure("révision", &revision);
        revision.hide();
        Messages::recueille();  // nothing due for the anonymous pupil: a kind word first
        TTestDepart test;
        regleExercice(6, {1, 1, 10, 2}, 10, true);
        montre(&test);
        mesure("test de départ", &test);
        test.hide();

        Etat().NombreDeQuestions = 10;
        Etat().NombreErreurs = 3;
        TForm1 bilan;
        bilan.show();
        QWidget* fond = enfant(&bilan, "Image1");
        QMouseEvent bouge(QEvent::MouseMove, QPointF(10, 10), fond->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(fond, &bouge);
        QTRY_VERIFY(enfant(&bilan, "Kling")->isVisible());
        mesure("bilan", &bilan);
        bilan.hide();

        QVERIFY2(faibles.isEmpty(), qPrintable(faibles.join(QLatin1Char('\n'))));
    }

    // At every display size the digits in the bubbles are bold and stand at least 40 % of a
    // bubble's height, the signs on the digits' middle line, the numbers and signs of an operation
    // in one face (exercises 3 and 4: the operation and its result), and the answer field has no
    // box of its own inside its bubble.
    void theNumbersOfTheBubblesAreBigBoldAndOfOneFace() {
        for (const QSize& taille : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            Affichage::fixeTaille(taille);
            TExo1 exo1;
            TExo2 exo2;
            TExo3 exo3;
            TExo4 exo4;
            regleExercice(1, {12, 34, 34, 0});
            montre(&exo1);
            regleExercice(2, {12, 34, 34, 0});
            montre(&exo2);
            const auto w = [](QWidget* ecran, const char* nom) { return enfant(ecran, nom); };
            const auto visible = [&](const char* a, const char* b) {
                return w(&exo2, a)->isVisible() ? w(&exo2, a) : w(&exo2, b);
            };
            const struct {
                QWidget* ecran;
                QList<QWidget*> nombres, signes;
                QLineEdit* champ;  // in its bubble
            } operations[] = {
                {&exo1,
                 {w(&exo1, "OpGauche"), w(&exo1, "OpDroite")},
                 {w(&exo1, "Signe"), w(&exo1, "Egal")},
                 enfant<QLineEdit>(&exo1, "Resultat")},
                {&exo2,
                 {visible("OpGauche", "OpDroite1"), w(&exo2, "Resultat")},
                 {w(&exo2, "Signe"), w(&exo2, "Egal")},
                 qobject_cast<QLineEdit*>(visible("OpGaucheEdit", "OpDroiteEdit"))},
                {&exo3, {w(&exo3, "operateur1"), w(&exo3, "resultat1")}, {}, nullptr},
                {&exo4, {w(&exo4, "operateur1"), w(&exo4, "resultat1")}, {}, nullptr},
            };
            for (const auto& o : operations) {
                const QString ou =
                    QStringLiteral("%1 %2×%3 ").arg(o.ecran->objectName()).arg(taille.width()).arg(taille.height());
                QList<QWidget*> textes = o.nombres + o.signes;
                if (o.champ) textes << o.champ;
                const QFontInfo face(textes[0]->font());
                for (QWidget* x : textes) {
                    const QFontInfo f(x->font());
                    QVERIFY2(f.bold() && f.family() == face.family() && f.pixelSize() == face.pixelSize(),
                             qPrintable(ou + x->objectName()));
                }
                if (!o.champ) continue;
                // Empty and without its caret, the field leaves its bubble as drawn without it.
                const QWidget* place = o.champ->parentWidget();
                const QRect bulle(place->mapTo(o.ecran, QPoint()), place->size());
                o.champ->clearFocus();
                const QImage avecChamp = o.ecran->grab(bulle).toImage();
                o.champ->hide();
                QVERIFY2(avecChamp == o.ecran->grab(bulle).toImage(), qPrintable(ou + QStringLiteral("le champ se voit")));
                o.champ->show();
                o.champ->setText(QStringLiteral("46"));
                const int cote = std::min(bulle.width(), bulle.height());  // a bubble is drawn round in its place
                const QRect chiffres = trace(o.ecran, o.nombres[0]).encre;
                for (QWidget* x : textes) {
                    const QRect encre = trace(o.ecran, x).encre;
                    const QString mesure = ou + QStringLiteral("%1 : %2 px de haut, milieu à %3 px de celui des chiffres")
                                                    .arg(x->objectName())
                                                    .arg(encre.height())
                                                    .arg(encre.center().y() - chiffres.center().y());
                    QVERIFY2(std::abs(encre.center().y() - chiffres.center().y()) <= cote * 3 / 100, qPrintable(mesure));
                    if (!o.signes.contains(x)) QVERIFY2(encre.height() >= cote * 0.4, qPrintable(mesure));
                }
            }
        }
    }
};

MARIVELLE_QTEST_MAIN(LisibiliteTest)
#include "lisibilite_qtest.moc"
