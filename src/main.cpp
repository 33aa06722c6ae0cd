// Marivelle: mental arithmetic training for primary-school children.
#include "app/Demarrage.h"
#include "app/DossierDonnees.h"
#include "base/Garde.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marivelle"));
    const QString partage = DossierDonnees::dossierPartage(QApplication::applicationDirPath());
    const bool pret = Garde::execute([&] {
        DossierDonnees::prepare(DossierDonnees::choisit(QApplication::arguments(), partage, QDir::homePath()), partage);
        DossierDonnees::nettoie();
    });
    if (!pret) return 1;
    Demarrage::prepare();
    Demarrage::creeLesEcrans();
    Demarrage::montreFenetrePrincipale();
    return QApplication::exec();
}
