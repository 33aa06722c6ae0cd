// Pictures of the teacher's side in real windows, for looking at them: the identification screen
// on the first start (no teacher yet), then with a class of 30 imported pupils (and its drop-down
// open), and the settings screen at each guided step, with the hint of a greyed control, then
// full. Run under an X server of the size wanted
// (xvfb-run -s "-screen 0 1280x1024x24" captures_enseignant <folder>); the pictures are
// <folder>/<name>_<W>x<H>.png, grabbed from the screen.
#include "logique/base/Messages.h"
#include "logique/base/FichierTexte.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Polices.h"
#include "logique/etat/NomsDossier.h"
#include "logique/parametres/ExercicesDefinis.h"
#include "logique/etat/SharedState.h"
#include "ecrans/identification/ApercuImport.h"
#include "logique/identification/ImportEleves.h"
#include "logique/identification/NomsRegistre.h"
#include "logique/identification/Registre.h"
#include "ecrans/identification/TSaisieIdentifiant.h"
#include "ecrans/parametres/TParametrage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>

namespace {
const QString Enseignant = QStringLiteral("Mme Durand");
QString dossier, suffixe;

void attends(int ms = 300) {
    for (int i = 0; i < ms / 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

// After a moment: a hint that goes fades out in 300 ms.
void photo(const QString& nom) {
    attends(600);
    QGuiApplication::primaryScreen()->grabWindow(0).save(dossier + QLatin1Char('/') + nom + suffixe);
}

template <typename T = QAbstractButton>
T* w(QWidget* ecran, const char* nom) {
    T* c = ecran->findChild<T*>(QString::fromLatin1(nom));
    if (!c) qFatal("pas de contrôle %s", nom);
    return c;
}

void classe() {
    Registre::EnregistreEnseignant(Etat(), Enseignant, {1, 2});
    const QStringList prenoms = {"Léa",   "Zoé",     "Anaïs",  "Maël",    "Noémie", "Lucas",          "Chloé",  "Hugo",
                                 "Inès",  "Jules",   "Éloïse", "Raphaël", "Jeanne", "Gaël",           "Agathe", "Timothée",
                                 "Célia", "Nathan",  "Maëlys", "Loïc",    "Sacha",  "Adam",           "Jade",   "Noah",
                                 "Lina",  "Gabriel", "Manon",  "Arthur",  "Louise", "Marie-Charlotte"};
    const QStringList noms = {"Martin",    "N'Diaye",  "D'Arc",   "Le Guénnec", "Côté",    "Bernard",
                              "Lefèvre",   "Moreau",   "Laurent", "Fournier",   "O'Brien", "Girard",
                              "d'Aubigné", "Müller",   "Bœuf",    "Mercier",    "Blanc",   "Guérin",
                              "Faure",     "André",    "L'Hôte",  "Petit",      "Roux",    "Garnier",
                              "Chevalier", "François", "Lambert", "Bonnet",     "Dupont",  "de La Tour d'Auvergne"};
    QList<ListeLue::Eleve> lus;
    for (int i = 0; i < 30; ++i) lus << ListeLue::Eleve{i + 1, prenoms[i] + QLatin1Char(' ') + noms[i], i % 3 ? "ce1" : "ce2"};
    ImportEleves::enregistre(Enseignant, ImportEleves::prepare(Etat(), Enseignant, lus, {}));
}

// The hint a teacher gets by resting the mouse on a greyed control: the pointer is moved on the
// X server and the hint comes as it would for a hand on the mouse.
void survole(QWidget* controle) {
    QCursor::setPos(controle->mapToGlobal(controle->rect().center() + QPoint(1, 0)));
    attends(100);
    QCursor::setPos(controle->mapToGlobal(controle->rect().center()));
    attends(1500);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Polices::installe();
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    dossier = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captures")).absolutePath();
    QDir().mkpath(dossier);
    const QSize taille = Affichage::taille();
    suffixe = QStringLiteral("_%1x%2.png").arg(taille.width()).arg(taille.height());
    QTemporaryDir travail;
    QDir::setCurrent(travail.path());
    FichierTexte::ecritLignes(QStringLiteral("enseignant.txt"), {Registre::EnteteEnseignants, Registre::Aucun});

    TSaisieIdentifiant identification;
    identification.show();
    photo(QStringLiteral("identification_premier_lancement"));
    identification.hide();
    classe();
    identification.show();
    attends();
    auto* jeux = w<QComboBox>(&identification, "cb_nom_ens");
    jeux->setCurrentIndex(jeux->findText(Enseignant));
    identification.cb_nom_ensChange();
    w<QListWidget>(&identification, "lb_nom_ens_param")->setCurrentRow(2);
    photo(QStringLiteral("identification"));
    jeux->showPopup();
    photo(QStringLiteral("identification_deroulante"));
    jeux->hidePopup();
    // What an import would do, before anything is written.
    FichierTexte::ecritLignes(QStringLiteral("import.csv"),
                              {QStringLiteral("Prénom;Nom;Niveau"), QStringLiteral("Léa;Martin;CE1"),
                               QStringLiteral("Paul;Durand;"), QStringLiteral("-Paul;Roux;ce1"),
                               QStringLiteral("Jules;Fournier;cm2"), QStringLiteral("Ambre;Petit;ce2"),
                               QStringLiteral("Ambre;Petit;ce2")});
    {
        ApercuImport apercu(&identification, Etat(), Enseignant, QStringLiteral("import.csv"),
                            ListeLue::lit(QStringLiteral("import.csv"), Registre::Niveaux));
        apercu.show();
        photo(QStringLiteral("identification_apercu_import"));
    }
    identification.hide();

    Etat().RepertoireClasse = NomsDossier::repertoireClasse(Enseignant);
    Etat().EnseignantParametrage = Enseignant;
    TParametrage parametrage;
    parametrage.recoitEnseignant({}, Registre::FichierListeEleves(Enseignant));
    parametrage.show();
    // Without a window manager nothing makes the window active, and hints show in active windows.
    QApplication::setActiveWindow(&parametrage);
    photo(QStringLiteral("parametrage_1_ouverture"));
    survole(w<QWidget>(&parametrage, "Operation2"));
    photo(QStringLiteral("parametrage_1_aide_grisee"));
    w(&parametrage, "Type1")->click();
    photo(QStringLiteral("parametrage_2_type"));
    w(&parametrage, "Operation2")->click();
    w(&parametrage, "TablePrecise")->click();
    survole(w<QWidget>(&parametrage, "NbreQuestion"));
    photo(QStringLiteral("parametrage_3_operation"));
    // Four exercises that differ only at the end of their captions, then one of kind 3.
    auto* numeros = w<QListWidget>(&parametrage, "ListeTable1");
    for (int n : {2, 3, 4, 5, 6}) {
        numeros->item(n - 1)->setCheckState(Qt::Checked);
        emit numeros->itemClicked(numeros->item(n - 1));
    }
    w(&parametrage, "Ajouter_Button1")->click();
    photo(QStringLiteral("parametrage_4_tables"));
    for (int q : {10, 15, 20, 25}) {
        w<QSpinBox>(&parametrage, "NbreQuestion")->setValue(q);
        w(&parametrage, "Enregistrer")->click();
    }
    w(&parametrage, "Type3")->click();
    survole(w<QWidget>(&parametrage, "Aide1"));
    photo(QStringLiteral("parametrage_5_complet"));
    // The starting test: its operations only.
    w(&parametrage, "Type6")->click();
    for (const char* operation : {"Operation0", "Operation2"}) {
        w(&parametrage, operation)->click();
        w(&parametrage, "Ajouter_Button1")->click();
    }
    survole(w<QWidget>(&parametrage, "NbreQuestion"));
    photo(QStringLiteral("parametrage_6_test_de_depart"));
    return 0;
}
