#include "logique/memoire/MemoireEleve.h"

#include "logique/memoire/CourbeOubli.h"
#include "logique/memoire/FamilleDeFaits.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double MsParJour = 86400000.0;
// A quarter of an hour, a day, a month: together they draw any decay between them.
constexpr std::array<double, Caracteristique::NombreStabilites> Stabilites{1.0 / 96, 1.0, 30.0};
// The family's latest events are enough: older ones weigh little beside them and the count of
// days keeps the long run.
constexpr std::size_t EvenementsLus = 64;
// Recent success: each answer weighs 5 % less than the next one (about the last twenty).
constexpr double OubliReussite = 0.95;
// The latest right answer's fluency weighs half of the fact's mean.
constexpr float PoidsAisanceRecente = 0.5f;

int chiffres(int n) {
    int c = 1;
    for (n = std::abs(n); n >= 10; n /= 10) ++c;
    return c;
}

qint64 jour(qint64 moment) { return moment / qint64(MsParJour); }
}  // namespace

bool estQuestionTapee(const ReponseResumee& r) { return estReponseTapee(r.typeExercice); }

void MemoireEleve::apprend(const ReponseResumee& r) {
    if (!estQuestionTapee(r)) return;
    const qint64 codeFait = FamilleDeFaits::codeFait(r.fait);
    Famille& famille = familles_[FamilleDeFaits::code(r.fait)];
    auto etat = std::find_if(famille.faits.begin(), famille.faits.end(),
                             [codeFait](const EtatFait& e) { return e.fait == codeFait; });
    if (etat == famille.faits.end()) {
        famille.faits.push_back({codeFait});
        etat = famille.faits.end() - 1;
        faits_.append(r.fait);
    }
    // Only the latest events are read: the older ones go, a batch at a time.
    if (famille.evenements.size() == 2 * EvenementsLus)
        famille.evenements.erase(famille.evenements.begin(), famille.evenements.begin() + EvenementsLus);
    famille.evenements.push_back({r.moment, std::uint8_t(etat - famille.faits.begin()), r.justePremierCoup});
    etat->dernierMoment = r.moment;
    if (r.justePremierCoup) {
        if (jour(r.moment) != etat->dernierJourJuste) {
            ++etat->joursJustes;
            etat->dernierJourJuste = jour(r.moment);
        }
        if (r.msFin > 0) {
            const int longueur = chiffres(r.fait.resultat);
            const double reflexion = frappe_.reflexion(longueur, r.msFin);
            if (reflexion >= 0) {
                const float a = float(std::log1p(reflexion));
                etat->aisance = etat->aisanceConnue ? PoidsAisanceRecente * a + (1 - PoidsAisanceRecente) * etat->aisance : a;
                etat->aisanceConnue = true;
            }
            frappe_.ajoute(longueur, r.msFin);
        }
    }
    const int g = FamilleDeFaits::groupe(r.fait);
    justesRecents_[g] = OubliReussite * justesRecents_[g] + (r.justePremierCoup ? 1 : 0);
    questionsRecentes_[g] = OubliReussite * questionsRecentes_[g] + 1;
}

Caracteristiques MemoireEleve::caracteristiques(const Fait& fait, qint64 moment, int typeExercice) const {
    using namespace Caracteristique;
    Caracteristiques c;
    c.groupe = FamilleDeFaits::groupe(fait);
    c.fait = FamilleDeFaits::codeFait(fait);
    c.famille = FamilleDeFaits::code(fait);
    auto& x = c.x;
    x[Constante] = 1;

    const auto famille = familles_.constFind(c.famille);
    if (famille == familles_.cend()) {
        x[JamaisVu] = 1;
    } else {
        const auto& faits = famille->faits;
        const auto lui = std::find_if(faits.begin(), faits.end(), [&c](const EtatFait& e) { return e.fait == c.fait; });
        const int indice = int(lui - faits.begin());  // faits.size(): the fact itself never met
        // Each event's age and the trace it feeds; then the curve, for all of them at once.
        std::array<float, EvenementsLus> ages;
        std::array<std::uint8_t, EvenementsLus> traces;
        int lus = 0;
        const auto& ev = famille->evenements;
        for (std::size_t i = ev.size() > EvenementsLus ? ev.size() - EvenementsLus : 0; i < ev.size(); ++i) {
            if (ev[i].moment >= moment) break;
            ages[lus] = float(double(moment - ev[i].moment) / MsParJour);
            traces[lus] = std::uint8_t((ev[i].fait == indice ? FaitJuste : FamilleJuste) + (ev[i].juste ? 0 : 1));
            ++lus;
        }
        std::array<double, NombreTraces * NombreStabilites> sommes{};
        std::array<float, EvenementsLus> retenues;
        for (int s = 0; s < NombreStabilites; ++s) {
            CourbeOubli::retenues(ages.data(), lus, Stabilites[s], retenues.data());
            for (int i = 0; i < lus; ++i) sommes[traces[i] * NombreStabilites + s] += retenues[i];
        }
        for (std::size_t k = 0; k < sommes.size(); ++k) x[Traces + k] = float(std::log1p(sommes[k]));
        // Wrong answers tell of the days around them only: each is followed by the right answer
        // shown, so over months they count as practice, which the right answers' traces weigh.
        x[Traces + FaitFaux * NombreStabilites + NombreStabilites - 1] = 0;
        x[Traces + FamilleFaux * NombreStabilites + NombreStabilites - 1] = 0;
        double joursFamille = 0;
        float aisanceFamille = 0;
        int connues = 0;
        for (const EtatFait& e : faits) {
            if (e.fait == c.fait) {
                x[JoursJustes] = float(std::log1p(e.joursJustes));
                x[AisanceConnue] = e.aisanceConnue;
                x[Aisance] = e.aisanceConnue ? e.aisance : 0;
                if (e.dernierMoment >= 0 && e.dernierMoment < moment)
                    x[Depuis] = float(std::log1p((moment - e.dernierMoment) / MsParJour));
            } else {
                joursFamille += e.joursJustes;
                if (e.aisanceConnue) {
                    aisanceFamille += e.aisance;
                    ++connues;
                }
            }
        }
        x[JoursJustesFamille] = float(std::log1p(joursFamille));
        x[AisanceFamilleConnue] = connues > 0;
        x[AisanceFamille] = connues > 0 ? aisanceFamille / connues : 0;
    }
    const int g = c.groupe;
    x[ReussiteRecente] = float(std::log((justesRecents_[g] + 1) / (questionsRecentes_[g] - justesRecents_[g] + 1)));
    x[Soustraction] = fait.operation == Operation::Soustraction;
    x[Multiplication] = fait.operation == Operation::Multiplication;
    x[Division] = fait.operation == Operation::Division;
    x[Exercice2] = typeExercice == 2;
    // The starting test mixes the facts as the review does, without a table's order to lean on.
    x[Revision] = typeExercice == 5 || typeExercice == 6;
    const auto [a, b] = FamilleDeFaits::operandes(fait);
    x[Taille] = float(std::log1p(std::max(a, 0)) - std::log(4.0));
    x[Taille + 1] = float(std::log1p(std::max(b, 0)) - std::log(7.0));
    x[Taille + 2] = a == b;
    x[Taille + 3] = a <= 1;
    x[Taille + 4] = a == 10 || b == 10;
    return c;
}
