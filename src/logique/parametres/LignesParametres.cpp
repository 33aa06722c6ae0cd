#include "logique/parametres/LignesParametres.h"

#include "logique/base/Nombres.h"

namespace LignesParametres {
QString caracteres(const QString& ligne, qsizetype premier, qsizetype dernier) {
    premier = std::max<qsizetype>(premier, 1);
    dernier = std::min(dernier, ligne.size());
    if (dernier < premier) return {};
    return ligne.mid(premier - 1, dernier - premier + 1);
}

qsizetype position(const QString& ligne, const QString& mot) { return ligne.indexOf(mot) + 1; }

QString valeur(const QString& ligne) { return caracteres(ligne, 1, position(ligne, QStringLiteral("-")) - 2); }

EntreeTable entree(const QString& ligne) {
    const qsizetype s = position(ligne, QStringLiteral("sur"));
    const qsizetype d = position(ligne, QStringLiteral("de"));
    const qsizetype g = position(ligne, QStringLiteral("à"));
    const qsizetype v = position(ligne, QStringLiteral("avec"));
    EntreeTable e;
    if (ligne.contains(QStringLiteral("compléments à"))) {
        e = EntreeTable::complement(Nombres::entier(caracteres(ligne, g + 2, v - 2)), -1);
    } else {
        e.premier = Nombres::entier(caracteres(ligne, 1, s - 2));
        e.second = Nombres::entier(caracteres(ligne, d + 2, g - 2));
        e.troisieme = Nombres::entier(caracteres(ligne, g + 2, v - 2));
    }
    // Each word is tested in turn; the last one found counts.
    e.operation = -1;
    const QString mots[] = {QStringLiteral("addition"), QStringLiteral("soustraction"), QStringLiteral("multiplication"),
                            QStringLiteral("division")};
    for (int op = 0; op < 4; ++op)
        if (ligne.contains(mots[op])) e.operation = op;
    return e;
}

QString codeSauvegarde(const QString& ligne) { return caracteres(ligne, 3, position(ligne, QStringLiteral("-")) - 2); }
}  // namespace LignesParametres
