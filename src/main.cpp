// Marivelle: mental arithmetic training for primary-school children.
#include "app/Demarrage.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marivelle"));
    Demarrage::prepare();
    Demarrage::creeLesEcrans();
    Demarrage::montreFenetrePrincipale();
    return QApplication::exec();
}
