// The reference of the start-up measure: a bare Qt window, shown full-screen and left as soon as
// it has painted itself, exactly as demarrage_mesure leaves the identification screen
// (bench/README.md).
#include "SortieApresPeinture.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.setWindowFlags(Qt::FramelessWindowHint);
    fenetre.installEventFilter(new SortieApresPeinture(&fenetre));
    fenetre.showFullScreen();
    return QApplication::exec();
}
