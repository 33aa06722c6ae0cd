#include "ecrans/commun/Apparence.h"

#include "ecrans/commun/Polices.h"

#include <QWidget>

namespace Apparence {
QFont comic(int pixels, bool gras) { return Polices::police(QStringLiteral("Comic Sans MS"), pixels, gras); }
QFont arial(int pixels, bool gras) { return Polices::police(QStringLiteral("Arial"), pixels, gras); }
QFont nombres(int pixels) { return arial(pixels, true); }

namespace {
QString bulle(int gauche, int haut = 4, int droite = 10) {
    return QStringLiteral("QLabel { background-color: rgba(255, 255, 255, 230); border: 3px solid #12355b; "
                          "border-radius: 14px; padding: %2px %3px %2px %1px; }")
        .arg(gauche)
        .arg(haut)
        .arg(droite);
}
}  // namespace

QString styleBulleParole() { return bulle(10); }
QString styleBulleParoleDecalee() { return bulle(36); }
QString styleBulleMessage() { return bulle(28, 14, 28); }
QString styleMarqueDouce() {
    return QStringLiteral("QLabel { background-color: #fffbe6; border: 2px solid #f08a5d; border-radius: 10px; padding: 0px; }");
}

void colore(QWidget* w, QPalette::ColorRole role, const QColor& couleur) {
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}
}  // namespace Apparence
