#include "logique/revision/SeuilClasse.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"

#include <algorithm>

namespace {
const QString FinLigneSeuil = QStringLiteral(" - millisecondes au plus pour une réponse automatique");
const QString FinLigneVisee = QStringLiteral(" - pour cent de réussite visée");
constexpr int SeuilMin = 500, SeuilMax = 60000;

QStringList lignes(const QString& repertoireClasse) {
    const QString chemin = Revision::fichierSeuil(repertoireClasse);
    if (!FichierTexte::existe(chemin)) return {};
    try {
        return FichierTexte::litLignesReglages(chemin);
    } catch (const ErreurMarivelle&) {
        return {};
    }
}

// The number that starts the line, when it is within the bounds.
int nombre(const QString& ligne, int min, int max, int defaut) {
    bool ok = false;
    const int n = ligne.section(QLatin1Char(' '), 0, 0).toInt(&ok);
    return ok && n >= min && n <= max ? n : defaut;
}

void ecrit(const QString& repertoireClasse, int seuilMs, int pourcent) {
    FichierTexte::ecritLignes(
        Revision::fichierSeuil(repertoireClasse),
        {QString::number(std::clamp(seuilMs, SeuilMin, SeuilMax)) + FinLigneSeuil,
         QString::number(std::clamp(pourcent, Revision::ReussiteViseeMin, Revision::ReussiteViseeMax)) + FinLigneVisee});
}
}  // namespace

namespace Revision {
QString fichierSeuil(const QString& repertoireClasse) { return repertoireClasse + NomsDossier::SeuilClasse; }

int litSeuil(const QString& repertoireClasse) {
    const QStringList l = lignes(repertoireClasse);
    return l.isEmpty() ? SeuilParDefaut : nombre(l.first(), SeuilMin, SeuilMax, SeuilParDefaut);
}

int litReussiteVisee(const QString& repertoireClasse) {
    for (const QString& ligne : lignes(repertoireClasse))
        if (ligne.endsWith(FinLigneVisee)) return nombre(ligne, ReussiteViseeMin, ReussiteViseeMax, ReussiteViseeParDefaut);
    return ReussiteViseeParDefaut;
}

void ecritSeuil(const QString& repertoireClasse, int seuilMs) {
    ecrit(repertoireClasse, seuilMs, litReussiteVisee(repertoireClasse));
}

void ecritReussiteVisee(const QString& repertoireClasse, int pourcent) {
    ecrit(repertoireClasse, litSeuil(repertoireClasse), pourcent);
}
}  // namespace Revision
