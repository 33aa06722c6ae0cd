#include "settings/PositionParametres.h"

#include "base/FichierTexte.h"
#include "base/FormatFr.h"

void ReecritLignePosition(const QString& chemin, const QString& nouvelleLigne) {
    QStringList lignes = FichierTexte::litLignes(chemin);
    for (QString& l : lignes)
        if (l.startsWith(QLatin1Char('('))) l = nouvelleLigne;
    FichierTexte::ecritLignes(chemin, lignes);
}

QString LigneDePosition(int numero) { return QStringLiteral("(") + FormatFr::nombre(numero) + QStringLiteral(")"); }
