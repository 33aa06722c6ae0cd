#include "logique/suivi/EtatsFaits.h"

#include <algorithm>

CleFait Suivi::cleFamille(const Fait& f) {
    const bool commute = f.operation == Operation::Addition || f.operation == Operation::Multiplication;
    const int a = commute ? std::min(f.gauche, f.droite) : f.gauche;
    const int b = commute ? std::max(f.gauche, f.droite) : f.droite;
    return (CleFait(f.operation) << 62) | (CleFait(quint32(a)) << 31) | (CleFait(quint32(b)) & 0x7FFFFFFF);
}

void DerniersEssais::ajoute(Essai e) {
    if (nombre == Suivi::EssaisRetenus) {
        std::move(essais.begin() + 1, essais.end(), essais.begin());
        essais.back() = e;
        return;
    }
    essais[size_t(nombre++)] = e;
}

EtatFait DerniersEssais::etat(int seuilMs) const {
    if (nombre == 0) return EtatFait::JamaisVu;
    bool rapides = nombre >= Suivi::EssaisRetenus;
    for (int i = 0; i < nombre; ++i) {
        const Essai& e = essais[size_t(i)];
        if (!e.juste) return EtatFait::ARevoir;
        if (e.ms < 0 || e.ms > seuilMs) rapides = false;
    }
    return rapides ? EtatFait::Automatique : EtatFait::JusteLent;
}

int DerniersEssais::manques() const {
    return int(std::count_if(essais.cbegin(), essais.cbegin() + nombre, [](const Essai& e) { return !e.juste; }));
}

void StatFait::ajoute(const ReponseResumee& r) {
    fait = r.fait;
    ++essais;
    if (r.justePremierCoup) ++justes;
    if (r.msFin >= 0) temps.append(r.msFin);
    derniers.ajoute({r.justePremierCoup, r.msFin});
}

int StatFait::mediane() const { return Mediane(temps); }

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
