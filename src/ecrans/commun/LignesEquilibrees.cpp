#include "ecrans/commun/LignesEquilibrees.h"

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
}  // namespace LignesEquilibrees
