#include "ecrans/commun/LignesEquilibrees.h"

#include <QFontMetrics>
#include <QTextLayout>

namespace {
const QChar Insecable(0x00A0);
const QChar GlueDeMots(0x2060);  // the word joiner: invisible, never a line break on either side

bool signeDouble(QChar c) { return QStringView(u":!?;»").contains(c); }
}  // namespace

namespace LignesEquilibrees {
QString typographie(const QString& texte) {
    QString resultat;
    resultat.reserve(texte.size() + 4);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        const QChar avant = i > 0 ? texte[i - 1] : QChar();
        const QChar apres = i + 1 < texte.size() ? texte[i + 1] : QChar();
        if (c == QLatin1Char(' ') && (signeDouble(apres) || avant == QChar(0x00AB))) {
            resultat += Insecable;
        } else {
            resultat += c;
            if (c == QLatin1Char('-') && avant.isLetterOrNumber() && apres.isLetterOrNumber()) resultat += GlueDeMots;
        }
    }
    return resultat;
}

QStringList lignes(const QFont& police, const QString& texte, int largeur) {
    QStringList resultat;
    for (const QString& paragraphe : typographie(texte).split(QLatin1Char('\n'))) {
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
