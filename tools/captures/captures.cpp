// Pictures of the chooser at each step, of the exercise screens and the review in each state, of
// the summary in its three feedback modes and of every kind of message box at several display
// sizes, for looking at them:
//   captures <folder> [WxH ...]   (default 1024x768 1920x1080)
// With a pupil's adjustments on the children's screens, named in MARIVELLE_AMENAGEMENTS (any of
// andika, opendyslexic, 125, 150, espacement, contraste, comma-separated), each file's name
// starting with them: MARIVELLE_AMENAGEMENTS=opendyslexic,150,espacement gives
// opendyslexic-150-espacement_exo1_faux_1024x768.png.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the files are
// <folder>/<screen>_<state>_<W>x<H>.png.
#include "TaillesDemandees.h"
#include "logique/base/Aleatoire.h"
#include "logique/base/Messages.h"
#include "logique/base/Minuterie.h"
#include "ecrans/exercices/TExo1.h"
#include "ecrans/exercices/TExo2.h"
#include "ecrans/exercices/TExo4.h"
#include "ecrans/exercices/TExo3.h"
#include "ecrans/exercices/TForm1.h"
#include "ecrans/exercices/TRevision.h"
#include "ecrans/exercices/TTestDepart.h"
#include "logique/journal/Journal.h"
#include "logique/amenagements/AmenagementsEnCours.h"
#include "ecrans/commun/DialogueMessage.h"
#include "ecrans/session/TChoixOperateur.h"
#include "logique/session/OffreTestDeDepart.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Polices.h"
#include "logique/etat/SharedState.h"
#include "logique/etat/Utils.h"

#include <QApplication>
#include <QDir>
#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {
void attends(const std::function<bool()>& condition, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void clique(QWidget* w) {
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent appui(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent relache(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(w, &appui);
    QApplication::sendEvent(w, &relache);
}

// A key pressed where the keyboard is on the screen.
void touche(QWidget* ecran, int cle) {
    QWidget* w = ecran->focusWidget() ? ecran->focusWidget() : ecran;
    QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier);
    QKeyEvent relache(QEvent::KeyRelease, cle, Qt::NoModifier);
    QApplication::sendEvent(w, &appui);
    QApplication::sendEvent(w, &relache);
}

void regle(int type, int temps, bool pirate, int bande, std::array<int, 4> table) {
    SharedState& e = Etat();
    InitialiseParametres(e);
    e.NomEleve = EleveSansId;
    e.TypeExercice = type;
    e.ajouteEntree(table[0], table[1], table[2], table[3]);
    e.OptionTableDansOrdre = true;
    e.NombreDeQuestions = 10;
    e.TempsDeReponse = temps;
    e.AvecPirate = pirate;
    e.BandeNumerique = bande;
    e.TypeAide = 0;
}
}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless told otherwise (QT_QPA_PLATFORM=xcb under Xvfb shows real windows).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Polices::installe();
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    // Absolute: the review's pictures are taken from a working folder of their own.
    const QString dossier = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captures")).absolutePath();
    QDir().mkpath(dossier);
    const QList<QSize> tailles = taillesDemandees(argc, argv);
    Minuterie::accelere(20);
    const QStringList demandes = qEnvironmentVariable("MARIVELLE_AMENAGEMENTS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    Amenagements amenage;
    for (const QString& d : demandes) {
        if (d == QLatin1String("andika")) amenage.police = Amenagements::Police::Andika;
        if (d == QLatin1String("opendyslexic")) amenage.police = Amenagements::Police::OpenDyslexic;
        if (d == QLatin1String("125")) amenage.taille = Amenagements::Taille::Plus25;
        if (d == QLatin1String("150")) amenage.taille = Amenagements::Taille::Plus50;
        amenage.espacement |= d == QLatin1String("espacement");
        amenage.contraste |= d == QLatin1String("contraste");
    }
    AmenagementsEnCours::installe(amenage);
    const QString prefixe = demandes.isEmpty() ? QString() : demandes.join(QLatin1Char('-')) + QLatin1Char('_');

    for (const QSize& taille : tailles) {
        Affichage::fixeTaille(taille);
        const QString suffixe = QStringLiteral("_%1x%2.png").arg(taille.width()).arg(taille.height());
        const auto sauve = [&](QWidget* ecran, const QString& nom) {
            QApplication::processEvents();
            ecran->grab().save(dossier + QLatin1Char('/') + prefixe + nom + suffixe);
        };
        TExo1 exo1;
        TExo2 exo2;
        // The chooser at each step, a click on the fish too early, the review chosen, the keyboard
        // on a choice.
        TChoixOperateur choix;
        const auto choisit = [&choix](std::initializer_list<const char*> noms) {
            for (const char* nom : noms) clique(choix.findChild<QWidget*>(QString::fromLatin1(nom)));
        };
        const auto recommence = [&choix] {
            InitialiseParametres(Etat());
            choix.hide();
            choix.show();
            // The keyboard's ring shows in the active window, as on a classroom's display.
            choix.activateWindow();
            attends([&choix] { return choix.isActiveWindow(); }, 2000);
        };
        recommence();
        sauve(&choix, QStringLiteral("choix_rien"));
        choisit({"PoissonJouer"});
        sauve(&choix, QStringLiteral("choix_trop_tot"));
        choisit({"SigneBulleMultiplication"});
        sauve(&choix, QStringLiteral("choix_signe"));
        choisit({"ImageExo1"});
        sauve(&choix, QStringLiteral("choix_jeu"));
        choisit({"Baleine"});
        sauve(&choix, QStringLiteral("choix_pret"));
        recommence();
        choisit({"SigneBulleAddition", "ImageRevision"});
        sauve(&choix, QStringLiteral("choix_revision"));
        choisit({"ImageExo3", "Pirate"});
        touche(&choix, Qt::Key_Tab);
        touche(&choix, Qt::Key_Right);
        sauve(&choix, QStringLiteral("choix_clavier_requin_grise"));
        choix.hide();
        const auto montre = [](QWidget* ecran) {
            ecran->hide();
            ecran->show();
            QApplication::processEvents();
        };

        regle(1, 0, false, 9, {3, 4, 4, 0});
        montre(&exo1);
        clique(exo1.findChild<QWidget*>(QStringLiteral("Aide")));
        sauve(&exo1, QStringLiteral("exo1_aide_bande"));
        {
            regle(1, 0, false, 10, {3, 4, 4, 0});
            montre(&exo1);
            auto* r = exo1.findChild<QLineEdit*>(QStringLiteral("Resultat"));
            r->setText(QStringLiteral("1"));
            clique(exo1.findChild<QWidget*>(QStringLiteral("PoissonRes")));
            sauve(&exo1, QStringLiteral("exo1_faux"));
            clique(exo1.findChild<QWidget*>(QStringLiteral("SolutionImage")));
            sauve(&exo1, QStringLiteral("exo1_solution"));
            regle(1, 0, false, 10, {3, 4, 4, 0});
            montre(&exo1);
            r->setText(QString::number(exo1.question().resultat));
            Minuterie::accelere(1);
            clique(exo1.findChild<QWidget*>(QStringLiteral("PoissonRes")));
            sauve(&exo1, QStringLiteral("exo1_bravo"));
            attends([&] { return exo1.findChild<QWidget*>(QStringLiteral("ramasse_piece2"))->isVisible(); });
            sauve(&exo1, QStringLiteral("exo1_ramasse"));
            Minuterie::accelere(20);
            regle(1, 10, true, 9, {3, 4, 4, 0});
            montre(&exo1);
            attends([&] { return exo1.findChild<QWidget*>(QStringLiteral("pirate_descend"))->y() > taille.height() / 2; });
            sauve(&exo1, QStringLiteral("exo1_pirate_bande"));
        }

        regle(1, 5, false, 10, {7, 8, 8, 2});
        montre(&exo1);
        sauve(&exo1, QStringLiteral("exo1_requin"));
        attends([&] { return exo1.findChild<QWidget*>(QStringLiteral("BulleExplose"))->isVisible(); });
        sauve(&exo1, QStringLiteral("exo1_requin_eclate"));
        regle(1, 10, true, 10, {7, 8, 8, 2});
        montre(&exo1);
        attends([&] { return exo1.findChild<QWidget*>(QStringLiteral("pirate_descend"))->y() > taille.height() / 3; });
        sauve(&exo1, QStringLiteral("exo1_pirate"));
        exo1.hide();

        // A question of the review, with the shark: a named pupil who missed the table of 7 three
        // days ago, in a class folder of a temporary working folder.
        {
            const QString ici = QDir::currentPath();
            QTemporaryDir travail;
            QDir::setCurrent(travail.path());
            const QString classe = QStringLiteral("classe de Martin/");
            QDir().mkpath(classe);
            regle(5, 10, false, 10, {7, 1, 10, 2});
            SharedState& e = Etat();
            e.NomEleve = QStringLiteral("Léa");
            e.NomEnseignant = QStringLiteral("Martin");
            e.RepertoireClasse = classe;
            e.EnPratiqueLibre = true;
            const qint64 avant = QDateTime::currentMSecsSinceEpoch() - 3LL * 24 * 3600 * 1000;
            for (int k = 1; k <= 10; ++k) {
                EntreeJournal manquee;
                manquee.enseignant = e.NomEnseignant;
                manquee.eleve = e.NomEleve;
                manquee.moment = avant + k * 10'000;
                manquee.fait = Fait{7, Operation::Multiplication, k, 7 * k};
                manquee.reponse = QString::number(7 * k + 1);
                manquee.essais = 2;
                manquee.msPremiere = 6000;
                manquee.msFin = 9000;
                Journal::ecrit(manquee, classe);
            }
            Journal::attends();
            TRevision revision;
            montre(&revision);
            sauve(&revision, QStringLiteral("revision_question"));
            revision.hide();
            Journal::arrete();
            QDir::setCurrent(ici);
        }

        // A question of the starting test, then a wrong first answer on the next one.
        TTestDepart test;
        regle(6, 10, true, 10, {1, 1, 10, 2});
        montre(&test);
        sauve(&test, QStringLiteral("test_depart_question"));
        auto* champ = test.findChild<QLineEdit*>(QStringLiteral("Resultat"));
        champ->setText(QString::number(test.question().resultat));
        clique(test.findChild<QWidget*>(QStringLiteral("PoissonRes")));
        attends([&] { return test.partie().NumeroQuestion == 2; });
        champ->setText(QString::number(test.question().resultat + 1));
        clique(test.findChild<QWidget*>(QStringLiteral("PoissonRes")));
        sauve(&test, QStringLiteral("test_depart_faux"));
        test.hide();

        for (int cote : {1, 0}) {
            for (quint32 graine = 1;; ++graine) {
                regle(2, 0, false, cote == 1 ? 10 : 4, {3, 6, 6, 0});
                Aleatoire::graine(graine);
                montre(&exo2);
                if (exo2.trouAGauche() == (cote == 1)) break;
            }
            clique(exo2.findChild<QWidget*>(QStringLiteral("Aide")));
            sauve(&exo2,
                  exo2.trouAGauche() ? QStringLiteral("exo2_trou_gauche_aide") : QStringLiteral("exo2_trou_droite_aide_bande"));
        }
        regle(2, 5, false, 10, {7, 8, 8, 2});
        montre(&exo2);
        sauve(&exo2, QStringLiteral("exo2_requins"));
        attends([&] { return exo2.findChild<QWidget*>(QStringLiteral("PanelSoutientBulle2"))->isVisible(); });
        sauve(&exo2, QStringLiteral("exo2_requins_eclate"));
        regle(2, 10, true, 10, {7, 8, 8, 2});
        montre(&exo2);
        attends([&] { return exo2.findChild<QWidget*>(QStringLiteral("pirate_descend"))->y() > taille.height() / 3; });
        exo2.findChild<QLineEdit*>(exo2.trouAGauche() ? QStringLiteral("OpGaucheEdit") : QStringLiteral("OpDroiteEdit"))
            ->setText(QStringLiteral("9"));
        sauve(&exo2, QStringLiteral("exo2_pirate"));
        exo2.hide();

        // Exercise 4: the ten bubbles; some selected with the help; the solution after a wrong
        // validation; the pirate; the message when no question can be built.
        TExo4 exo4;
        const auto regle4 = [](int temps) {
            regle(4, temps, false, 10, {3, 1, 10, 2});
            for (int n = 4; n <= 9; ++n) Etat().ajouteEntree(n, 1, 10, 2);
            Etat().OptionTableDansOrdre = false;
        };
        const auto bulle4 = [&exo4](const char* genre, int i) {
            return exo4.findChild<QWidget*>(QString::fromLatin1(genre) + QString::number(i));
        };
        // A question built with distinct captions.
        for (quint32 graine = 7;; ++graine) {
            regle4(0);
            Aleatoire::graine(graine);
            montre(&exo4);
            if (!exo4.question().avecDoublons) break;
        }
        sauve(&exo4, QStringLiteral("exo4_bulles"));
        // Two of the fish's bubbles and one of the others.
        int choisies = 0, fausses = 0;
        for (int i = 1; i <= BullesExo4; ++i)
            if (exo4.question().BonnesBulles[std::size_t(i - 1)] ? choisies++ < 2 : fausses++ == 0)
                clique(bulle4("BulleBleu", i));
        clique(exo4.findChild<QWidget*>(QStringLiteral("Aide")));
        sauve(&exo4, QStringLiteral("exo4_selection_aide"));
        clique(exo4.findChild<QWidget*>(QStringLiteral("PoissonVal")));
        sauve(&exo4, QStringLiteral("exo4_perdu"));
        clique(exo4.findChild<QWidget*>(QStringLiteral("voir_solution")));
        sauve(&exo4, QStringLiteral("exo4_solution"));
        regle4(10);
        montre(&exo4);
        attends([&] { return exo4.findChild<QWidget*>(QStringLiteral("pirate_descend"))->y() > taille.height() / 3; });
        sauve(&exo4, QStringLiteral("exo4_pirate"));
        regle(4, 0, false, 10, {1, 0, 0, 0});
        montre(&exo4);
        sauve(&exo4, QStringLiteral("exo4_impossible"));
        exo4.hide();
        // Exercise 3: a question, the shark behind a wrong bubble, the fish's mother behind the
        // intruder, the pirate coming down, and settings that allow no question.
        TExo3 exo3;
        const auto regle3 = [](int temps, std::array<int, 4> table) {
            regle(3, temps, temps > 0, 10, table);
            Etat().ajouteEntree(4, 1, 10, 2);
            Etat().ajouteEntree(8, 1, 10, 2);
        };
        const auto bulle3 = [&](int k) { return exo3.findChild<QWidget*>(QStringLiteral("BulleBleu%1").arg(k)); };
        const auto revele = [&](int k, const QString& dessin) {
            clique(bulle3(k));
            attends([&] { return exo3.findChild<QWidget*>(dessin + QString::number(k))->isVisible(); });
        };
        regle3(0, {2, 1, 10, 2});
        Aleatoire::graine(7);
        montre(&exo3);
        sauve(&exo3, QStringLiteral("exo3_question"));
        const int intrus = exo3.question().PositionIntrus;
        const int mauvaise = intrus == 1 ? 2 : 1;
        revele(mauvaise, QStringLiteral("Requin"));
        sauve(&exo3, QStringLiteral("exo3_requin"));
        attends([&] { return exo3.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly).isEmpty(); });
        revele(intrus, QStringLiteral("bebepoisson"));
        sauve(&exo3, QStringLiteral("exo3_bebe_poisson"));
        regle3(10, {2, 1, 10, 2});
        Aleatoire::graine(8);
        montre(&exo3);
        attends([&] { return exo3.findChild<QWidget*>(QStringLiteral("pirate_descend"))->y() > taille.height() / 3; });
        sauve(&exo3, QStringLiteral("exo3_pirate"));
        regle(3, 0, false, 10, {2, 3, 3, 2});
        montre(&exo3);
        sauve(&exo3, QStringLiteral("exo3_impossible"));
        exo3.hide();
        // The summary over the end of an exercise, in its three feedback modes, with a coin landed.
        regle(1, 0, false, 10, {3, 4, 4, 0});
        montre(&exo1);
        for (int retroaction : {0, 1, 2}) {
            Etat().NombreDeQuestions = 10;
            Etat().NombreErreurs = 3;
            Etat().Retroaction = retroaction;
            TForm1 bilan;
            bilan.show();
            QWidget* fond = bilan.findChild<QWidget*>(QStringLiteral("Image1"));
            QMouseEvent bouge(QEvent::MouseMove, QPointF(10, 10), fond->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton,
                              {});
            QApplication::sendEvent(fond, &bouge);
            attends([&] { return bilan.findChild<QWidget*>(QStringLiteral("Kling"))->isVisible(); });
            sauve(&bilan, QStringLiteral("bilan_retroaction%1").arg(retroaction));
        }
        exo1.hide();
        // Every kind of box, with texts children and teachers meet.
        const struct {
            Messages::Genre genre;
            const char* nom;
            const char* texte;
        } dialogues[] = {
            {Messages::Genre::Information, "boite_information",
             "Vous avez mal saisie vos identifiants, veuillez recommencer s'il vous plaît."},
            {Messages::Genre::Information, "boite_information_courte", "Les valeurs des paramètres seront par defaut"},
            {Messages::Genre::Confirmation, "boite_confirmation",
             "La suppression de cet enseignant entrainera la perte des données concernant aussi tous ses élèves! "
             "Voulez-vous vraiment supprimer cet enseignant?"},
            {Messages::Genre::Erreur, "boite_erreur", "Le fichier « classe_Dupont.txt » est introuvable."},
            {Messages::Genre::Confirmation, "boite_revision",
             "Tu n'as aucun calcul à revoir aujourd'hui\u00A0: ceux que tu as déjà faits, tu les connais bien. "
             "Bravo\u00A0!\n\nVeux-tu faire l'exercice habituel, donner le résultat\u00A0?"},
        };
        for (const auto& b : dialogues) {
            DialogueMessage dialogue(b.genre, QString::fromUtf8(b.texte), QStringLiteral("Marivelle"));
            dialogue.show();
            sauve(&dialogue, QString::fromLatin1(b.nom));
        }
        DialogueMessage offre(Messages::Genre::Confirmation, OffreTestDeDepart::question(2), OffreTestDeDepart::Titre);
        offre.show();
        sauve(&offre, QStringLiteral("boite_test_de_depart"));
    }
    return 0;
}
