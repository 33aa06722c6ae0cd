#include "suivi/FaitsDesTables.h"

#include "base/Erreurs.h"
#include "base/FichierTexte.h"
#include "settings/LignesParametres.h"

namespace {
// Ranges beyond this are not drawn by any table the settings screen offers.
constexpr int BorneOperandes = 1000;

void ajoute(QHash<CleFait, Fait>& faits, int g, Operation o, int d) {
    Fait f{g, o, d, 0};
    switch (o) {
    case Operation::Addition: f.resultat = g + d; break;
    case Operation::Soustraction:
        if (g < d) return;
        f.resultat = g - d;
        break;
    case Operation::Multiplication: f.resultat = g * d; break;
    case Operation::Division:
        if (d == 0 || g % d != 0) return;
        f.resultat = g / d;
        break;
    }
    faits.insert(Suivi::cleFamille(f), f);
}
}  // namespace

namespace Suivi {
QList<EntreeTable> tablesDeLEleve(const QString& repertoireClasse, const QString& eleve, const QString& enseignant) {
    const QString chemin = repertoireClasse + NomParameterFile(eleve, enseignant);
    QList<EntreeTable> tables;
    if (!FichierTexte::existe(chemin)) return tables;
    bool dansTables = false;
    for (const QString& ligne : FichierTexte::litLignes(chemin)) {
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
    for (const EntreeTable& e : tables) {
        const auto o = static_cast<Operation>(e.operation);
        if (e.complement()) {
            const int c = std::clamp(e.second, 0, BorneOperandes);
            for (int x = 0; x < c; ++x) {
                switch (o) {
                case Operation::Addition: ajoute(faits, x, o, c - x); break;
                case Operation::Soustraction: ajoute(faits, c + x, o, x); break;
                case Operation::Multiplication:
                    if (x > 0 && c % x == 0) ajoute(faits, x, o, c / x);
                    break;
                case Operation::Division:
                    if (x > 0) ajoute(faits, c * x, o, x);
                    break;
                }
            }
            continue;
        }
        const int a = std::max(e.second, -BorneOperandes), b = std::min(e.troisieme, BorneOperandes);
        for (int x = a; x <= b; ++x) {
            ajoute(faits, e.premier, o, x);
            ajoute(faits, x, o, e.premier);
        }
    }
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
