#include "logique/parametres/ExercicesDefinis.h"

#include "logique/base/EnFond.h"
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/Nombres.h"
#include "logique/base/Verrou.h"
#include "logique/etat/NomsDossier.h"
#include "logique/parametres/LignesParametres.h"
#include "logique/parametres/ParameterFiles.h"

#include <QFileInfo>

namespace ExercicesEnseignant {
namespace {
QString contenuSansLignesVidesFinales(QStringList lignes) {
    while (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    return lignes.join(QStringLiteral("\r\n"));
}
}  // namespace

ExercicesDefinis lit(const QString& chemin) {
    ExercicesDefinis d;
    if (!FichierTexte::existe(chemin)) return d;
    const QStringList lignes = FichierTexte::litLignesReglages(chemin);
    qsizetype i = 0;
    while (i < lignes.size() && !lignes[i].startsWith(QLatin1Char('('))) ++i;
    while (i < lignes.size() && !lignes[i].startsWith(QLatin1Char('_'))) ++i;
    QStringList contenu;
    bool libelleLu = false;
    while (i < lignes.size()) {
        const QString& ligne = lignes[i];
        if (ligne.startsWith(QLatin1Char('_'))) {
            if (libelleLu) d.contenus << contenuSansLignesVidesFinales(contenu);
            contenu.clear();
            // An empty line, the label, the second separator and an empty line.
            d.libelles << lignes.value(i + 2);
            libelleLu = true;
            i += 5;
            continue;
        }
        contenu << ligne;
        ++i;
    }
    if (libelleLu) d.contenus << contenuSansLignesVidesFinales(contenu);
    return d;
}

SauvegardeProfil litSauvegarde(const QString& chemin) {
    if (!FichierTexte::existe(chemin)) return {};
    SauvegardeProfil s{false, false, false};
    bool dansSection = false;
    for (const QString& ligne : FichierTexte::litLignesReglages(chemin)) {
        const bool etoile = ligne.startsWith(QLatin1Char('*'));
        if (!dansSection) {
            dansSection = etoile;
            continue;
        }
        if (!etoile) break;
        const std::optional<int> code = Nombres::lit(LignesParametres::codeSauvegarde(ligne));
        if (code == 1) s.base = true;
        if (code == 2) s.tableur = true;
        if (code == 3) s.texte = true;
    }
    return s;
}

void enregistre(const QString& chemin, const QString& enseignant, const ExercicesDefinis& e, const SauvegardeProfil& s) {
    const QString texte = TexteTeacherParameterFileDeBlocs(enseignant, e.libelles, e.contenus, s.base, s.tableur, s.texte);
    // The folder of the pupils without teacher exists only once one of them has registered.
    if (const QString dossier = QFileInfo(chemin).path(); !FichierTexte::dossierExiste(dossier))
        FichierTexte::creeDossier(dossier);
    const Verrou verrou(chemin);
    EcritFichier(chemin, texte);
}

QString cheminEleve(const Affectation& a, const QString& eleve) {
    if (eleve == ParDefaut) return NomsDossier::ParametrageParDefaut;
    return a.repertoireClasse + NomsDossier::parametrage(eleve, a.enseignant);
}

QStringList affecte(const Affectation& a) {
    // Every file is flushed to disk before it replaces the old one; writing several at once
    // lets the disk take those flushes together rather than one after the other.
    return EnFond::ecritChacun(a.eleves, [&a](const QString& eleve) {
        const QString chemin = cheminEleve(a, eleve);
        const QString texte = eleve == ParDefaut ? TexteParametrageParDefautDeBlocs(a.enseignant, a.blocs, a.fin, a.retroaction)
                                                 : TexteParameterFileDeBlocs(a.enseignant, eleve, a.blocs, a.fin, a.retroaction);
        const Verrou verrou(chemin);
        EcritFichier(chemin, texte);
    });
}
}  // namespace ExercicesEnseignant
