#include "ecrans/commun/Polices.h"

#include "logique/amenagements/Amenagements.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace Polices {
void installe() {
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont police(const QString& famille, int pixels, bool gras) {
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

bool presente(const QString& famille) { return QFontDatabase::families().contains(famille, Qt::CaseInsensitive); }

QFont pourLEleve(const QFont& programme, const Amenagements& a, double part) {
    QFont f = programme;
    if (programme.family() == QLatin1String("Arial")) {
        // Set, so that no spacing of a parent's slips in.
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        f.setWordSpacing(0);
        return f;
    }
    const QString famille = a.famille(programme.family());
    if (famille != programme.family() && presente(famille)) f.setFamily(famille);
    if (programme.pixelSize() > 0)
        f.setPixelSize(std::max(programme.pixelSize(), static_cast<int>(a.pixels(programme.pixelSize()) * part)));
    const int taille = QFontInfo(f).pixelSize();
    // Set even when nought, so that a parent's spacing never slips into a text of its own.
    f.setLetterSpacing(QFont::AbsoluteSpacing, a.espaceEntreLettres(taille));
    f.setWordSpacing(a.espaceEntreMots(taille));
    return f;
}
}  // namespace Polices
