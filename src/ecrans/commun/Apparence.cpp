#include "ecrans/commun/Apparence.h"

#include "ecrans/commun/Polices.h"

#include <QWidget>

namespace Apparence {
QFont comic(int pixels, bool gras) { return Polices::police(QStringLiteral("Comic Sans MS"), pixels, gras); }
QFont arial(int pixels, bool gras) { return Polices::police(QStringLiteral("Arial"), pixels, gras); }

namespace {
QString bulle(int gauche) {
    return QStringLiteral("QLabel { background-color: rgba(255, 255, 255, 230); border: 3px solid #12355b; "
                          "border-radius: 14px; padding: 4px 10px 4px %1px; }")
        .arg(gauche);
}
}  // namespace

QString styleBulleParole() { return bulle(10); }
QString styleBulleParoleDecalee() { return bulle(36); }
QString styleMarqueDouce() {
    return QStringLiteral("QLabel { background-color: #fffbe6; border: 2px solid #f08a5d; border-radius: 10px; padding: 0px; }");
}

void colore(QWidget* w, QPalette::ColorRole role, const QColor& couleur) {
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}
}  // namespace Apparence
