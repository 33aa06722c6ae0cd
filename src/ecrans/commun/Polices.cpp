#include "ecrans/commun/Polices.h"

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
}  // namespace Polices
