#include "logique/parametres/PositionParametres.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"

void ReecritLignePosition(const QString& chemin, const QString& nouvelleLigne) {
    // Under the file's lock: the teacher's settings screen may rewrite the same file meanwhile.
    FichierTexte::modifieLignes(chemin, [&](QStringList& lignes, bool existait) {
        if (!existait) throw ErreurFichier(QStringLiteral("Le fichier « %1 » est introuvable.").arg(chemin));
        for (QString& l : lignes)
            if (l.startsWith(QLatin1Char('('))) l = nouvelleLigne;
        return true;
    });
}

QString LigneDePosition(int numero) { return QStringLiteral("(") + FormatFr::nombre(numero) + QStringLiteral(")"); }
