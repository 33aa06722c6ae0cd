// Start-up measure: the program's own start (fonts, random seed, the screens, main window shown),
// left as soon as the main window has painted itself. Timed from outside (hyperfine, time -v),
// side by side with fenetre_nue_mesure, see bench/README.md.
#include "SortieApresPeinture.h"
#include "programme/Demarrage.h"
#include "ecrans/commun/Ecrans.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Demarrage::prepare();
    Demarrage::creeLesEcrans();
    Demarrage::montreFenetrePrincipale();
    // Installed last, so it sees the first paint before the filter that goes on creating the
    // other screens: what follows the window on screen is not timed.
    QWidget* fenetre = Ecrans::ecran(Ecrans::Role::SaisieIdentifiant);
    fenetre->installEventFilter(new SortieApresPeinture(fenetre));
    return QApplication::exec();
}
