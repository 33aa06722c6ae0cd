// The reference of the start-up measure: a bare Qt window, shown full-screen and left as soon as
// it is shown, exactly as demarrage_mesure leaves the identification screen (bench/README.md).
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.setWindowFlags(Qt::FramelessWindowHint);
    fenetre.showFullScreen();
    QTimer::singleShot(0, &application, [&fenetre] {
        if (fenetre.isVisible()) QApplication::exit(0);
    });
    return QApplication::exec();
}
