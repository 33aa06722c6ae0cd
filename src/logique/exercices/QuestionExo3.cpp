#include "logique/exercices/QuestionExo3.h"

#include "logique/base/Aleatoire.h"
#include "logique/exercices/TirageOperation.h"

#include <algorithm>

namespace {
constexpr int EchecsMax = 5;
constexpr int TiragesMemeResultat = 200;
constexpr int TiragesIntrus = 50;
// Draws of a first operation that has a twin; ordinary settings need a few.
constexpr int TentativesMax = 1000;

// Draws until `qualifie` holds, `tirages` draws at most.
template <typename Critere>
bool tireJusqua(const TirageOperation& tireur, RepertoireOperations& repertoire, int tirages, Critere qualifie,
                QuestionOperation& sortie) {
    for (int i = 0; i < tirages; ++i) {
        sortie = tireur.tire();
        repertoire.note(sortie);
        if (qualifie(sortie)) return true;
    }
    return false;
}
}  // namespace

QuestionExo3 GenereExo3(const TirageOperation& tireur, RepertoireOperations& repertoire) {
    QuestionExo3 question;
    // Settings that cannot give two operations of one result, or two results, fail at once.
    if (!repertoire.aDesJumelles() || repertoire.nombreDeResultats() < 2) return question;
    int echecsMemeResultat = 0, echecsIntrus = 0;
    for (int tentative = 0; tentative < TentativesMax && echecsMemeResultat < EchecsMax && echecsIntrus < EchecsMax;
         ++tentative) {
        const int p1 = Aleatoire::random(3) + 1;
        const QuestionOperation a = tireur.tire();
        repertoire.note(a);

        const auto jumelle = [&a](const QuestionOperation& b) { return b.resultat == a.resultat && b.gauche != a.gauche; };
        const auto& memes = repertoire.deResultat(a.resultat);
        // An operation without a twin (2×7 among the tables of 2, 4 and 8 in order) is drawn
        // again: counted as a failure, it would end ordinary exercises now and then.
        if (std::none_of(memes.begin(), memes.end(), jumelle)) continue;
        QuestionOperation b;
        if (!tireJusqua(tireur, repertoire, TiragesMemeResultat, jumelle, b)) {
            ++echecsMemeResultat;
            continue;
        }

        std::array<int, 2> libres{};
        for (int p = 1, j = 0; p <= 3; ++p)
            if (p != p1) libres[static_cast<std::size_t>(j++)] = p;
        const int q = Aleatoire::random(2);

        const auto autre = [&a](const QuestionOperation& c) { return c.resultat != a.resultat; };
        QuestionOperation c;
        if (repertoire.nombre() == static_cast<int>(memes.size()) || !tireJusqua(tireur, repertoire, TiragesIntrus, autre, c)) {
            ++echecsIntrus;
            continue;
        }
        const int pB = libres[static_cast<std::size_t>(q)];
        const int pC = libres[static_cast<std::size_t>(1 - q)];
        question.bulles[static_cast<std::size_t>(p1 - 1)] = a;
        question.bulles[static_cast<std::size_t>(pB - 1)] = b;
        question.bulles[static_cast<std::size_t>(pC - 1)] = c;
        question.PositionIntrus = pC;
        return question;
    }
    return question;
}

ClicsExo3::Clic ClicsExo3::clique(int k, int positionIntrus) {
    if (k < 1 || k > 3) return Clic::Ignore;
    bool& cliquee = BulleCliquee[static_cast<std::size_t>(k - 1)];
    if (QuestionTerminee || cliquee || !ClicPermis) return Clic::Ignore;
    ClicPermis = false;
    cliquee = true;
    if (k != positionIntrus) return Clic::Mauvais;
    QuestionTerminee = true;
    return Clic::Intrus;
}

QString TexteIntrusImpossible() {
    return QStringLiteral("il n'est pas possible de generer \nle jeux de l'intrus avec les tables choisies\n"
                          "Clique sur le poisson \npour passer à l'exercice suivant");
}

QString LigneErreursExo3(const QString& operation1, const QString& operation2, const QString& operation3, int erreurs) {
    const QString separateur = QStringLiteral(" ; ");
    return operation1 + separateur + operation2 + separateur + operation3 + separateur + QStringLiteral(" => ") +
           QString::number(erreurs) + QStringLiteral(" erreurs\r\n");
}

Paf::Suite Paf::apres(int etape, int erreursQuestion, bool questionTerminee, bool pieceVolee) {
    if (etape <= EtapesVisibles) return Suite::EtapeSuivante;
    if (erreursQuestion >= 1 && questionTerminee && !pieceVolee)
        return etape < Etapes ? Suite::EtapeSuivante : Suite::QuestionSuivante;
    if (pieceVolee || !questionTerminee) return Suite::Attente;
    return Suite::Ramassage;
}
