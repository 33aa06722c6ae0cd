// Marivelle: mental arithmetic training for primary-school children.
#include "programme/Demarrage.h"
#include "programme/DossierDonnees.h"
#include "programme/ExportJournal.h"
#include "programme/ImportListe.h"
#include "programme/PredictionsMemoire.h"
#include "programme/TestDeDepartTexte.h"
#include "logique/base/Garde.h"
#include "logique/journal/Journal.h"

#include <QApplication>
#include <QDir>

namespace {
QStringList argumentsDe(int argc, char* argv[]) {
    QStringList liste;
    for (int i = 0; i < argc; ++i) liste << QString::fromLocal8Bit(argv[i]);
    return liste;
}
}  // namespace

int main(int argc, char* argv[]) {
    // The journal export and the class-list import run without any window, so they work on a
    // terminal without a display.
    const QStringList arguments = argumentsDe(argc, argv);
    if (const auto demande = ExportJournal::lit(arguments)) {
        QCoreApplication application(argc, argv);
        return ExportJournal::execute(*demande, DossierDonnees::dossierPartage(QCoreApplication::applicationDirPath()),
                                      QDir::homePath());
    }
    if (const auto demande = ImportListe::lit(arguments)) {
        QCoreApplication application(argc, argv);
        return ImportListe::execute(*demande, DossierDonnees::dossierPartage(QCoreApplication::applicationDirPath()),
                                    QDir::homePath());
    }
    if (const auto demande = PredictionsMemoire::lit(arguments)) {
        QCoreApplication application(argc, argv);
        return PredictionsMemoire::execute(*demande);
    }
    if (const auto demande = TestDeDepartTexte::lit(arguments)) {
        QCoreApplication application(argc, argv);
        return TestDeDepartTexte::execute(*demande, stdin, stdout);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marivelle"));
    const QString partage = DossierDonnees::dossierPartage(QApplication::applicationDirPath());
    const bool pret = Garde::execute([&] {
        DossierDonnees::prepare(DossierDonnees::choisit(QApplication::arguments(), partage, QDir::homePath()), partage);
        DossierDonnees::nettoie();
    });
    if (!pret) return 1;
    Demarrage::prepare();
    Demarrage::connecteServeur();
    // What the journal could not store before an earlier program ended is stored now, in the background.
    Journal::reprendEnAttente();
    Demarrage::creeLesEcrans();
    Demarrage::montreFenetrePrincipale();
    const int code = QApplication::exec();
    // The answers still queued are written before the program ends.
    Journal::arrete();
    return code;
}
