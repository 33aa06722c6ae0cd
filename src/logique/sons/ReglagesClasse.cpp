#include "logique/sons/ReglagesClasse.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"

namespace {
const QString TitreSons = QStringLiteral("[Sons]");
const QString TitreVoix = QStringLiteral("[Lire les consignes et les questions à voix haute]");

QString ligne(bool oui) { return oui ? QStringLiteral("1 - oui") : QStringLiteral("0 - non"); }

// The line after the heading says "1" before its " -".
bool active(const QStringList& lignes, const QString& titre) {
    const qsizetype i = lignes.indexOf(titre);
    if (i < 0 || i + 1 >= lignes.size()) return false;
    const QString& valeur = lignes[i + 1];
    const qsizetype tiret = valeur.indexOf(QLatin1Char('-'));
    return tiret > 0 && valeur.left(tiret).trimmed() == QLatin1String("1");
}
}  // namespace

namespace ReglagesClasse {
QString chemin(const QString& repertoireClasse) { return repertoireClasse + NomsDossier::SonsEtVoix; }

Sons::Reglages lit(const QString& repertoireClasse) {
    const QString fichier = chemin(repertoireClasse);
    try {
        if (!FichierTexte::existe(fichier)) return {};
        const QStringList lignes = FichierTexte::litLignesReglages(fichier);
        return {active(lignes, TitreSons), active(lignes, TitreVoix)};
    } catch (const ErreurFichier&) {
        // Sound is never worth stopping an exercise for.
        return {};
    }
}

void ecrit(const QString& repertoireClasse, const Sons::Reglages& reglages) {
    FichierTexte::ecritLignes(chemin(repertoireClasse), {TitreSons, ligne(reglages.sons), TitreVoix, ligne(reglages.voix)});
}
}  // namespace ReglagesClasse
