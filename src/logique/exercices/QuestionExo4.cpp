#include "logique/exercices/QuestionExo4.h"

#include "logique/base/Aleatoire.h"
#include "logique/exercices/TirageOperation.h"

#include <algorithm>

namespace {
constexpr int Tentatives = 20;
constexpr int TiragesParBulle = 2000;

// One attempt at filling the ten bubbles for `cible`, with or without distinct captions.
bool tentative(const TirageOperation& tireur, RepertoireOperations& repertoire, QuestionExo4& q, bool distinctes) {
    const int bonnes = static_cast<int>(std::count(q.BonnesBulles.begin(), q.BonnesBulles.end(), true));
    if (distinctes) {
        // Not enough distinct operations known for this target: the attempt cannot succeed.
        const int avecCible = static_cast<int>(repertoire.deResultat(q.cible).size());
        if (bonnes > avecCible || BullesExo4 - bonnes > repertoire.nombre() - avecCible) return false;
    }
    int bonnesPlacees = 0, faussesPlacees = 0;
    for (int i = 0; i < BullesExo4; ++i) {
        const bool bonne = q.BonnesBulles[static_cast<std::size_t>(i)];
        const auto dejaPresente = [&](const QuestionOperation& x) {
            return std::any_of(q.bulles.begin(), q.bulles.begin() + i,
                               [&x](const QuestionOperation& y) { return MemeTexte(x, y); });
        };
        const auto qualifie = [&](const QuestionOperation& x) {
            return (x.resultat == q.cible) == bonne && !(distinctes && dejaPresente(x));
        };
        // Distinct operations known for this kind of bubble, less those already placed.
        const int avecCible = static_cast<int>(repertoire.deResultat(q.cible).size());
        const int disponibles = bonne ? avecCible - (distinctes ? bonnesPlacees : 0)
                                      : repertoire.nombre() - avecCible - (distinctes ? faussesPlacees : 0);
        if (disponibles <= 0) return false;
        bool trouvee = false;
        for (int t = 0; t < TiragesParBulle && !trouvee; ++t) {
            const QuestionOperation x = tireur.tire();
            repertoire.note(x);
            if (qualifie(x)) {
                q.bulles[static_cast<std::size_t>(i)] = x;
                trouvee = true;
            }
        }
        if (!trouvee) return false;
        ++(bonne ? bonnesPlacees : faussesPlacees);
    }
    return true;
}
}  // namespace

QString QuestionExo4::texteCible() const { return impossible ? QStringLiteral("OK") : QString::number(cible); }

QuestionExo4 GenereExo4(const TirageOperation& tireur, RepertoireOperations& repertoire) {
    QuestionExo4 q;
    for (bool& bonne : q.BonnesBulles) bonne = Aleatoire::random(2) == 1;
    const int bonnes = static_cast<int>(std::count(q.BonnesBulles.begin(), q.BonnesBulles.end(), true));
    for (bool distinctes : {true, false}) {
        // No target has enough distinct operations for the pattern: the 20 attempts would fail.
        if (distinctes && bonnes > repertoire.plusGrandGroupe()) continue;
        for (int essai = 0; essai < Tentatives; ++essai) {
            q.bulles = {};
            const QuestionOperation cible = tireur.tire();
            repertoire.note(cible);
            q.cible = cible.resultat;
            if (tentative(tireur, repertoire, q, distinctes)) {
                q.avecDoublons = !distinctes;
                return q;
            }
        }
    }
    q.bulles = {};
    q.impossible = true;
    return q;
}

QString TexteExo4Impossible() {
    return QStringLiteral("Vous avez selectionné moins de deux opérations\ndifférentes dans les paramétrages\n"
                          "L'exercice ne pourra pas être généré\nCliquer sur le poisson \n"
                          "pour aller directement à l'exercice suivant");
}

int BullesConformes(const Bulles& bonnes, const Bulles& selection) {
    int n = 0;
    for (std::size_t i = 0; i < bonnes.size(); ++i) n += bonnes[i] == selection[i];
    return n;
}

QString TexteAideExo4(const Bulles& bonnes, const Bulles& selection) {
    int manquantes = 0, fausses = 0;
    for (std::size_t i = 0; i < bonnes.size(); ++i) {
        manquantes += bonnes[i] && !selection[i];
        fausses += !bonnes[i] && selection[i];
    }
    if (manquantes == 0 && fausses == 0)
        return QStringLiteral(
            "Tu as répondu juste! Bravo! Clique sur le poisson avec la solution pour passer à la question suivante");
    QString texte;
    if (manquantes > 0)
        texte += QStringLiteral("Il reste ") + QString::number(manquantes) + QStringLiteral(" bulles correctes à sélectionner\n");
    if (fausses > 0)
        texte += QStringLiteral("Tu as selectionné ") + QString::number(fausses) + QStringLiteral(" bulles fausses\n");
    return texte;
}

Solution SolutionBulle(bool selectionnee, bool bonne) {
    if (bonne) return selectionnee ? Solution::Trouvee : Solution::Oubliee;
    return selectionnee ? Solution::PasCelleCi : Solution::Aucune;
}

QString LigneErreursExo4(const QString& cible, int erreurs) {
    return QStringLiteral("Opérations égalent à ") + cible + QStringLiteral(" => ") + QString::number(erreurs) +
           QStringLiteral(" erreurs\r\n");
}
