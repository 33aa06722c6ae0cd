#include "logique/suivi/AnneeEleve.h"

#include "logique/base/JourLocal.h"

#include <algorithm>

namespace {
constexpr qint64 JourMs = 24 * 60 * 60 * 1000;
}

namespace Suivi {

int cleSemaine(const QDate& jour) {
    int annee = 0;
    const int numero = jour.weekNumber(&annee);
    return annee * 100 + numero;
}

AnneeEleve analyse(const QString& eleve, std::span<const ReponseResumee> reponses, const QHash<CleFait, Fait>& faitsDesTables,
                   const QDateTime& maintenant) {
    AnneeEleve b;
    b.eleve = eleve;
    b.faitsDesTables = faitsDesTables;
    const qint64 fin = maintenant.toMSecsSinceEpoch();
    const qint64 ilYA7 = fin - 7 * JourMs, ilYA14 = fin - 14 * JourMs;
    const ReponseResumee* precedente = nullptr;
    Semaine* semaine = nullptr;
    // The local day is looked up when the day changes, not once a question.
    qint64 debutJour = 1, finJour = 0;
    QDate jour;
    for (const ReponseResumee& r : reponses) {
        if (r.moment > fin) break;
        if (r.moment < debutJour || r.moment >= finJour) {
            const JourLocal j = jourLocal(r.moment);
            jour = j.jour;
            debutJour = j.debut;
            finJour = j.fin;
            const int cle = cleSemaine(jour);
            if (!semaine || semaine->cle != cle) {
                semaine = &b.semaines[cle];
                semaine->cle = cle;
                semaine->lundi = jour.addDays(1 - jour.dayOfWeek());
                precedente = nullptr;  // an exercise never runs over two weeks
            }
        }
        ++semaine->questions;
        const bool nouvelExercice = !precedente || precedente->typeExercice != r.typeExercice ||
                                    precedente->position != r.position || r.moment - precedente->moment > PauseEntreExercicesMs;
        if (nouvelExercice) ++semaine->exercices;
        precedente = &r;
        b.derniereQuestion = r.moment;
        if (!estReponseTapee(r.typeExercice)) continue;
        if (!r.fait.estPossible()) continue;  // a damaged record: no answer of a fact to learn in it
        ++semaine->tapees;
        if (r.justePremierCoup) ++semaine->justes;
        if (r.msFin >= 0) semaine->temps.append(r.msFin);
        StatFait& s = b.faits[cleFamille(r.fait)];
        if (r.moment >= ilYA14) {
            s.figeAvant();
            if (r.moment >= ilYA7) {
                ++b.tapees7;
                b.justes7 += r.justePremierCoup;
            } else {
                ++b.tapeesAvant7;
                b.justesAvant7 += r.justePremierCoup;
            }
        }
        s.ajoute(r);
    }
    b.departs = departsDeLEleve(reponses);
    return b;
}

Comptes comptes(const AnneeEleve& b, int seuilMs) {
    Comptes c;
    auto compte = [&](EtatFait e) {
        switch (e) {
            case EtatFait::Automatique: ++c.automatiques; break;
            case EtatFait::JusteLent: ++c.lentes; break;
            case EtatFait::ARevoir: ++c.aRevoir; break;
            case EtatFait::JamaisVu: ++c.jamaisVues; break;
        }
    };
    if (b.faitsDesTables.isEmpty()) {
        for (const StatFait& s : b.faits) compte(s.etat(seuilMs));
        return c;
    }
    for (auto it = b.faitsDesTables.cbegin(); it != b.faitsDesTables.cend(); ++it) {
        const auto s = b.faits.constFind(it.key());
        compte(s == b.faits.cend() ? EtatFait::JamaisVu : s->etat(seuilMs));
    }
    return c;
}

QList<Fait> faitsLesPlusFragiles(const StatsFaits& faits, int seuilMs, int combien, bool devenusARevoir) {
    struct Candidat {
        const StatFait* stat;
        EtatFait etat;
        int manques;
    };
    QList<Candidat> candidats;
    for (const StatFait& s : faits) {
        const EtatFait e = s.etat(seuilMs);
        if (e != EtatFait::ARevoir && e != EtatFait::JusteLent) continue;
        if (devenusARevoir && (e != EtatFait::ARevoir || s.etatAvant(seuilMs) == EtatFait::ARevoir)) continue;
        candidats.append({&s, e, s.derniers.manques()});
    }
    std::sort(candidats.begin(), candidats.end(), [](const Candidat& a, const Candidat& b) {
        if (a.etat != b.etat) return a.etat == EtatFait::ARevoir;
        if (a.manques != b.manques) return a.manques > b.manques;
        const int ma = a.stat->mediane(), mb = b.stat->mediane();
        if (ma != mb) return ma > mb;
        if (cleFamille(a.stat->fait) != cleFamille(b.stat->fait)) return cleFamille(a.stat->fait) < cleFamille(b.stat->fait);
        return a.stat->fait.gauche < b.stat->fait.gauche;  // "7 × 8" before "8 × 7" when each is followed apart
    });
    QList<Fait> liste;
    for (const Candidat& c : candidats) {
        if (liste.size() == combien) break;
        liste.append(c.stat->fait);
    }
    return liste;
}

QList<Semaine> semainesDeLAnnee(const AnneeEleve& b, const QDate& aujourdhui) {
    const int annee = aujourdhui.month() >= 9 ? aujourdhui.year() : aujourdhui.year() - 1;
    QDate lundi = QDate(annee, 9, 1);
    lundi = lundi.addDays(1 - lundi.dayOfWeek());
    QList<Semaine> liste;
    for (; lundi <= aujourdhui; lundi = lundi.addDays(7)) {
        const int cle = cleSemaine(lundi);
        Semaine s = b.semaines.value(cle);
        s.cle = cle;
        s.lundi = lundi;
        liste.append(s);
    }
    return liste;
}
}  // namespace Suivi
