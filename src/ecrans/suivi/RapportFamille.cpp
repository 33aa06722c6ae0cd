#include "ecrans/suivi/RapportFamille.h"

#include "ecrans/suivi/CouleursSuivi.h"

#include "logique/base/Avancement.h"
#include "logique/base/FichierTexte.h"
#include "logique/base/FormatFr.h"
#include "logique/suivi/TextesRapport.h"
#include "ecrans/commun/Apparence.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {
// The page is drawn on a 1000-unit wide surface whatever the device's resolution.
constexpr double Largeur = 1000.0;
constexpr double Pied = 34;  // the line at the foot of the page
const QColor Bandeau(0xe6, 0xf6, 0xfb);
const QColor Gris(0x60, 0x60, 0x60);
const QColor Trait(0xc0, 0xc0, 0xc0);

// Draws down the page: each text wrapped on whole words to its width, the next one below it.
class Curseur {
public:
    explicit Curseur(QPainter& p) : p_(p) {}
    double y = 0;

    static constexpr int Drapeaux = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

    // The painter measures nothing with no pen: the text's ink is set first.
    double hauteur(const QString& t, const QFont& f, double largeur = Largeur, const QColor& encre = Apparence::Marine) {
        p_.setFont(f);
        p_.setPen(encre);
        return p_.boundingRect(QRectF(0, 0, largeur, 2000), Drapeaux, t).height();
    }
    void texte(const QString& t, const QFont& f, const QColor& encre = Apparence::Marine, double gauche = 0,
               double largeur = Largeur) {
        const double h = hauteur(t, f, largeur, encre);
        p_.drawText(QRectF(gauche, y, largeur, h), Drapeaux, t);
        y += h;
    }
    void titre(const QString& t) {
        y += 18;
        texte(t, Apparence::arial(25, true));
        p_.setPen(QPen(Apparence::Orange, 3));
        p_.drawLine(QPointF(0, y + 3), QPointF(90, y + 3));
        y += 12;
    }

private:
    QPainter& p_;
};

// The facts by state as one bar, each part as long as its share, with its symbol and count.
void barre(QPainter& p, const QRectF& zone, const Suivi::Comptes& n) {
    const QList<std::tuple<int, QColor, EtatFait>> parts{
        {n.automatiques, CouleursSuivi::etat(EtatFait::Automatique), EtatFait::Automatique},
        {n.lentes, CouleursSuivi::etat(EtatFait::JusteLent), EtatFait::JusteLent},
        {n.aRevoir, CouleursSuivi::etat(EtatFait::ARevoir), EtatFait::ARevoir},
        {n.jamaisVues, CouleursSuivi::etat(EtatFait::JamaisVu), EtatFait::JamaisVu}};
    const int total = n.automatiques + n.lentes + n.aRevoir + n.jamaisVues;
    double x = zone.left();
    p.setFont(Apparence::arial(17, true));
    for (const auto& [nombre, couleur, etat] : parts) {
        if (nombre == 0) continue;
        const QRectF part(x, zone.top(), zone.width() * nombre / total, zone.height());
        p.fillRect(part, couleur);
        p.setPen(Apparence::Marine);
        const QString t = SymboleEtat(etat) + QLatin1Char(' ') + QString::number(nombre);
        if (p.fontMetrics().horizontalAdvance(t) + 8 < part.width()) p.drawText(part, Qt::AlignCenter, t);
        x = part.right();
    }
    p.setPen(QPen(Apparence::Marine, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(zone);
}

// The share right at the first try, week after week; a week without typed answers breaks the line.
// Each week by its Monday, the first by the day the period starts.
void courbe(QPainter& p, const QRectF& zone, const QList<Semaine>& semaines, const QDate& debut) {
    p.setFont(Apparence::arial(14));
    for (int pct = 0; pct <= 100; pct += 25) {
        const double y = zone.bottom() - zone.height() * pct / 100.0;
        p.setPen(QPen(Trait, 1, pct % 50 ? Qt::DotLine : Qt::DashLine));
        p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
        p.setPen(Apparence::Marine);
        p.drawText(QRectF(zone.left() - 66, y - 10, 58, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(pct));
    }
    p.setPen(QPen(Apparence::Marine, 1.5));
    p.drawLine(zone.bottomLeft(), zone.bottomRight());
    p.drawLine(zone.bottomLeft(), zone.topLeft());
    // Half a week's room at each end, so that no point sits on the frame.
    const double pas = zone.width() / std::max<qsizetype>(1, semaines.size());
    const auto x = [&](int i) { return zone.left() + (i + 0.5) * pas; };
    QPainterPath chemin;
    bool relie = false;
    p.setPen(QPen(Apparence::Orange, 3));
    p.setBrush(Apparence::Orange);
    for (int i = 0; i < semaines.size(); ++i) {
        const double r = semaines[i].reussite();
        if (r < 0) {
            relie = false;
            continue;
        }
        const QPointF point(x(i), zone.bottom() - zone.height() * r);
        if (relie) chemin.lineTo(point);
        else chemin.moveTo(point);
        relie = true;
        p.drawEllipse(point, 4.5, 4.5);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(chemin);
    p.setPen(Apparence::Marine);
    const qsizetype tous = std::max<qsizetype>(1, (semaines.size() + 6) / 7);
    for (qsizetype i = 0; i < semaines.size(); i += tous)
        p.drawText(QRectF(x(int(i)) - 50, zone.bottom() + 6, 100, 20), Qt::AlignCenter,
                   FormatFr::jourMois(std::max(semaines[i].lundi, debut)));
}

// The teacher's word, and ruled lines under it to write by hand (the whole box when none is typed).
void mot(QPainter& p, const QRectF& zone, const QString& texte) {
    p.setPen(QPen(Apparence::Marine, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(zone, 12, 12);
    const QRectF dedans = zone.adjusted(24, 18, -24, -18);
    double haut = dedans.top();
    if (!texte.trimmed().isEmpty()) {
        p.setFont(Apparence::arial(19));
        const int drapeaux = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF place = p.boundingRect(dedans, drapeaux, texte.trimmed());
        p.drawText(dedans, drapeaux, texte.trimmed());
        haut = place.bottom();
    }
    p.setPen(QPen(Trait, 1.2, Qt::DotLine));
    for (double y = haut + 42; y <= dedans.bottom(); y += 42) p.drawLine(QPointF(dedans.left(), y), QPointF(dedans.right(), y));
}
}  // namespace

namespace RapportFamille {
void dessine(QPainter& p, QPagedPaintDevice& page, const Contenu& c) {
    p.save();
    const double echelle = page.width() / Largeur;
    p.scale(echelle, echelle);
    p.setRenderHint(QPainter::Antialiasing);
    const double hauteur = page.height() / echelle;
    const AnneeEleve& b = *c.annee;
    const TextesRapport::Periode periode = TextesRapport::periode(b, c.aujourdhui);
    Curseur curseur(p);

    // The heading on a pale band as high as its lines.
    const QString titre = QStringLiteral("Calcul mental : le bilan de ") + b.eleve;
    QStringList lignes{TextesRapport::textePeriode(periode)};
    if (c.enseignant != QLatin1String("aucun")) lignes.prepend(QStringLiteral("Classe de ") + c.enseignant);
    double haut = 16 + curseur.hauteur(titre, Apparence::arial(32, true), Largeur - 48) + 6 + 16;
    for (const QString& l : lignes) haut += curseur.hauteur(l, Apparence::arial(19), Largeur - 48);
    p.setPen(Qt::NoPen);
    p.setBrush(Bandeau);
    p.drawRoundedRect(QRectF(0, 0, Largeur, haut), 16, 16);
    curseur.y = 16;
    curseur.texte(titre, Apparence::arial(32, true), Apparence::Marine, 24, Largeur - 48);
    curseur.y += 6;
    for (const QString& l : lignes) curseur.texte(l, Apparence::arial(19), Apparence::Marine, 24, Largeur - 48);
    curseur.y = haut + 6;

    const Suivi::Comptes n = Suivi::comptes(b, c.seuilMs);
    curseur.titre(QStringLiteral("Ce qui est acquis"));
    curseur.texte(TextesRapport::acquis(n).join(QLatin1Char(' ')), Apparence::arial(20));
    if (n.automatiques + n.lentes + n.aRevoir + n.jamaisVues > 0) {
        curseur.y += 12;
        barre(p, QRectF(0, curseur.y, Largeur, 38), n);
        curseur.y += 44;
        curseur.texte(QStringLiteral("✓ su par cœur    ~ juste mais encore lent    ✗ à revoir    · pas encore travaillé"),
                      Apparence::arial(15), Gris);
        curseur.texte(TextesRapport::definition(c.seuilMs), Apparence::arial(15), Gris);
    }

    curseur.titre(QStringLiteral("À travailler à la maison"));
    const QList<Fait> faits = Suivi::faitsLesPlusFragiles(b.faits, c.seuilMs, 12);
    if (faits.isEmpty()) {
        curseur.texte(b.faits.isEmpty() ? QStringLiteral("Les premiers exercices diront quoi travailler. En attendant, "
                                                         "réciter les tables un peu chaque jour.")
                                        : QStringLiteral("Rien de particulier : continuer à s'entraîner un peu chaque jour."),
                      Apparence::arial(20));
    } else {
        curseur.texte(QStringLiteral("Quelques minutes par jour, à dire à voix haute puis à retrouver sans aide :"),
                      Apparence::arial(20));
        curseur.y += 8;
        p.setFont(Apparence::arial(26, true));
        for (int i = 0; i < faits.size(); ++i) {
            const StatFait s = b.faits.value(Suivi::cleFamille(faits[i]));
            const EtatFait etat = s.etat(c.seuilMs);
            const QRectF r((i % 3) * 336, curseur.y + (i / 3) * 56, 320, 46);
            p.setPen(Qt::NoPen);
            p.setBrush(etat == EtatFait::ARevoir ? CouleursSuivi::etat(EtatFait::ARevoir)
                                                 : CouleursSuivi::etat(EtatFait::JusteLent));
            p.drawRoundedRect(r, 10, 10);
            p.setPen(Apparence::Marine);
            p.drawText(r.adjusted(14, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       SymboleEtat(etat) + QStringLiteral("  ") + faits[i].texteLisible());
        }
        curseur.y += ((faits.size() + 2) / 3) * 56;
    }

    // What is left of the page goes to the curve and the teacher's word.
    const QList<Semaine> semaines = TextesRapport::semaines(b, periode);
    curseur.titre(QStringLiteral("Les progrès, semaine après semaine"));
    const double reste = hauteur - Pied - curseur.y;
    if (TextesRapport::courbeParlante(semaines)) {
        curseur.texte(QStringLiteral("Part des calculs justes du premier coup, chaque semaine"), Apparence::arial(17), Gris);
        const double haut = std::clamp(reste * 0.45, 180.0, 380.0);
        courbe(p, QRectF(70, curseur.y + 14, Largeur - 80, haut - 44), semaines, periode.debut);
        curseur.y += haut;
    } else {
        curseur.texte(periode.debut.isValid()
                          ? QStringLiteral("La courbe des progrès paraîtra après deux semaines d'entraînement.")
                          : QStringLiteral("La courbe des progrès paraîtra avec les premiers exercices."),
                      Apparence::arial(20));
    }
    curseur.titre(c.enseignant == QLatin1String("aucun") ? QStringLiteral("Le mot de l'enseignant")
                                                         : QStringLiteral("Le mot de ") + c.enseignant);
    mot(p, QRectF(0, curseur.y + 8, Largeur, hauteur - Pied - curseur.y - 16), c.mot);

    p.setFont(Apparence::arial(14));
    p.setPen(Gris);
    p.drawText(QRectF(0, hauteur - Pied + 8, Largeur, Pied - 8), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Marivelle, le ") + FormatFr::dateLongue(c.aujourdhui));
    p.restore();
}

QByteArray pdf(const QList<Contenu>& contenus, Avancement* avancement) {
    QBuffer octets;
    octets.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&octets);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(contenus.size() == 1 ? QStringLiteral("Bilan de ") + contenus.front().annee->eleve
                                          : QStringLiteral("Bilans de la classe"));
        pdf.setCreator(QStringLiteral("Marivelle"));
        QPainter p(&pdf);
        for (int i = 0; i < contenus.size(); ++i) {
            if (avancement) avancement->annonce(i, contenus.size());
            if (i > 0) pdf.newPage();
            dessine(p, pdf, contenus[i]);
        }
    }
    return octets.data();
}

void enregistrePdf(const QString& chemin, const QList<Contenu>& contenus, Avancement* avancement) {
    FichierTexte::remplaceOctetsAilleurs(chemin, pdf(contenus, avancement));
}
}  // namespace RapportFamille
