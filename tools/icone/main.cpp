// Renders the program's icon from its SVG source into the PNG sizes desktops ask for:
//   marivelle_icone <icon.svg> <folder>  ->  <folder>/<n>x<n>/apps/marivelle.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage : marivelle_icone <icone.svg> <dossier>\n");
        return 2;
    }
    QSvgRenderer rendu(QString::fromLocal8Bit(argv[1]));
    if (!rendu.isValid()) return 1;
    for (int taille : {16, 32, 48, 64, 128, 256}) {
        QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        rendu.render(&peintre);
        peintre.end();
        const QString dossier = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(taille);
        if (!QDir().mkpath(dossier) || !image.save(dossier + QStringLiteral("/marivelle.png"))) return 1;
    }
    return 0;
}
