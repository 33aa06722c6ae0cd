// Start-up measure: the program's own start (fonts, random seed, nine screens, main window shown),
// then quits as soon as the main window has been shown. Timed from outside (hyperfine, time -v),
// see bench/README.md.
#include "app/Demarrage.h"
#include "interface/Ecrans.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Demarrage::prepare();
    Demarrage::creeLesEcrans();
    Demarrage::montreFenetrePrincipale();
    QTimer::singleShot(0, &application, [] {
        if (Ecrans::ecran(Ecrans::Role::SaisieIdentifiant)->isVisible()) QApplication::exit(0);
    });
    return QApplication::exec();
}
