#include "ecrans/commun/LignesEquilibrees.h"

#include <QFontMetrics>
#include <QTextLayout>

namespace LignesEquilibrees {
QStringList lignes(const QFont& police, const QString& texte, int largeur) {
    QStringList resultat;
    for (const QString& paragraphe : texte.split(QLatin1Char('\n'))) {
        QTextLayout mise(paragraphe, police);
        QTextOption option(Qt::AlignHCenter);
        option.setWrapMode(QTextOption::WordWrap);
        mise.setTextOption(option);
        mise.beginLayout();
        for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
            ligne.setLineWidth(largeur);
            resultat << paragraphe.mid(ligne.textStart(), ligne.textLength()).trimmed();
        }
        mise.endLayout();
    }
    return resultat;
}

int largeur(const QFont& police, const QString& texte, int largeurMax) {
    const qsizetype nombre = lignes(police, texte, largeurMax).size();
    int bas = 1, haut = largeurMax;
    while (bas < haut) {
        const int milieu = (bas + haut) / 2;
        if (lignes(police, texte, milieu).size() <= nombre) haut = milieu;
        else bas = milieu + 1;
    }
    return haut;
}

QString finDeMot(const QFont& police, const QString& texte, int largeur) {
    const QFontMetrics lettres(police);
    if (lettres.horizontalAdvance(texte) <= largeur) return texte;
    const QString points = QStringLiteral("…");
    for (qsizetype fin = texte.lastIndexOf(QLatin1Char(' ')); fin > 0; fin = texte.lastIndexOf(QLatin1Char(' '), fin - 1)) {
        const QString debut = texte.left(fin).trimmed();
        if (!debut.isEmpty() && lettres.horizontalAdvance(debut + points) <= largeur) return debut + points;
    }
    return lettres.elidedText(texte, Qt::ElideRight, largeur);
}
}  // namespace LignesEquilibrees
