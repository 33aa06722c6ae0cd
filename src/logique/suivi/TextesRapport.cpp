#include "logique/suivi/TextesRapport.h"

#include "logique/base/FormatFr.h"

#include <algorithm>

namespace {
// One state of the facts that are not known yet: how many, and its words in the singular and plural.
struct Etat {
    int nombre;
    QString singulier, pluriel;
};

QDate rentree(const QDate& jour) { return QDate(jour.month() >= 9 ? jour.year() : jour.year() - 1, 9, 1); }
}  // namespace

namespace TextesRapport {
QStringList acquis(const Suivi::Comptes& c) {
    using FormatFr::accord;
    const int total = c.automatiques + c.lentes + c.aRevoir + c.jamaisVues;
    if (total == 0) return {QStringLiteral("Aucun calcul n'a encore été travaillé.")};
    if (c.jamaisVues == total)
        return {total == 1 ? QStringLiteral("Le calcul à apprendre n'a pas encore été travaillé.")
                           : QStringLiteral("Aucun des %1 calculs à apprendre n'a encore été travaillé.").arg(total)};
    const int sus = c.automatiques;
    QStringList phrases;
    if (sus > 0)
        phrases << QStringLiteral("%1 sur %2 %3 par cœur.")
                       .arg(FormatFr::quantite(sus, QStringLiteral("calcul"), QStringLiteral("calculs")))
                       .arg(total)
                       .arg(accord(sus, QStringLiteral("est su"), QStringLiteral("sont sus")));
    else if (total == 1) phrases << QStringLiteral("Le calcul à apprendre n'est pas encore su par cœur.");
    else phrases << QStringLiteral("Aucun des %1 calculs à apprendre n'est encore su par cœur.").arg(total);

    const QList<Etat> etats{
        {c.lentes, QStringLiteral("est juste mais encore lent"), QStringLiteral("sont justes mais encore lents")},
        {c.aRevoir, QStringLiteral("est à revoir"), QStringLiteral("sont à revoir")},
        {c.jamaisVues, QStringLiteral("n'a pas encore été travaillé"), QStringLiteral("n'ont pas encore été travaillés")}};
    const int autres = total - sus;
    QStringList parts;
    for (const Etat& e : etats)
        if (e.nombre > 0) parts << QString::number(e.nombre) + QLatin1Char(' ') + accord(e.nombre, e.singulier, e.pluriel);
    if (autres == 1) {
        // The one fact left, named without a number.
        const auto seul = std::find_if(etats.begin(), etats.end(), [](const Etat& e) { return e.nombre > 0; });
        phrases << (sus > 0 ? QStringLiteral("L'autre ") : QStringLiteral("Il ")) + seul->singulier + QLatin1Char('.');
    } else if (parts.size() == 1) {
        // Every one of the others in one state.
        const auto tous = std::find_if(etats.begin(), etats.end(), [](const Etat& e) { return e.nombre > 0; });
        phrases << (sus > 0 ? QStringLiteral("Les %1 autres ").arg(autres) : QStringLiteral("Tous ")) + tous->pluriel +
                       QLatin1Char('.');
    } else if (autres > 1) {
        phrases << (sus > 0 ? QStringLiteral("Parmi les autres, ") : QStringLiteral("Parmi eux, ")) +
                       FormatFr::enumeration(parts) + QLatin1Char('.');
    }
    return phrases;
}

QString definition(int seuilMs) {
    return QStringLiteral("Su par cœur : juste du premier coup, en %1 s au plus, les trois dernières fois.")
        .arg(FormatFr::nombre(seuilMs / 1000.0));
}

Periode periode(const AnneeEleve& b, const QDate& aujourdhui) {
    Periode p;
    p.fin = aujourdhui;
    const qint64 depuis = QDateTime(rentree(aujourdhui), QTime(0, 0)).toMSecsSinceEpoch();
    const qint64 jusqua = QDateTime(aujourdhui.addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    const auto premiere = std::lower_bound(b.reponses.begin(), b.reponses.end(), depuis,
                                           [](const ReponseResumee& r, qint64 m) { return r.moment < m; });
    if (premiere != b.reponses.end() && premiere->moment < jusqua)
        p.debut = QDateTime::fromMSecsSinceEpoch(premiere->moment).date();
    return p;
}

QString textePeriode(const Periode& p) {
    if (!p.debut.isValid())
        return QStringLiteral("Bilan du %1 : pas encore d'exercice fait cette année.").arg(FormatFr::dateLongue(p.fin));
    if (p.debut == p.fin) return QStringLiteral("Période : le %1").arg(FormatFr::dateLongue(p.fin));
    return QStringLiteral("Période : du %1 au %2").arg(FormatFr::dateLongue(p.debut), FormatFr::dateLongue(p.fin));
}

QList<Semaine> semaines(const AnneeEleve& b, const Periode& p) {
    if (!p.debut.isValid()) return {};
    const QDate lundi = p.debut.addDays(1 - p.debut.dayOfWeek());
    QList<Semaine> liste = Suivi::semainesDeLAnnee(b, p.fin);
    liste.removeIf([&](const Semaine& s) { return s.lundi < lundi; });
    return liste;
}

bool courbeParlante(const QList<Semaine>& semaines) {
    return std::count_if(semaines.begin(), semaines.end(), [](const Semaine& s) { return s.tapees > 0; }) >= 2;
}
}  // namespace TextesRapport
