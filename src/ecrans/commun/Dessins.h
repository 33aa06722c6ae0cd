#pragma once
// Pictures. Screen pictures are SVG compiled into the program (":/svg/<nom>.svg"). Data pictures
// are JPEG files under "Images/" in the working folder, which a teacher may replace; when one is
// missing the built-in drawing of the same picture is used.
#include <QPixmap>
#include <QString>

class QSvgRenderer;

namespace Dessins {
// The shared renderer of a built-in drawing, or null when there is none of that name.
QSvgRenderer* dessin(const QString& nom);
// The built-in drawing that stands in for a data picture ("Images/Tortues/3.jpg" → "tortues_3").
QString dessinDeSecours(const QString& cheminRelatif);
// Loads a data picture; throws ErreurFichier when neither the file nor a built-in copy exists.
QPixmap charge(const QString& cheminRelatif, const QSize& taille);
// A built-in drawing rendered at a size (a transparent picture when it does not exist).
QPixmap rendu(const QString& nom, const QSize& taille);
}
