#include "suivi/EtatsFaits.h"

#include <algorithm>

bool Suivi::estReponseTapee(int typeExercice) { return typeExercice == 1 || typeExercice == 2 || typeExercice == 5; }

void StatFait::ajoute(const ReponseResumee& r) {
    fait = r.fait;
    ++essais;
    if (r.justePremierCoup) ++justes;
    if (r.msFin >= 0) temps.append(r.msFin);
    derniers.append({r.justePremierCoup, r.msFin});
    if (derniers.size() > Suivi::EssaisRetenus) derniers.removeFirst();
}

int StatFait::mediane() const { return Mediane(temps); }

EtatFait StatFait::etat(int seuilMs) const {
    if (derniers.isEmpty()) return EtatFait::JamaisVu;
    bool rapides = derniers.size() >= Suivi::EssaisRetenus;
    for (const Essai& e : derniers) {
        if (!e.juste) return EtatFait::ARevoir;
        if (e.ms < 0 || e.ms > seuilMs) rapides = false;
    }
    return rapides ? EtatFait::Automatique : EtatFait::JusteLent;
}

int Mediane(QList<int> valeurs) {
    if (valeurs.isEmpty()) return -1;
    const auto milieu = valeurs.begin() + (valeurs.size() - 1) / 2;
    std::nth_element(valeurs.begin(), milieu, valeurs.end());
    return *milieu;
}

QString SymboleEtat(EtatFait etat) {
    switch (etat) {
    case EtatFait::Automatique: return QStringLiteral("✓");
    case EtatFait::JusteLent: return QStringLiteral("~");
    case EtatFait::ARevoir: return QStringLiteral("✗");
    case EtatFait::JamaisVu: break;
    }
    return QStringLiteral("·");
}

QString NomEtat(EtatFait etat) {
    switch (etat) {
    case EtatFait::Automatique: return QStringLiteral("automatique");
    case EtatFait::JusteLent: return QStringLiteral("juste mais lente");
    case EtatFait::ARevoir: return QStringLiteral("à revoir");
    case EtatFait::JamaisVu: break;
    }
    return QStringLiteral("jamais vue");
}
