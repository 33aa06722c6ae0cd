// marivelle_genimages <dossier>: writes the Images/ pictures (FondMarin.jpg, Tortues/, Dominos/)
// into <dossier> from the SVG pictures compiled into the program.

#include "RenduImages.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Fonts and the image plugins need a GUI application; "offscreen" needs no display.
    QGuiApplication application(argc, argv);
    QTextStream erreurs(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        erreurs << "usage : marivelle_genimages <dossier Images>\n";
        return 2;
    }
    int echecs = 0;
    for (const auto& image : marivelle::genimages::imagesDuDossierImages()) {
        const QString erreur = marivelle::genimages::rendJpeg(image, arguments.at(1));
        if (!erreur.isEmpty()) {
            erreurs << erreur << '\n';
            ++echecs;
        }
    }
    return echecs == 0 ? 0 : 1;
}
