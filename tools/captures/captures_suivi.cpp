// Pictures of the teacher's progress view on a made-up class (three months of answers, one pupil
// who began on 7 December, one who never played): the class, one pupil's grids and charts, the
// family report's preview with the teacher's word, and the reports as PDF, for looking at them:
//   captures_suivi <folder> [WxH ...]   (default 1024x768 1920x1080)
// Runs offscreen in a temporary working folder; the PDFs are <folder>/bilan_annee.pdf (a pupil
// since September), bilan_decembre.pdf, bilan_nouveau.pdf and bilans_classe.pdf (every pupil).
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
#include "ecrans/suivi/TSuiviEleves.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <random>

namespace {
const QString Enseignant = QStringLiteral("Mme Durand");
const QDateTime Maintenant(QDate(2026, 12, 9), QTime(16, 30));

struct Profil {
    QString nom;
    double niveau;           // chance of a right answer at the start
    double progres;          // gained by December
    int premiere, derniere;  // tables set
    bool recule = false;     // a worse last week
    QDate debut = QDate(2026, 9, 3);
};

void remplit(const QString& classe) {
    const QList<Profil> profils = {
        {QStringLiteral("Zoé Martin"), 0.75, 0.2, 2, 9, true},
        {QStringLiteral("Adam Petit"), 0.85, 0.12, 2, 9},
        {QStringLiteral("Inès Bernard"), 0.6, 0.3, 2, 5},
        {QStringLiteral("Lucas Moreau"), 0.7, 0.1, 6, 9, true},
        {QStringLiteral("Chloé Laurent"), 0.9, 0.08, 2, 9},
        {QStringLiteral("Noah Girard"), 0.55, 0.25, 2, 5},
        {QStringLiteral("Jade Roux"), 0.8, 0.15, 2, 9},
        {QStringLiteral("Hugo Fournier"), 0.65, 0.2, 6, 9},
        {QStringLiteral("Léna Mercier"), 0.7, 0.22, 2, 9},
        {QStringLiteral("Gabriel Lefèvre"), 0.9, 0.05, 2, 9},
        {QStringLiteral("Tom Lefort"), 0.7, 0, 2, 5, false, QDate(2026, 12, 7)},
    };
    QStringList liste{QStringLiteral("--------------Fichier de la classe de Mme Durand--------------")};
    ParametresConnexion p;
    p.base = Journal::cheminSqlite(Enseignant, classe);
    MagasinSql magasin(p);
    std::mt19937 hasard(7);
    std::uniform_real_distribution<double> u01(0, 1);
    for (const Profil& pr : profils) {
        const QString eleve = pr.nom + QStringLiteral(" en classe de ce2");
        liste << eleve;
        ExerciseSettings x;
        x.TypeExercice = 1;
        for (int t = pr.premiere; t <= pr.derniere; ++t) x.tables << EntreeTable::table(t, 0, 10, 2);
        EcritFichier(classe + NomsDossier::parametrage(eleve, Enseignant),
                     TexteParameterFileDeBlocs(Enseignant, eleve, {BlocExercice(x)}, 0, 0));
        for (QDate jour = pr.debut; jour <= Maintenant.date(); jour = jour.addDays(1)) {
            if (jour.dayOfWeek() == 3 || jour.dayOfWeek() >= 6 || u01(hasard) < 0.25) continue;
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
                e.fait = Fait{a, Operation::Multiplication, b, a * b};
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
    liste << QStringLiteral("Élise Garnier en classe de ce2");
    FichierTexte::ecritLignes(classe + QStringLiteral("classe_Mme Durand.txt"), liste);
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
        QApplication::processEvents();
        suivi.grab().save(dossier + QStringLiteral("/suivi_classe") + suffixe);
        suivi.montreEleve(QStringLiteral("Zoé Martin en classe de ce2"));
        suivi.findChild<QTabWidget*>(QStringLiteral("Grilles"))->setCurrentIndex(2);
        QApplication::processEvents();
        suivi.grab().save(dossier + QStringLiteral("/suivi_eleve") + suffixe);
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
        suivi.montreEleve(QStringLiteral("Tom Lefort en classe de ce2"));
        suivi.enregistrePdf(dossier + QStringLiteral("/bilan_decembre.pdf"));
        suivi.montreEleve(QStringLiteral("Élise Garnier en classe de ce2"));
        suivi.enregistrePdf(dossier + QStringLiteral("/bilan_nouveau.pdf"));
        suivi.enregistreRapportsClasse(dossier + QStringLiteral("/bilans_classe.pdf"));
        suivi.hide();
    }
    return 0;
}
