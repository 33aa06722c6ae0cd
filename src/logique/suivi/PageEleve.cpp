#include "logique/suivi/PageEleve.h"

#include "logique/base/FormatFr.h"
#include "logique/suivi/TablesDeLEleve.h"

#include <algorithm>

namespace {
QString pluriel(int n, const QString& mot) { return QStringLiteral("%1 %2%3").arg(n).arg(mot, n > 1 ? "s" : ""); }

QString enumeration(const QList<PredictionFait>& predictions) {
    QList<Fait> faits;
    for (const PredictionFait& p : predictions) faits << p.fait;
    QStringList textes;
    for (const Fait& f : Suivi::dansLOrdreDesTables(faits)) textes << FormatFr::insecable(f.texteLisible());
    return FormatFr::pointsVirgules(textes);
}
}  // namespace

namespace Suivi {
CleFait cleSens(const Fait& f) {
    return (CleFait(f.operation) << 62) | (CleFait(quint32(f.gauche)) << 31) | (CleFait(quint32(f.droite)) & 0x7FFFFFFF);
}

StatsFaits faitsParSens(std::span<const ReponseResumee> reponses, qint64 maintenant) {
    StatsFaits faits;
    for (const ReponseResumee& r : reponses) {
        if (r.moment > maintenant) break;
        if (estReponseTapee(r.typeExercice)) faits[cleSens(r.fait)].ajoute(r);
    }
    return faits;
}

QList<Operation> operationsDeLEleve(const AnneeEleve& b) {
    QList<Operation> liste;
    for (auto r = b.reponses.rbegin(); r != b.reponses.rend(); ++r)
        if (r->moment <= b.derniereQuestion && estReponseTapee(r->typeExercice)) {
            liste << r->fait.operation;
            break;
        }
    for (const Operation o : {Operation::Addition, Operation::Soustraction, Operation::Multiplication, Operation::Division}) {
        const auto de = [o](const Fait& f) { return f.operation == o; };
        const bool siennes = std::any_of(b.faitsDesTables.cbegin(), b.faitsDesTables.cend(), de) ||
                             std::any_of(b.faits.cbegin(), b.faits.cend(), [&](const StatFait& s) { return de(s.fait); });
        if (siennes && !liste.contains(o)) liste << o;
    }
    return liste;
}

QList<Fait> dansLOrdreDesTables(QList<Fait> faits) {
    std::sort(faits.begin(), faits.end(), [](const Fait& a, const Fait& b) {
        const CaseGrille x = caseDe(a), y = caseDe(b);
        return std::tuple(int(a.operation), x.ligne, x.colonne) < std::tuple(int(b.operation), y.ligne, y.colonne);
    });
    return faits;
}

QString descriptionFait(const Fait& f, const StatFait* propre, bool dansTables, double estimation, double cible, int seuilMs,
                        double estimationDepart) {
    const bool demande = propre && propre->essais > 0;
    QString texte = f.texteLisible() + QStringLiteral(" : ") + NomEtat(demande ? propre->etat(seuilMs) : EtatFait::JamaisVu);
    if (!demande) {
        texte += QStringLiteral("\nCe calcul n'a encore jamais été demandé.");
        if (estimationDepart >= 0)
            texte += QStringLiteral("\nestimé par le test de départ : %1 de chances de réussir du premier coup")
                         .arg(FormatFr::pourcent(estimationDepart));
    } else {
        texte += QStringLiteral("\n%1, %2 du premier coup")
                     .arg(pluriel(propre->essais, QStringLiteral("question")), pluriel(propre->justes, QStringLiteral("juste")));
        if (propre->mediane() >= 0) texte += QStringLiteral("\ntemps médian : ") + FormatFr::secondes(propre->mediane());
    }
    if (estimation >= 0)
        texte += QStringLiteral("\nréussite estimée aujourd'hui : %1 (%2)")
                     .arg(FormatFr::pourcent(estimation), Revision::nomNiveau(Revision::niveau(estimation, cible)));
    if (!dansTables) texte += QStringLiteral("\n(hors des tables choisies)");
    return texte;
}

QString texteDeparts(const QList<DepartOperation>& departs) {
    QStringList lignes;
    for (const DepartOperation& d : departs)
        lignes << QStringLiteral("Test de départ des %1 : %2.")
                      .arg(d.operation == Operation::Addition ? QStringLiteral("additions") : QStringLiteral("multiplications"),
                           d.resume);
    return lignes.join(QLatin1Char('\n'));
}

QString texteATravailler(const StatFait& s, int seuilMs) {
    const EtatFait e = s.etat(seuilMs);
    return QStringLiteral("%1 %2   (%3%4)")
        .arg(SymboleEtat(e), s.fait.texteLisible(), NomEtat(e),
             s.mediane() < 0 ? QString() : QStringLiteral(", ") + FormatFr::secondes(s.mediane()));
}

QString texteRevision(const Revision::EstimationsEleve& e) {
    const QString visee = FormatFr::pourcent(e.cible);
    const int dus = e.nombreDus(), bientot = int(e.bientot.size());
    const QString aujourdhui =
        dus == 0 ? QStringLiteral("Aujourd'hui, aucun calcul dû : chaque calcul déjà vu est estimé à %1 au moins.").arg(visee)
                 : QStringLiteral("Aujourd'hui, %1 (estimé%2 sous %3) : %4.")
                       .arg(pluriel(dus, QStringLiteral("calcul")) + (dus > 1 ? QStringLiteral(" dus") : QStringLiteral(" dû")),
                            dus > 1 ? "s" : "", visee, enumeration(e.dus));
    const QString semaine = bientot == 0
                                ? QStringLiteral("D'ici une semaine, aucun autre ne passera sous %1.").arg(visee)
                                : QStringLiteral("D'ici une semaine, %1 passer%2 sous %3 : %4.")
                                      .arg(bientot > 1 ? QStringLiteral("%1 autres").arg(bientot) : QStringLiteral("1 autre"),
                                           bientot > 1 ? "ont" : "a", visee, enumeration(e.bientot));
    return aujourdhui + QLatin1Char('\n') + semaine;
}
}  // namespace Suivi
