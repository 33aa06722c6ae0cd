#include "settings/PositionParametres.h"

#include "base/FichierTexte.h"
#include "base/FormatFr.h"
#include "base/Verrou.h"

void ReecritLignePosition(const QString& chemin, const QString& nouvelleLigne) {
    // The teacher may be assigning a new sequence to this pupil from another session.
    const Verrou verrou(chemin);
    QStringList lignes = FichierTexte::litLignes(chemin);
    for (QString& l : lignes)
        if (l.startsWith(QLatin1Char('('))) l = nouvelleLigne;
    FichierTexte::ecritLignes(chemin, lignes);
}

QString LigneDePosition(int numero) { return QStringLiteral("(") + FormatFr::nombre(numero) + QStringLiteral(")"); }
