#include "logique/revision/SeuilClasse.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"
#include "logique/revision/Boites.h"

#include <algorithm>

namespace {
const QString FinLigneSeuil = QStringLiteral(" - millisecondes au plus pour une réponse automatique");
constexpr int SeuilMin = 500, SeuilMax = 60000;
}  // namespace

namespace Revision {
QString fichierSeuil(const QString& repertoireClasse) { return repertoireClasse + NomsDossier::SeuilClasse; }

int litSeuil(const QString& repertoireClasse) {
    const QString chemin = fichierSeuil(repertoireClasse);
    if (!FichierTexte::existe(chemin)) return SeuilParDefaut;
    try {
        const QStringList lignes = FichierTexte::litLignesReglages(chemin);
        if (lignes.isEmpty()) return SeuilParDefaut;
        bool ok = false;
        const int ms = lignes.first().section(QLatin1Char(' '), 0, 0).toInt(&ok);
        return ok && ms >= SeuilMin && ms <= SeuilMax ? ms : SeuilParDefaut;
    } catch (const ErreurMarivelle&) {
        return SeuilParDefaut;
    }
}

void ecritSeuil(const QString& repertoireClasse, int seuilMs) {
    FichierTexte::ecritLignes(fichierSeuil(repertoireClasse),
                              {QString::number(std::clamp(seuilMs, SeuilMin, SeuilMax)) + FinLigneSeuil});
}
}  // namespace Revision
