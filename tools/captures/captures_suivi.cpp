// Pictures of the teacher's progress view on a made-up class of 30 pupils, many with long names
// (three months of answers, the autumn holidays without any): the class, the pages of a pupil of
// multiplications (a fact never asked clicked), of a pupil of additions and of a pupil who began
// this week, and the family report as a PDF, for looking at them:
//   captures_suivi <folder> [WxH ...]   (default 1024x768 1920x1080)
// Offscreen unless QT_QPA_PLATFORM says otherwise (xcb under Xvfb shows real windows); runs in a
// temporary working folder; the PDFs are <folder>/bilan_annee.pdf (a pupil since September),
// bilan_decembre.pdf (one who began this week), bilan_nouveau.pdf (one who never played) and
// bilans_classe.pdf (every pupil); the report's preview with the teacher's word is saved too.
#include "TaillesDemandees.h"
#include "logique/base/Horloge.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Messages.h"
#include "ecrans/commun/Affichage.h"
#include "ecrans/commun/Polices.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/Journal.h"
#include "logique/journal/MagasinSql.h"
#include "logique/parametres/ParameterFiles.h"
#include "logique/etat/SharedState.h"
#include "ecrans/suivi/GrilleFaits.h"
#include "ecrans/suivi/TSuiviEleves.h"
#include "logique/depart/TestDeDepart.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>
#include <random>

namespace {
const QString Enseignant = QStringLiteral("Mme Durand");
const QDateTime Maintenant(QDate(2026, 12, 9), QTime(16, 30));
const QString Niveau = QStringLiteral(" en classe de ce2");

struct Profil {
    QString nom;
    double niveau;           // chance of a right answer at the start
    double progres;          // gained by December
    int premiere, derniere;  // tables set
    Operation operation = Operation::Multiplication;
    bool recule = false;  // a worse last week
    QDate debut = QDate(2026, 9, 3);
};

QList<Profil> profils() {
    const auto x = Operation::Multiplication, plus = Operation::Addition;
    QList<Profil> liste = {
        {QStringLiteral("Zoé Martin"), 0.75, 0.2, 2, 9, x, true},
        {QStringLiteral("Inès Bernard"), 0.6, 0.3, 2, 9, plus},
        {QStringLiteral("Marie-Charlotte de La Rochefoucauld-Montbazon"), 0.7, 0.1, 6, 9, x, true},
        {QStringLiteral("Jean-Baptiste Delacroix-Montgolfier"), 0.9, 0.08, 2, 9},
        {QStringLiteral("Anne-Sophie Vandenberghe-Lefebvre"), 0.55, 0.25, 2, 5, plus},
        {QStringLiteral("Maximilien Oppenheimer"), 0.8, 0.15, 2, 9},
        {QStringLiteral("Nina Rousseau"), 0.7, 0.0, 2, 5, x, false, QDate(2026, 12, 7)},
    };
    const QStringList prenoms =
        QStringLiteral(
            "Adam,Chloé,Noah,Jade,Hugo,Léna,Gabriel,Louise,Arthur,Alice,Raphaël,Emma,Louis,Rose,Jules,Ambre,Léo,Anna,Éloïse-Victoire,Timothée,Capucine,Barthélémy,Apolline")
            .split(QLatin1Char(','));
    const QStringList noms =
        QStringLiteral(
            "Petit,Laurent,Girard,Roux,Fournier,Mercier,Lefèvre,Dupont-Aignan,Garnier,Chevalier,François,Legrand,Gauthier,Garcia,Perrin,Robin,Clément,Morin,Nicolas-Beaumarchais,Henry,Roussel-Desjardins,Mathieu,Saint-Exupéry")
            .split(QLatin1Char(','));
    std::mt19937 hasard(11);
    for (qsizetype i = 0; liste.size() < 29; ++i)
        liste.append({prenoms[i] + QLatin1Char(' ') + noms[i], 0.55 + 0.4 * (hasard() % 100) / 100.0, 0.1, 2, 9,
                      i % 5 == 0 ? Operation::Addition : Operation::Multiplication, i % 7 == 3});
    return liste;
}

void remplit(const QString& classe) {
    QStringList liste{QStringLiteral("--------------Fichier de la classe de Mme Durand--------------")};
    ParametresConnexion p;
    p.base = Journal::cheminSqlite(Enseignant, classe);
    MagasinSql magasin(p);
    std::mt19937 hasard(7);
    std::uniform_real_distribution<double> u01(0, 1);
    const QDate vacances(2026, 10, 17), rentree(2026, 11, 2);
    for (const Profil& pr : profils()) {
        const QString eleve = pr.nom + Niveau;
        liste << eleve;
        ExerciseSettings reglages;
        reglages.TypeExercice = 1;
        for (int t = pr.premiere; t <= pr.derniere; ++t) reglages.tables << EntreeTable::table(t, 0, 10, int(pr.operation));
        EcritFichier(classe + NomsDossier::parametrage(eleve, Enseignant),
                     TexteParameterFileDeBlocs(Enseignant, eleve, {BlocExercice(reglages)}, 0, 0));
        for (QDate jour = pr.debut; jour <= Maintenant.date(); jour = jour.addDays(1)) {
            if (jour.dayOfWeek() == 3 || jour.dayOfWeek() >= 6 || (jour >= vacances && jour < rentree) || u01(hasard) < 0.25)
                continue;
            const double avance = double(QDate(2026, 9, 3).daysTo(jour)) / 97.0;
            const bool mauvais = pr.recule && jour >= QDate(2026, 12, 2);
            qint64 moment = QDateTime(jour, QTime(10, 0)).toMSecsSinceEpoch();
            for (int q = 0; q < 15; ++q) {
                EntreeJournal e;
                e.enseignant = Enseignant;
                e.eleve = eleve;
                e.moment = moment;
                e.position = 1;
                const int a = pr.premiere + int(hasard() % unsigned(pr.derniere - pr.premiere + 1));
                const int b = int(hasard() % 11);
                const bool fois = pr.operation == Operation::Multiplication;
                e.fait = Fait{a, pr.operation, b, fois ? a * b : a + b};
                const double difficulte = (a >= 6 ? 0.12 : 0) + (b >= 6 ? 0.1 : 0) + (b <= 1 ? -0.2 : 0);
                const double chance = std::clamp(pr.niveau + pr.progres * avance - difficulte - (mauvais ? 0.35 : 0), 0.05, 0.99);
                e.justePremierCoup = u01(hasard) < chance;
                e.essais = e.justePremierCoup ? 1 : 2;
                const double base = 3800 - 2600 * avance * pr.niveau + difficulte * 5000;
                e.msPremiere = int(std::max(600.0, base * std::exp(0.35 * (u01(hasard) - 0.5) * 2)));
                e.msFin = e.justePremierCoup ? e.msPremiere : (u01(hasard) < 0.8 ? e.msPremiere + 3000 : -1);
                magasin.ajoute(e);
                moment += 8000 + e.msPremiere;
            }
        }
    }
    // A pupil who arrived this morning and took the starting test of multiplications: knows the
    // tables of 1, 2, 5 and 10, not those of 6 to 9.
    {
        const QString eleve = QStringLiteral("Léo Dupuis") + Niveau;
        liste << eleve;
        Depart::TestDeDepart test(Operation::Multiplication);
        qint64 moment = QDateTime(Maintenant.date(), QTime(9, 0)).toMSecsSinceEpoch();
        while (const auto q = test.questionSuivante()) {
            const auto facile = [](int n) { return n <= 2 || n == 5 || n == 10; };
            const bool juste = facile(q->gauche) || facile(q->droite) || (q->gauche < 6 && q->droite < 6);
            EntreeJournal e;
            e.enseignant = Enseignant;
            e.eleve = eleve;
            e.moment = moment;
            e.typeExercice = 6;
            e.fait = Fait{q->gauche, Operation::Multiplication, q->droite, q->gauche * q->droite};
            e.justePremierCoup = juste;
            e.essais = juste ? 1 : 2;
            e.msPremiere = juste ? 1800 : 5200;
            e.msFin = e.msPremiere + (juste ? 0 : 3000);
            magasin.ajoute(e);
            test.repond(juste, e.msPremiere);
            moment += 6000 + e.msPremiere;
        }
    }
    liste << QStringLiteral("Élise Garnier") + Niveau;
    FichierTexte::ecritLignes(classe + QStringLiteral("classe_Mme Durand.txt"), liste);
}

void attends(const std::function<bool()>& condition, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void clique(QWidget* w, const QPoint& p) {
    QMouseEvent appui(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &appui);
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Polices::installe();
    Messages::installeRepondeur([](Messages::Genre, const QString&) { return true; });
    const QString dossier = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captures")).absolutePath();
    QDir().mkpath(dossier);
    const QList<QSize> tailles = taillesDemandees(argc, argv);
    QTemporaryDir travail;
    QDir::setCurrent(travail.path());
    const QString classe = NomsDossier::repertoireClasse(Enseignant);
    QDir().mkpath(classe);
    Horloge::fixe(Maintenant);
    remplit(classe);
    Etat().EnseignantParametrage = Enseignant;

    for (const QSize& taille : tailles) {
        Affichage::fixeTaille(taille);
        const QString suffixe = QStringLiteral("_%1x%2.png").arg(taille.width()).arg(taille.height());
        TSuiviEleves suivi;
        suivi.show();
        attends([&] { return suivi.windowHandle() && suivi.windowHandle()->isExposed(); });
        const auto sauve = [&](const QString& nom) {
            QApplication::processEvents();
            suivi.grab().save(dossier + QLatin1Char('/') + nom + suffixe);
        };
        sauve(QStringLiteral("suivi_classe"));
        // A pupil of multiplications, "1 × 7" clicked: never asked, though "7 × 1" was.
        suivi.montreEleve(QStringLiteral("Zoé Martin") + Niveau);
        QApplication::processEvents();
        auto* grille = suivi.findChild<GrilleFaits*>(QStringLiteral("Grille2"));
        clique(grille, grille->rectangle(1, 7).center());
        sauve(QStringLiteral("suivi_eleve_multiplications"));
        suivi.montreEleve(QStringLiteral("Inès Bernard") + Niveau);
        sauve(QStringLiteral("suivi_eleve_additions"));
        suivi.montreEleve(QStringLiteral("Nina Rousseau") + Niveau);
        sauve(QStringLiteral("suivi_eleve_nouvelle"));
        suivi.montreEleve(QStringLiteral("Léo Dupuis") + Niveau);
        sauve(QStringLiteral("suivi_eleve_test_de_depart"));
        suivi.montreEleve(QStringLiteral("Zoé Martin") + Niveau);
        // The report's preview, the teacher's word typed in it; closing it keeps the word.
        QTimer::singleShot(0, [&] {
            auto* apercu = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!apercu) qFatal("pas d'aperçu du bilan");
            apercu->findChild<QPlainTextEdit*>(QStringLiteral("MotEnseignant"))
                ->setPlainText(QStringLiteral("Zoé a fait de beaux progrès sur les tables de 2 à 5. Les tables de 6 à 9 "
                                              "viendront avec un peu d'entraînement chaque soir."));
            QApplication::processEvents();
            apercu->grab().save(dossier + QStringLiteral("/bilan_apercu") + suffixe);
            apercu->accept();
        });
        suivi.findChild<QPushButton*>(QStringLiteral("Imprimer"))->click();
        suivi.enregistrePdf(dossier + QStringLiteral("/bilan_annee.pdf"));
        suivi.montreEleve(QStringLiteral("Nina Rousseau") + Niveau);
        suivi.enregistrePdf(dossier + QStringLiteral("/bilan_decembre.pdf"));
        suivi.montreEleve(QStringLiteral("Élise Garnier") + Niveau);
        suivi.enregistrePdf(dossier + QStringLiteral("/bilan_nouveau.pdf"));
        suivi.enregistreRapportsClasse(dossier + QStringLiteral("/bilans_classe.pdf"));
        suivi.hide();
    }
    return 0;
}
