#pragma once
// Renders the built-in pictures that the program also ships as files in Images/ (JPEG),
// so that a teacher can replace them and a missing file still has a built-in twin.

#include <QList>
#include <QSize>
#include <QString>

namespace marivelle::genimages {

struct ImageARendre {
    QString ressourceSvg;  // e.g. ":/svg/tortues_3.svg"
    QString fichier;       // relative to the Images folder, e.g. "Tortues/3.jpg"
    QSize taille;          // design size: the JPEG is exactly this size
};

// FondMarin.jpg, Tortues/0..10.jpg and Dominos/0..10.jpg.
QList<ImageARendre> imagesDuDossierImages();

// Renders one SVG at its exact size on white (transparent parts become white), JPEG quality 92.
// Creates the file's folder. Returns an empty string on success, otherwise what went wrong.
QString rendJpeg(const ImageARendre& image, const QString& dossierImages);

}  // namespace marivelle::genimages
