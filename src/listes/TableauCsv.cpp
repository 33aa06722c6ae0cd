#include "listes/TableauCsv.h"

#include "base/Cp1252.h"

#include <QStringDecoder>

namespace TableauCsv {
QString decode(const QByteArray& octets) {
    QByteArrayView vue(octets);
    if (vue.startsWith("\xEF\xBB\xBF")) vue = vue.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = utf8.decode(vue);
    return utf8.hasError() ? Cp1252::decode(vue) : texte;
}

QChar separateur(const QString& texte) {
    int points = 0, tabulations = 0, virgules = 0;
    bool guillemets = false, vu = false;
    for (const QChar c : texte) {
        if (c == QLatin1Char('"')) guillemets = !guillemets;
        if (guillemets) continue;
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (vu) break;
            continue;
        }
        if (!c.isSpace()) vu = true;
        points += c == QLatin1Char(';');
        tabulations += c == QLatin1Char('\t');
        virgules += c == QLatin1Char(',');
    }
    if (points > 0 || (tabulations == 0 && virgules == 0)) return QLatin1Char(';');
    return tabulations > 0 ? QLatin1Char('\t') : QLatin1Char(',');
}

QList<QStringList> lit(const QByteArray& octets) {
    const QString texte = decode(octets);
    const QChar sep = separateur(texte);
    QList<QStringList> lignes;
    QStringList cellules;
    QString cellule;
    bool guillemets = false, debutCellule = true, ligneVide = true;
    const auto finCellule = [&] {
        cellules << cellule;
        cellule.clear();
        debutCellule = true;
    };
    const auto finLigne = [&] {
        finCellule();
        lignes << (ligneVide && cellules.size() == 1 && cellules.front().isEmpty() ? QStringList() : cellules);
        cellules.clear();
        ligneVide = true;
    };
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (guillemets) {
            if (c != QLatin1Char('"')) {
                cellule += c;
            } else if (i + 1 < texte.size() && texte[i + 1] == QLatin1Char('"')) {
                cellule += c;
                ++i;
            } else {
                guillemets = false;
            }
            continue;
        }
        if (c == QLatin1Char('"') && debutCellule) {
            // Blanks before an opening quote are the writer's spacing, not the cell's.
            cellule.clear();
            guillemets = true;
            debutCellule = false;
            ligneVide = false;
        } else if (c == sep) {
            finCellule();
            ligneVide = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < texte.size() && texte[i + 1] == QLatin1Char('\n')) ++i;
            finLigne();
        } else {
            cellule += c;
            if (!c.isSpace()) debutCellule = false;
            ligneVide = false;
        }
    }
    if (!cellule.isEmpty() || !cellules.isEmpty() || guillemets) finLigne();
    return lignes;
}
}  // namespace TableauCsv
