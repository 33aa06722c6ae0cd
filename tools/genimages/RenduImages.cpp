#include "RenduImages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

namespace marivelle::genimages {

namespace {
constexpr int kQualiteJpeg = 92;
constexpr int kDernierNombre = 10;
const QSize kTailleFond{1024, 665};
const QSize kTailleAide{158, 75};
const QSize kTailleTortues{236, 84};  // two trays of five big turtles
}  // namespace

QList<ImageARendre> imagesDuDossierImages() {
    QList<ImageARendre> images{{QStringLiteral(":/svg/fond_marin.svg"), QStringLiteral("FondMarin.jpg"), kTailleFond}};
    for (int n = 0; n <= kDernierNombre; ++n) {
        const QString nombre = QString::number(n);
        images.append(
            {QStringLiteral(":/svg/tortues_%1.svg").arg(nombre), QStringLiteral("Tortues/%1.jpg").arg(nombre), kTailleTortues});
        images.append(
            {QStringLiteral(":/svg/dominos_%1.svg").arg(nombre), QStringLiteral("Dominos/%1.jpg").arg(nombre), kTailleAide});
    }
    return images;
}

QString rendJpeg(const ImageARendre& image, const QString& dossierImages) {
    QSvgRenderer rendu(image.ressourceSvg);
    if (!rendu.isValid()) return QStringLiteral("image SVG illisible : %1").arg(image.ressourceSvg);

    // JPEG has no transparency: paint on white so see-through parts do not turn black.
    QImage toile(image.taille, QImage::Format_RGB32);
    toile.fill(Qt::white);
    {
        QPainter peintre(&toile);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setRenderHint(QPainter::SmoothPixmapTransform);
        rendu.render(&peintre, QRectF(QPointF(0, 0), QSizeF(image.taille)));
    }

    const QString chemin = QDir(dossierImages).filePath(image.fichier);
    if (!QDir().mkpath(QFileInfo(chemin).absolutePath()))
        return QStringLiteral("impossible de créer le dossier de %1").arg(chemin);
    QImageWriter ecrivain(chemin, "jpeg");
    ecrivain.setQuality(kQualiteJpeg);
    if (!ecrivain.write(toile)) return QStringLiteral("impossible d'écrire %1 : %2").arg(chemin, ecrivain.errorString());
    return {};
}

}  // namespace marivelle::genimages
