#include "settings/PositionParametres.h"

#include "core/platform/FichierTexte.h"

void ReecritLignePosition(const QString& chemin, const QString& nouvelleLigne) {
    QStringList lignes = FichierTexte::litLignes(chemin);
    for (QString& l : lignes)
        if (l.startsWith(QLatin1Char('('))) l = nouvelleLigne;
    FichierTexte::ecritLignes(chemin, lignes);
}

QString LigneDePosition(int numero) { return QStringLiteral("(%1)").arg(numero); }
