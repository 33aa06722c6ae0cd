// The identification screen driven as a user would: mouse clicks, keys and typing. The files
// written are checked in registre_test.cpp; here the controls, the messages and the lists.
#include "DossierTemporaire.h"
#include "Pilote.h"
#include "TestEcran.h"
#include "programme/TAccueil.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Ajustement.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Polices.h"
#include "ecrans/commun/Ecrans.h"
#include "logique/etat/SharedState.h"
#include "logique/identification/ConnexionEleve.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "logique/parametres/ParameterFiles.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "ecrans/commun/LignesEquilibrees.h"
#include "Recouvrements.h"

#include <QApplication>
#include <QScopeGuard>
#include <QComboBox>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {
const QString NomIncorrect = u("Le nom que vous venez d'entrer n'est pas correct");
const QString PasSupprimable = u("Il n est pas possible de supprimer ce parametre");
const QString MalSaisi = u("Vous avez mal saisie vos identifiants, veuillez recommencer ou vous connecter sans identifiant");
const QString QuestionEnseignant = u(
    "La suppression de cet enseignant entrainera la perte des données concernant aussi tous ses élèves! "
    "Voulez-vous vraiment supprimer cet enseignant?");
}  // namespace

class SaisieIdentifiantTest : public TestEcran {
    Q_OBJECT

    std::unique_ptr<DossierTemporaire> dossier;
    std::unique_ptr<TSaisieIdentifiant> ecran;
    std::unique_ptr<TAccueil> accueil;
    std::unique_ptr<QWidget> parametrage;
    QList<bool> reponses;  // answers to the coming confirmations; OK when empty
    QList<Messages::Genre> genres;
    bool fini = false;

    template <typename T = QWidget>
    T* w(const char* nom) {
        T* trouve = ecran->findChild<T*>(QString::fromLatin1(nom));
        if (!trouve) qFatal("no control %s", nom);
        return trouve;
    }
    QListWidget* liste(const char* nom) { return w<QListWidget>(nom); }
    QComboBox* deroulante(const char* nom) { return w<QComboBox>(nom); }

    // Creates the screens the way start-up does (this one first, then the start-up screen).
    void demarre(const QSize& affichage = QSize(1024, 768)) {
        Affichage::fixeTaille(affichage);
        ecran = std::make_unique<TSaisieIdentifiant>();
        Ecrans::enregistre(Ecrans::Role::SaisieIdentifiant, ecran.get());
        accueil = std::make_unique<TAccueil>();
        Ecrans::enregistre(Ecrans::Role::Accueil, accueil.get());
        parametrage = std::make_unique<QWidget>();
        Ecrans::enregistre(Ecrans::Role::Parametrage, parametrage.get());
        ecran->show();
        QVERIFY(QTest::qWaitForWindowExposed(ecran.get(), BorneAttenteMs));
    }

    void clique(QListWidget* l, const QString& texte) { QVERIFY2(Pilote::clique(l, texte), qPrintable(texte)); }
    void choisit(QComboBox* c, const QString& texte) { QVERIFY2(Pilote::choisit(c, texte), qPrintable(texte)); }
    void tape(const char* champ, const QString& texte) { Pilote::tape(w<QLineEdit>(champ), texte); }
    void appuie(const char* bouton) { QTest::mouseClick(w<QPushButton>(bouton), Qt::LeftButton); }
    template <typename L>
    QStringList textes(L* l) {
        return Pilote::textes(l);
    }
    void inscritEnseignant(const QString& nom, const QStringList& niveaux) {
        clique(liste("lb_nom_ens_param"), "Enseignant non inscrit");
        tape("nom_ens", nom);
        for (const QString& n : niveaux) clique(liste("CheckListBox1"), n);
        appuie("enregistrer_ens");
    }
    void inscritEleve(const QString& enseignant, const QString& nom, const QString& niveau) {
        if (!liste("lb_nom_eleve")->isEnabled()) choisit(deroulante("cb_nom_ens"), enseignant);
        clique(liste("lb_nom_eleve"), u("Elève non inscrit"));
        choisit(deroulante("cb_mon_ens_ins"), enseignant);
        tape("nom_eleve", nom);
        if (!niveau.isEmpty()) choisit(deroulante("cb_eleve_classe"), niveau);
        appuie("enregistrer_eleve");
    }

protected:
    void avantChaqueTest() override {
        dossier = std::make_unique<DossierTemporaire>();
        reponses.clear();
        genres.clear();
        fini = false;
        Messages::installeRepondeur([this](Messages::Genre g, const QString&) {
            genres << g;
            return g != Messages::Genre::Confirmation || reponses.isEmpty() || reponses.takeFirst();
        });
        Ecrans::remplaceFin([this] { fini = true; });
    }

    void apresChaqueTest() override {
        ecran.reset();
        accueil.reset();
        parametrage.reset();
        dossier.reset();
    }

private slots:
    void initTestCase() { Polices::installe(); }

    void demarrageToutEstGriseSaufLeChoixDeLEnseignant() {
        demarre();
        QCOMPARE(ecran->geometry(), QRect(0, 0, 1024, 768));
        for (const char* nom : {"cb_mon_ens_ins", "nom_eleve", "cb_eleve_classe", "CheckListBox1", "nom_ens", "lb_nom_eleve",
                                "nom_eleve_con", "nom_eleve_ins", "classe_de_ins", "classe_ins", "nom_ens_param", "classe_param"})
            QVERIFY2(!w(nom)->isEnabled(), nom);
        for (const char* nom : {"lb_nom_ens_param", "Parametre", "enregistrer_ens", "cb_nom_ens", "classe_de_con", "Jouer",
                                "enregistrer_eleve", "Quitter"})
            QVERIFY2(w(nom)->isEnabled(), nom);
        QCOMPARE(textes(liste("lb_nom_ens_param")), QStringList({"Enseignant non inscrit", "aucun"}));
        QCOMPARE(textes(deroulante("cb_nom_ens")), QStringList({"aucun"}));
        QCOMPARE(deroulante("cb_nom_ens")->currentText(), QStringLiteral("aucun"));
        QCOMPARE(liste("lb_nom_eleve")->count(), 0);
        QCOMPARE(textes(liste("CheckListBox1")), QStringList({"cp", "ce1", "ce2", "cm1", "cm2", "college"}));
        // No teacher yet: where to begin, until one registers.
        QVERIFY(w("PremierPas")->isVisible());
        QCOMPARE(w<QLabel>("PremierPas")->text(), u("Commencez par inscrire un enseignant ↓"));
        inscritEnseignant("Martin", {"ce1"});
        QVERIFY(!w("PremierPas")->isVisible());

        // Touch targets stay large enough for a child's mouse (the lists' lines: lesListesMontrent...).
        for (const char* nom : {"Parametre", "enregistrer_ens", "Jouer", "enregistrer_eleve", "Quitter"})
            QVERIFY2(w(nom)->height() >= 44, nom);
    }

    // Fitted to the display when created (the factors are ajustement_test.cpp's), never again.
    void lEcranSAjusteALAffichageUneSeuleFois() {
        demarre(QSize(1280, 1024));
        const QRect quitter = w("Quitter")->geometry();
        const int police = w("Jouer")->font().pixelSize();
        ecran->hide();
        ecran->show();
        QCOMPARE(ecran->size(), QSize(1280, 1024));
        QCOMPARE(w("Quitter")->geometry(), quitter);
        QCOMPARE(w("Jouer")->font().pixelSize(), police);
    }

    void unEnseignantSInscritParLesControles() {
        demarre();
        clique(liste("lb_nom_ens_param"), "Enseignant non inscrit");
        QVERIFY(w("nom_ens")->isEnabled() && w("nom_ens_param")->isEnabled());
        QVERIFY(!w("CheckListBox1")->isEnabled());
        tape("nom_ens", "Martin");
        QVERIFY(w("CheckListBox1")->isEnabled() && w("classe_param")->isEnabled());
        for (const char* niveau : {"ce1", "ce2", "cm1", "cm1"}) clique(liste("CheckListBox1"), niveau);  // twice unticks
        appuie("enregistrer_ens");
        QCOMPARE(Messages::recueille(), QStringList());
        QCOMPARE(*Registre::NiveauxEnseignant(Etat(), "Martin"), QStringList({"ce1", "ce2"}));
        QCOMPARE(w<QLineEdit>("nom_ens")->text(), QString());
        QCOMPARE(textes(liste("lb_nom_ens_param")), QStringList({"Enseignant non inscrit", "aucun", "Martin"}));
        QCOMPARE(textes(deroulante("cb_nom_ens")), QStringList({"aucun", "Martin"}));

        // A refused name keeps the field for correcting; an existing one empties it.
        tape("nom_ens", "-Paul");
        appuie("enregistrer_ens");
        QCOMPARE(Messages::recueille(), QStringList({NomIncorrect}));
        QCOMPARE(w<QLineEdit>("nom_ens")->text(), QStringLiteral("-Paul"));
        w<QLineEdit>("nom_ens")->clear();
        tape("nom_ens", "Martin");
        appuie("enregistrer_ens");
        QCOMPARE(Messages::recueille(), QStringList({u("Ce nom existe déjà! Veuillez en saisir un autre")}));
        QCOMPARE(w<QLineEdit>("nom_ens")->text(), QString());
        QCOMPARE(textes(liste("lb_nom_ens_param")), QStringList({"Enseignant non inscrit", "aucun", "Martin"}));
    }

    void unEleveSInscritEnSuivantLaChaineDActivation() {
        demarre();
        inscritEnseignant("Martin", {"ce1", "ce2"});
        choisit(deroulante("cb_nom_ens"), "Martin");
        QVERIFY(w("lb_nom_eleve")->isEnabled() && w("nom_eleve_con")->isEnabled());
        QCOMPARE(textes(liste("lb_nom_eleve")), QStringList({u("Elève non inscrit")}));
        clique(liste("lb_nom_eleve"), u("Elève non inscrit"));
        QVERIFY(w("cb_mon_ens_ins")->isEnabled() && w("classe_de_ins")->isEnabled());
        QVERIFY(!w("nom_eleve")->isEnabled());
        QCOMPARE(textes(deroulante("cb_mon_ens_ins")), QStringList({"aucun", "Martin"}));
        QCOMPARE(deroulante("cb_mon_ens_ins")->currentText(), QString());
        choisit(deroulante("cb_mon_ens_ins"), "Martin");
        QVERIFY(w("nom_eleve")->isEnabled() && w("nom_eleve_ins")->isEnabled());
        QVERIFY(!w("cb_eleve_classe")->isEnabled());
        QCOMPARE(textes(deroulante("cb_eleve_classe")), QStringList({"ce1", "ce2"}));
        tape("nom_eleve", u("Léa"));
        QVERIFY(w("cb_eleve_classe")->isEnabled() && w("classe_ins")->isEnabled());
        choisit(deroulante("cb_eleve_classe"), "ce1");
        appuie("enregistrer_eleve");
        QCOMPARE(Messages::recueille(), QStringList());
        QCOMPARE(textes(liste("lb_nom_eleve")), QStringList({u("Elève non inscrit"), u("Léa en classe de ce1")}));
        QCOMPARE(w<QLineEdit>("nom_eleve")->text(), QString());

        // Registered without teacher while Martin's class is shown: the shown class follows.
        inscritEleve("aucun", "Tom", "cp");
        QCOMPARE(deroulante("cb_nom_ens")->currentText(), QStringLiteral("aucun"));
        QCOMPARE(textes(liste("lb_nom_eleve")), QStringList({u("Elève non inscrit"), u("Tom en classe de cp")}));

        // Without a chosen teacher.
        clique(liste("lb_nom_eleve"), u("Elève non inscrit"));
        appuie("enregistrer_eleve");
        QCOMPARE(Messages::recueille(), QStringList({NomIncorrect}));
    }

    void laToucheSupprimerDemandeConfirmation() {
        demarre();
        inscritEnseignant("Martin", {"ce1"});
        inscritEnseignant("Dupont", {});
        inscritEleve("Martin", "Tom", "ce1");
        inscritEleve("Martin", "Ana", "");
        Messages::recueille();
        QListWidget* eleves = liste("lb_nom_eleve");
        QCOMPARE(deroulante("cb_nom_ens")->currentText(), QStringLiteral("Martin"));

        clique(eleves, u("Elève non inscrit"));
        QTest::keyClick(eleves, Qt::Key_Delete);
        QCOMPARE(Messages::recueille(), QStringList({PasSupprimable}));
        clique(eleves, "Tom en classe de ce1");
        QTest::keyClick(eleves, Qt::Key_Insert);
        QTest::keyClick(eleves, Qt::Key_Backspace);
        QCOMPARE(Messages::recueille(), QStringList());
        reponses = {false};
        QTest::keyClick(eleves, Qt::Key_Delete);
        QCOMPARE(Messages::recueille(), QStringList({"Voulez-vous vraiment supprimer cet eleve?"}));
        QCOMPARE(genres.last(), Messages::Genre::Confirmation);
        QCOMPARE(textes(eleves).size(), 3);
        reponses = {true};
        QTest::keyClick(eleves, Qt::Key_Delete);
        QCOMPARE(Messages::recueille(), QStringList({"Voulez-vous vraiment supprimer cet eleve?"}));
        QCOMPARE(textes(eleves), QStringList({u("Elève non inscrit"), "Ana"}));
        QCOMPARE(deroulante("cb_nom_ens")->currentText(), QString());

        QListWidget* enseignants = liste("lb_nom_ens_param");
        for (const char* fixe : {"aucun", "Enseignant non inscrit"}) {
            clique(enseignants, fixe);
            QTest::keyClick(enseignants, Qt::Key_Delete);
            QCOMPARE(Messages::recueille(), QStringList({PasSupprimable}));
        }
        clique(enseignants, "Martin");
        reponses = {false};
        QTest::keyClick(enseignants, Qt::Key_Delete);
        QCOMPARE(Messages::recueille(), QStringList({QuestionEnseignant}));
        QVERIFY(QFileInfo::exists("classe de Martin"));
        reponses = {true};
        QTest::keyClick(enseignants, Qt::Key_Delete);
        QCOMPARE(Messages::recueille(),
                 QStringList({QuestionEnseignant, u("Le dossier de l'enseignant Martin a bien été supprimer")}));
        QVERIFY(!QFileInfo::exists("classe de Martin"));
        QCOMPARE(textes(enseignants), QStringList({"Enseignant non inscrit", "aucun", "Dupont"}));
        QCOMPARE(textes(deroulante("cb_nom_ens")), QStringList({"aucun", "Dupont"}));
        // Martin's pupils are no longer offered, and his name no longer opens the settings.
        QCOMPARE(eleves->count(), 0);
        QVERIFY(!eleves->isEnabled());
        appuie("Parametre");
        QCOMPARE(Messages::recueille(), QStringList({u("Aucun identifiant n'a été saisie")}));
    }

    void jouerConnecteLEleveChoisi() {
        demarre();
        inscritEleve("aucun", "Tom", "");
        Messages::recueille();
        // The selection went with the refill: nobody is chosen.
        appuie("Jouer");
        QCOMPARE(Messages::recueille(), QStringList({MalSaisi}));
        QVERIFY(ecran->isVisible());

        clique(liste("lb_nom_eleve"), "Tom");
        appuie("Jouer");
        QVERIFY(!ecran->isVisible());
        QCOMPARE(Etat().NomEleve, QStringLiteral("Tom"));  // the rest of the connection: connexion_test.cpp
        QVERIFY(!Messages::recueille().contains(MalSaisi));

        // Back from the chooser: nothing of that pupil stays chosen.
        ecran->show();
        QCOMPARE(liste("lb_nom_eleve")->count(), 0);
        QVERIFY(!w("lb_nom_eleve")->isEnabled());
        QCOMPARE(deroulante("cb_nom_ens")->currentText(), QStringLiteral("aucun"));
        appuie("Jouer");
        QCOMPARE(Messages::recueille(), QStringList({MalSaisi}));
    }

    // A damaged parameter file: the child reads a child's words and stays here; the file's name
    // is the teacher's, at their next visit. The adult who comes next reads failures as they are.
    void unEchecDeFichierLaisseLEleveSurCetEcran() {
        demarre();
        inscritEleve("aucun", "Tom", "");
        ecritOctets("classe sans enseignant/parametrage_Tom_de_aucun.txt", "n'importe quoi\r\n");
        clique(liste("lb_nom_eleve"), "Tom");
        genres.clear();
        Messages::recueille();
        appuie("Jouer");
        QVERIFY(ecran->isVisible());
        QCOMPARE(genres, QList<Messages::Genre>({Messages::Genre::Erreur}));
        QCOMPARE(Messages::recueille(), QStringList({ConnexionImpossible}));

        // A folder in the way of a new teacher's folder: the message, and the screen goes on.
        ecritOctets("classe de Paul", "x");
        genres.clear();
        inscritEnseignant("Paul", {});
        QCOMPARE(genres, QList<Messages::Genre>({Messages::Genre::Erreur}));
        QVERIFY(Messages::recueille().last().contains("classe de Paul"));
        QVERIFY(!FichierTexte::litLignes("enseignant.txt").contains("Paul"));

        clique(liste("lb_nom_ens_param"), "aucun");
        appuie("Parametre");
        const QString avis = Messages::recueille().join('\n');
        QVERIFY2(avis.contains(u("Pendant la séance de Tom\u00A0: Le fichier de paramétrage « classe sans "
                                 "enseignant/parametrage_Tom_de_aucun.txt » est illisible")),
                 qPrintable(avis));
    }

    // A teacher who wrote a pupil's sequence but never saved their own settings: the child plays
    // with no box, recorded in the text profile, and the teacher reads why at their next visit.
    void sansLeFichierDeLEnseignantLEleveJoueQuandMeme() {
        demarre();
        inscritEleve("aucun", "Tom", "");
        EcritFichier("classe sans enseignant/parametrage_Tom_de_aucun.txt",
                     TexteParameterFile("aucun", "Tom", SequenceSettings{.exercices = {ExerciseSettings{}}}));
        QWidget exo1;
        Ecrans::enregistre(Ecrans::Role::Exo1, &exo1, 1);
        clique(liste("lb_nom_eleve"), "Tom");
        Messages::recueille();
        appuie("Jouer");
        QTRY_VERIFY(exo1.isVisible());
        QCOMPARE(Messages::recueille(), QStringList());
        QVERIFY(Etat().SauvegardeTexte);
        QVERIFY(QFile::exists("classe sans enseignant/profil_Tom_de_aucun.txt"));

        exo1.hide();
        ecran->show();
        // Back here, nobody plays: an adult reads a failure as it is.
        ecritOctets("classe de Paul", "x");
        inscritEnseignant("Paul", {});
        QVERIFY(Messages::recueille().last().contains("classe de Paul"));
        clique(liste("lb_nom_ens_param"), "aucun");
        appuie("Parametre");
        const QString avis = Messages::recueille().join('\n');
        QVERIFY2(avis.contains("Tom") && avis.contains("profil texte"), qPrintable(avis));
    }

    void parametrerOuvreLesReglagesDeLEnseignantChoisi() {
        demarre();
        clique(liste("lb_nom_ens_param"), "Enseignant non inscrit");
        appuie("Parametre");
        QCOMPARE(Messages::recueille(), QStringList());
        QVERIFY(ecran->isVisible());
        clique(liste("lb_nom_ens_param"), "aucun");
        appuie("Parametre");
        QVERIFY(!ecran->isVisible());
        QVERIFY(parametrage->isVisible());
        QCOMPARE(Etat().EnseignantParametrage, QStringLiteral("aucun"));
        QCOMPARE(Etat().RepertoireClasse, QStringLiteral("classe sans enseignant/"));
        QVERIFY(ecran->LibellesExercices.isEmpty());
    }

    void uneListeDElevesSImporteApresUnApercuEtSExporte() {
        FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun", "Martin", Registre::LigneNiveau(1),
                                                     Registre::LigneNiveau(2)});
        QDir().mkdir("classe de Martin");
        FichierTexte::ecritLignes("classe de Martin/classe_Martin.txt", {Registre::EnteteListeEleves("Martin")});
        ecritOctets("liste.csv", cp1252("Prénom;Nom;Classe\r\nLéa;Martin;CE1\r\nZoé;N'Diaye;\r\n-Paul;Roux;ce1\r\n"));
        QStringList demandes;
        const auto retablit = qScopeGuard([reel = TSaisieIdentifiant::choixFichier] { TSaisieIdentifiant::choixFichier = reel; });
        TSaisieIdentifiant::choixFichier = [&](QWidget*, bool enregistrer, const QString&) {
            demandes << (enregistrer ? "enregistrer" : "ouvrir");
            return QString(enregistrer ? "sortie.csv" : "liste.csv");
        };
        demarre();
        // Without a class chosen, the teacher is told where to choose it.
        appuie("Importer");
        QCOMPARE(Messages::recueille(), QStringList{u("Choisissez d'abord la classe dans la liste « Classe de » (ou « "
                                                      "aucun » pour les élèves sans enseignant).")});
        clique(liste("lb_nom_ens_param"), "Martin");
        choisit(deroulante("cb_nom_ens"), "Martin");
        QStringList vu;
        quandParait(this, "ApercuImport", [&](QWidget* apercu) {
            vu << apercu->findChild<QLabel*>("ResumeApercu")->text();
            // The level for those the file gives none: the class's second level.
            auto* niveau = apercu->findChild<QComboBox*>("NiveauParDefaut");
            QVERIFY(niveau->isVisible());
            choisit(niveau, "ce2");
            auto* tableau = apercu->findChild<QTableWidget*>("TableauApercu");
            // Each row's outcome; the reasons' wording is the import's (import_eleves_test.cpp).
            for (int r = 0; r < tableau->rowCount(); ++r) vu << tableau->item(r, 3)->text().section(" : ", 0, 1);
            QTest::mouseClick(apercu->findChild<QPushButton*>("InscrireImport"), Qt::LeftButton);
        });
        appuie("Importer");
        QCOMPARE(vu, (QStringList{u("3 élèves lus : 2 seront inscrits, 1 refusé (en rouge, avec la raison)."),
                                  u("sera inscrit : « Léa Martin en classe de ce1 »"),
                                  u("sera inscrit : « Zoé N'Diaye en classe de ce2 »"), u("refusé : le nom n'est pas correct")}));
        QCOMPARE(Messages::recueille(), QStringList{u("2 élèves ont été inscrits.")});
        QCOMPARE(textes(liste("lb_nom_eleve")),
                 (QStringList{u("Elève non inscrit"), u("Léa Martin en classe de ce1"), u("Zoé N'Diaye en classe de ce2")}));
        // Cancelled: nothing more is written.
        const QByteArray avant = octetsDe("classe de Martin/classe_Martin.txt");
        quandParait(this, "ApercuImport", [](QWidget* apercu) { qobject_cast<QDialog*>(apercu)->reject(); });
        appuie("Importer");
        QCOMPARE(octetsDe("classe de Martin/classe_Martin.txt"), avant);
        QVERIFY(Messages::recueille().isEmpty());

        appuie("Exporter");
        QCOMPARE(octetsDe("sortie.csv"), cp1252("Nom;Niveau\r\nLéa Martin;ce1\r\nZoé N'Diaye;ce2\r\n"));
        QCOMPARE(Messages::recueille(), QStringList{u("La liste (2 élèves) a été exportée dans « sortie.csv ».")});
        QCOMPARE(demandes, (QStringList{"ouvrir", "ouvrir", "enregistrer"}));
    }

    void lesListesMontrentDesLignesEntieresATouteTaille() {
        QStringList classe{Registre::EnteteListeEleves("Martin")};
        for (int i = 1; i <= 30; ++i) classe << QString("Élève numéro %1 en classe de ce1").arg(i);
        classe << u("Marie-Charlotte de La Tour d'Auvergne-Lauragais en classe de ce1");
        FichierTexte::ecritLignes("enseignant.txt", {Registre::EnteteEnseignants, "aucun", "Martin", Registre::LigneNiveau(1)});
        QDir().mkdir("classe de Martin");
        FichierTexte::ecritLignes("classe de Martin/classe_Martin.txt", classe);
        for (const QSize& taille : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            const QByteArray ici = QByteArray::number(taille.width());
            demarre(taille);
            choisit(deroulante("cb_nom_ens"), "Martin");
            for (QListWidget* l : {liste("lb_nom_ens_param"), liste("lb_nom_eleve")}) {
                const int ligne = l->visualItemRect(l->item(0)).height();
                QVERIFY2(ligne >= 44, ici);
                QVERIFY2(l->viewport()->height() % ligne == 0 && l->viewport()->height() / ligne >= 3, ici);
                QVERIFY2(!l->horizontalScrollBar()->isVisible(), ici);
            }
            // Six pupils in view on the design display, more than ten on a wide one; a long name
            // keeps its first whole words.
            auto* eleves = liste("lb_nom_eleve");
            eleves->doItemsLayout();  // as the next paint does
            int vus = 0;
            for (int i = 0; i < eleves->count(); ++i)
                vus += eleves->viewport()->rect().contains(eleves->visualItemRect(eleves->item(i)));
            QVERIFY2(vus >= (taille.width() == 1920 ? 11 : 6), ici + " " + QByteArray::number(vus));
            const QString court = LignesEquilibrees::finDeMot(eleves->font(), classe.last(),
                                                              eleves->visualItemRect(eleves->item(1)).width());
            QVERIFY2(court.endsWith(u("…")) && classe.last().startsWith(court.chopped(1) + ' '), qPrintable(court));
            w("PremierPas")->show();
            QVERIFY2(recouvrements(ecran.get()).isEmpty(), qPrintable(recouvrements(ecran.get()).join(", ")));
            // The fourth pupil (under the first three) is caught by a click, and so is the last one.
            for (int rang : {3, 31}) {
                eleves->scrollToItem(eleves->item(rang));
                const QRect r = eleves->visualItemRect(eleves->item(rang));
                QVERIFY2(eleves->viewport()->rect().contains(r), ici);
                QTest::mouseClick(eleves->viewport(), Qt::LeftButton, {}, r.center());
                QCOMPARE(eleves->currentRow(), rang);
            }
            QCOMPARE(eleves->item(31)->toolTip(), classe.last());
            // Arrows as wide as a line of text; the chosen teacher's name shown whole.
            auto* jeux = deroulante("cb_nom_ens");
            QStyleOptionComboBox option;
            option.initFrom(jeux);
            option.rect = jeux->rect();
            const int hauteurTexte = jeux->fontMetrics().height();
            QVERIFY2(jeux->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, jeux).width() >=
                         hauteurTexte,
                     ici);
            QVERIFY2(jeux->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, jeux).width() >
                         jeux->width() / 2,
                     ici);
            QVERIFY2(eleves->verticalScrollBar()->width() >= hauteurTexte * 4 / 5, ici);
            ecran.reset();
            Ajustement::reinitialise();
        }
    }

    void quitterTermineLeProgramme() {
        demarre();
        // Tab round the whole screen and a space on whatever has the focus never ends the program.
        ecran->activateWindow();
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : ecran.get(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != w("Quitter"));
        }
        w("Quitter")->setFocus();
        QTest::keyClick(w("Quitter"), Qt::Key_Space);
        QVERIFY(!fini);
        appuie("Quitter");
        QVERIFY(fini);
    }
};

MARIVELLE_QTEST_MAIN(SaisieIdentifiantTest)
#include "saisie_identifiant_qtest.moc"
