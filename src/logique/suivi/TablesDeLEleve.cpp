#include "logique/suivi/TablesDeLEleve.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/etat/NomsDossier.h"
#include "logique/revision/FaitsDesTables.h"
#include "logique/parametres/LignesParametres.h"

namespace Suivi {
QList<EntreeTable> tablesDeLEleve(const QString& repertoireClasse, const QString& eleve, const QString& enseignant) {
    const QString chemin = repertoireClasse + NomsDossier::parametrage(eleve, enseignant);
    QList<EntreeTable> tables;
    if (!FichierTexte::existe(chemin)) return tables;
    bool dansTables = false;
    for (const QString& ligne : FichierTexte::litLignesReglages(chemin)) {
        if (ligne.startsWith(QLatin1Char('['))) {
            dansTables = ligne.startsWith(QLatin1String("[Tables]"));
            continue;
        }
        if (ligne.startsWith(QLatin1Char('_'))) dansTables = false;
        if (!dansTables || !ligne.contains(QLatin1Char('-'))) continue;
        try {
            const EntreeTable e = LignesParametres::entree(ligne);
            if (e.operation >= 0 && e.operation <= 3) tables.append(e);
        } catch (const ErreurMarivelle&) {
            // A line the game would refuse gives the pupil no question either.
        }
    }
    return tables;
}

QHash<CleFait, Fait> faitsDesTables(const QList<EntreeTable>& tables) {
    QHash<CleFait, Fait> faits;
    for (const Fait& f : Revision::faitsDesTables(tables)) faits.insert(cleFamille(f), f);
    return faits;
}

CaseGrille caseDe(const Fait& f) {
    if (f.operation == Operation::Addition || f.operation == Operation::Multiplication) return {f.gauche, f.droite};
    return {f.droite, f.resultat};
}

bool faitDeLaCase(Operation o, int ligne, int colonne, Fait& f) {
    switch (o) {
        case Operation::Addition: f = {ligne, o, colonne, ligne + colonne}; return true;
        case Operation::Multiplication: f = {ligne, o, colonne, ligne * colonne}; return true;
        case Operation::Soustraction: f = {ligne + colonne, o, ligne, colonne}; return true;
        case Operation::Division:
            if (ligne == 0) return false;
            f = {ligne * colonne, o, ligne, colonne};
            return true;
    }
    return false;
}
}  // namespace Suivi
