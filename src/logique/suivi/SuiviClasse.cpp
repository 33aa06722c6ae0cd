#include "logique/suivi/SuiviClasse.h"

#include "logique/base/CelluleCsv.h"
#include "logique/base/EnFond.h"
#include "logique/base/Erreurs.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"
#include "logique/etat/NomsDossier.h"
#include "logique/journal/MagasinJournal.h"
#include "logique/memoire/ModeleMemoire.h"
#include "logique/revision/ModeleDeLaClasse.h"
#include "logique/revision/SeuilClasse.h"
#include "logique/parametres/ParameterFiles.h"

#include <QCollator>
#include <QDir>
#include <QFuture>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
QString pourcent(double part) { return part < 0 ? QString() : QString::number(qRound(part * 100)); }
QString secondes(int ms) { return ms < 0 ? QString() : FormatFr::nombre(std::round(ms / 100.0) / 10.0); }

// Reading the year's questions is most of the opening: the class is read in parts at once, one
// connection each, the first on the view's own.
QList<QList<ReponseResumee>> litParParts(const QString& enseignant, MagasinJournal& magasin, const OuvreMagasin& autres) {
    const int nombre = autres ? std::clamp(EnFond::reserve().maxThreadCount(), 1, Suivi::PartsMax) : 1;
    using Part = std::optional<QList<ReponseResumee>>;
    QList<QFuture<Part>> enCours;
    for (int rang = 1; rang < nombre; ++rang)
        enCours.append(EnFond::lance([&autres, enseignant, rang, nombre]() -> Part {
            try {
                const std::unique_ptr<MagasinJournal> m = autres();
                return m->reponses(enseignant, 0, {rang, nombre});
            } catch (...) {
                return std::nullopt;  // read again on the view's connection, which says why if it fails too
            }
        }));
    QList<QList<ReponseResumee>> parts;
    try {
        parts.append(magasin.reponses(enseignant, 0, {0, nombre}));
        for (int rang = 1; rang < nombre; ++rang) {
            const Part p = enCours[rang - 1].result();
            parts.append(p ? *p : magasin.reponses(enseignant, 0, {rang, nombre}));
        }
    } catch (...) {
        for (QFuture<Part>& f : enCours) f.waitForFinished();  // they use `autres`
        throw;
    }
    return parts;
}
}  // namespace

namespace Suivi {
QStringList elevesDeLaClasse(const QString& enseignant, const QString& repertoireClasse, MagasinJournal* magasin,
                             const QStringList& inscrits) {
    QSet<QString> noms;
    for (const QString& n : inscrits)
        if (!n.trimmed().isEmpty()) noms.insert(n);
    for (const QString& f : QDir(repertoireClasse).entryList(QDir::Files))
        if (const auto eleve = NomsDossier::eleveDuParametrage(f, enseignant)) noms.insert(*eleve);
    if (magasin)
        for (const QString& n : magasin->eleves(enseignant)) noms.insert(n);
    QStringList liste(noms.cbegin(), noms.cend());
    // A→Z as a French reader orders names: "Élise" between "Adam" and "Zoé", "n° 2" before "n° 10".
    QCollator ordre{QLocale(QLocale::French)};
    ordre.setNumericMode(true);
    ordre.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(liste.begin(), liste.end(), [&ordre](const QString& a, const QString& b) {
        const int c = ordre.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return liste;
}

Classe charge(const QString& enseignant, const QString& repertoireClasse, MagasinJournal* magasin, const QDateTime& maintenant,
              const QStringList& inscrits, const OuvreMagasin& autres) {
    Classe c;
    c.enseignant = enseignant;
    c.repertoire = repertoireClasse;
    c.maintenant = maintenant;
    c.seuilMs = Revision::litSeuil(repertoireClasse);
    c.reussiteVisee = Revision::litReussiteVisee(repertoireClasse);
    if (magasin) c.reponses = litParParts(enseignant, *magasin, autres);
    // The model learns the class's answers while the calibration walks them again with the same parameters.
    QList<ReponseResumee> toutes;
    for (const QList<ReponseResumee>& part : std::as_const(c.reponses)) toutes += part;
    const ParametresMemoire parametres = Revision::parametresDeLaClasse(repertoireClasse);
    QFuture<Calibrage> calibre = EnFond::lance([&] { return calibrage(parametres, toutes, maintenant.toMSecsSinceEpoch()); });
    c.modele = std::make_shared<const ModeleMemoire>(parametres, toutes);
    c.calibrage = calibre.result();
    // Each pupil's stretches of questions, part after part.
    QHash<QString, QList<std::span<const ReponseResumee>>> morceaux;
    for (const QList<ReponseResumee>& reponses : std::as_const(c.reponses))
        for (qsizetype i = 0; i < reponses.size();) {
            qsizetype j = i;
            while (j < reponses.size() && reponses[j].eleve == reponses[i].eleve) ++j;
            morceaux[reponses[i].eleve].append(std::span<const ReponseResumee>(reponses.constData() + i, size_t(j - i)));
            i = j;
        }
    for (const QString& eleve : elevesDeLaClasse(enseignant, repertoireClasse, magasin, inscrits)) {
        c.eleves.append(AnneeEleve{});
        c.eleves.last().eleve = eleve;
    }
    c.reunies.resize(c.eleves.size());
    AnneeEleve* const premier = c.eleves.data();
    QList<ReponseResumee>* const reunies = c.reunies.data();
    // Each pupil apart from the others: their questions in one list, their tables and year.
    EnFond::pourChacun(c.eleves, [&](AnneeEleve& b) {
        const QList<std::span<const ReponseResumee>> siens = morceaux.value(b.eleve);
        std::span<const ReponseResumee> reponses;
        if (siens.size() == 1) {
            reponses = siens.front();
        } else if (siens.size() > 1) {
            QList<ReponseResumee>& reunie = reunies[&b - premier];
            qsizetype total = 0;
            for (const auto& m : siens) total += qsizetype(m.size());
            reunie.reserve(total);
            for (const auto& m : siens) reunie.append(QList<ReponseResumee>(m.begin(), m.end()));
            const auto plusAncienne = [](const ReponseResumee& x, const ReponseResumee& y) { return x.moment < y.moment; };
            if (!std::is_sorted(reunie.cbegin(), reunie.cend(), plusAncienne))
                std::stable_sort(reunie.begin(), reunie.end(), plusAncienne);
            reponses = std::span<const ReponseResumee>(reunie.constData(), size_t(reunie.size()));
        }
        QHash<CleFait, Fait> tables;
        try {
            tables = faitsDesTables(tablesDeLEleve(repertoireClasse, b.eleve, enseignant));
        } catch (const ErreurMarivelle&) {
            // An unreadable file: the facts met are counted instead.
        }
        b = analyse(b.eleve, reponses, tables, maintenant);
        b.reponses = reponses;
    });
    revise(c);
    return c;
}

void revise(Classe& c) {
    if (!c.modele) return;
    EnFond::pourChacun(c.eleves, [&c](AnneeEleve& b) {
        b.revision = Revision::estimeLEleve(*c.modele, b.eleve, c.maintenant.toMSecsSinceEpoch(), c.reussiteVisee / 100.0);
    });
}

QFuture<void> reajuste(const Classe& c) {
    QList<ReponseResumee> toutes;
    for (const QList<ReponseResumee>& part : c.reponses) toutes += part;
    return Revision::reajusteEnFond(c.repertoire, toutes, c.maintenant);
}

Calibrage calibrage(const ParametresMemoire& parametres, const QList<ReponseResumee>& reponses, qint64 maintenant) {
    Calibrage c;
    Predicteur predicteur(parametres);
    for (const ReponseResumee& r : dansLOrdre(reponses)) {
        if (r.moment >= maintenant) break;
        if (r.moment >= maintenant - CalibrageDepuisMs) {
            c.prevu += predicteur.predit(r);
            c.obtenu += r.justePremierCoup;
            ++c.questions;
        }
        predicteur.apprend(r);
    }
    if (c.questions > 0) {
        c.prevu /= c.questions;
        c.obtenu /= c.questions;
    }
    return c;
}

QString texteCalibrage(const Calibrage& c) {
    if (c.questions == 0)
        return QStringLiteral("Pas encore de réponse ces quatre dernières semaines pour juger les estimations.");
    return QStringLiteral("Prévu %1 %, obtenu %2 %").arg(qRound(c.prevu * 100)).arg(qRound(c.obtenu * 100));
}

QString nomAffiche(const QString& eleve) {
    const qsizetype fin = eleve.indexOf(QStringLiteral(" en classe de "));
    return fin > 0 ? eleve.left(fin) : eleve;
}

LigneClasse ligne(const AnneeEleve& b, const QDate& aujourdhui, int seuilMs) {
    LigneClasse l;
    l.eleve = b.eleve;
    l.derniereQuestion = b.derniereQuestion;
    const int cle = cleSemaine(aujourdhui);
    const Semaine cette = b.semaines.value(cle);
    l.exercicesSemaine = cette.exercices;
    l.questionsSemaine = cette.questions;
    l.reussiteSemaine = cette.reussite();
    const int debut = cleSemaine(aujourdhui.addDays(-28));
    int tapees = 0, justes = 0;
    QList<int> temps = cette.temps;
    for (auto it = b.semaines.lowerBound(debut); it != b.semaines.cend() && it.key() < cle; ++it) {
        tapees += it->tapees;
        justes += it->justes;
        temps += it->temps;
    }
    l.reussiteQuatreAvant = tapees > 0 ? double(justes) / tapees : -1.0;
    l.medianeMs = Mediane(temps);
    l.comptes = comptes(b, seuilMs);
    l.dusAujourdhui = b.revision.nombreDus();
    l.rienDeConnu = b.faitsDesTables.isEmpty() && b.faits.isEmpty();
    return l;
}

QString symboleNiveau(Revision::Niveau n) {
    switch (n) {
        case Revision::Niveau::Solide: return QStringLiteral("✓");
        case Revision::Niveau::Fragile: return QStringLiteral("~");
        case Revision::Niveau::AReprendre: break;
    }
    return QStringLiteral("✗");
}

// The level of the figure shown, so that "90 %" never reads below an aim of 90 %.
Revision::Niveau niveauReussite(double part, double cible) { return Revision::niveau(qRound(part * 100) / 100.0, cible); }

QString texteReussite(double part, double cible) {
    if (part < 0) return QStringLiteral("–");
    return symboleNiveau(niveauReussite(part, cible)) + QLatin1Char(' ') + FormatFr::pourcent(part);
}

QList<AideDuJour> aAiderAujourdhui(const QList<AnneeEleve>& eleves, int seuilMs) {
    QList<AideDuJour> liste;
    for (const AnneeEleve& b : eleves) {
        AideDuJour a;
        a.eleve = b.eleve;
        if (b.tapees7 >= TapeesMinimum && b.tapeesAvant7 >= TapeesMinimum)
            a.baisse = double(b.justesAvant7) / b.tapeesAvant7 - double(b.justes7) / b.tapees7;
        int avant = 0, maintenant = 0;
        bool nouveaux = false;
        for (const StatFait& s : b.faits) {
            const bool etait = s.etatAvant(seuilMs) == EtatFait::ARevoir, est = s.etat(seuilMs) == EtatFait::ARevoir;
            avant += etait;
            maintenant += est;
            nouveaux = nouveaux || (est && !etait);
        }
        a.hausseARevoir = maintenant - avant;
        if (a.baisse < BaisseNotable - 1e-9 && a.hausseARevoir < 1) continue;
        a.faits = faitsLesPlusFragiles(b.faits, seuilMs, 5, nouveaux);
        liste.append(a);
    }
    // Ten points of success weigh as much as one fact more to review.
    std::stable_sort(liste.begin(), liste.end(), [](const AideDuJour& x, const AideDuJour& y) {
        return x.hausseARevoir + 10 * x.baisse > y.hausseARevoir + 10 * y.baisse;
    });
    if (liste.size() > AidesMax) liste.resize(AidesMax);
    return liste;
}

QByteArray csvClasse(const QList<LigneClasse>& lignes) {
    QStringList texte{
        QStringLiteral("Élève;Dernière connexion;Exercices cette semaine;Questions cette semaine;"
                       "Réussite du premier coup cette semaine (%);Réussite du premier coup les quatre semaines d'avant (%);"
                       "Temps médian d'une réponse juste (s);Faits automatiques;Faits justes mais lents;Faits à revoir;"
                       "Faits jamais vus;Dus aujourd'hui")};
    for (const LigneClasse& l : lignes) {
        const QString derniere = l.derniereQuestion < 0 ? QString()
                                                        : FormatFr::dateHeure(QDateTime::fromMSecsSinceEpoch(l.derniereQuestion));
        // The pupil's name is the one text cell; the others are the program's figures and dates.
        texte << QStringList{CelluleCsv::texte(l.eleve),
                             derniere,
                             QString::number(l.exercicesSemaine),
                             QString::number(l.questionsSemaine),
                             pourcent(l.reussiteSemaine),
                             pourcent(l.reussiteQuatreAvant),
                             CelluleCsv::valeur(secondes(l.medianeMs)),
                             QString::number(l.comptes.automatiques),
                             QString::number(l.comptes.lentes),
                             QString::number(l.comptes.aRevoir),
                             l.rienDeConnu ? QStringLiteral("toutes") : QString::number(l.comptes.jamaisVues),
                             QString::number(l.dusAujourdhui)}
                     .join(QLatin1Char(';'));
    }
    return QByteArray("\xEF\xBB\xBF") + texte.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}
}  // namespace Suivi
