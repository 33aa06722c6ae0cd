#include "ecrans/suivi/RapportFamille.h"

#include "logique/base/Erreurs.h"
#include "logique/base/FormatFr.h"
#include "ecrans/commun/Apparence.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace {
// The page is drawn on a 1000-unit wide surface whatever the device's resolution.
constexpr double Largeur = 1000.0;

void courbe(QPainter& p, const QRectF& zone, const QList<Semaine>& semaines) {
    p.setPen(QPen(Apparence::Marine, 1.5));
    p.drawRect(zone);
    p.setFont(Apparence::arial(14));
    for (int pct : {0, 50, 100}) {
        const double y = zone.bottom() - zone.height() * pct / 100.0;
        p.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1, Qt::DashLine));
        p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
        p.setPen(Apparence::Marine);
        p.drawText(QRectF(zone.left() - 60, y - 10, 54, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(pct));
    }
    if (semaines.isEmpty()) return;
    const double pas = semaines.size() > 1 ? zone.width() / (semaines.size() - 1) : 0;
    QPainterPath chemin;
    bool commence = false;
    p.setPen(QPen(Apparence::Orange, 3));
    for (int i = 0; i < semaines.size(); ++i) {
        const double r = semaines[i].reussite();
        if (r < 0) continue;
        const QPointF point(zone.left() + i * pas, zone.bottom() - zone.height() * r);
        if (commence) chemin.lineTo(point);
        else chemin.moveTo(point);
        commence = true;
        p.drawEllipse(point, 4, 4);
    }
    p.drawPath(chemin);
    p.setPen(Apparence::Marine);
    for (int i = 0; i < semaines.size(); i += std::max<qsizetype>(1, semaines.size() / 6))
        p.drawText(QRectF(zone.left() + i * pas - 40, zone.bottom() + 4, 80, 20), Qt::AlignCenter,
                   semaines[i].lundi.toString(QStringLiteral("dd/MM")));
}
}  // namespace

namespace RapportFamille {
void dessine(QPagedPaintDevice& page, const Contenu& c) {
    QPainter p(&page);
    const double echelle = page.width() / Largeur;
    p.scale(echelle, echelle);
    p.setRenderHint(QPainter::Antialiasing);
    const double hauteur = page.height() / echelle;
    const AnneeEleve& b = *c.annee;
    const auto annee = Suivi::semainesDeLAnnee(b, c.aujourdhui);
    double y = 0;
    auto texte = [&](const QString& t, const QFont& f, double h, const QColor& encre = Apparence::Marine) {
        p.setFont(f);
        p.setPen(encre);
        p.drawText(QRectF(0, y, Largeur, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, t);
        y += h;
    };
    texte(QStringLiteral("Calcul mental : le bilan de ") + b.eleve, Apparence::arial(34, true), 56);
    const QString debut = annee.isEmpty() ? FormatFr::dateLongue(c.aujourdhui) : FormatFr::dateLongue(annee.first().lundi);
    texte(QStringLiteral("Période : du %1 au %2").arg(debut, FormatFr::dateLongue(c.aujourdhui)), Apparence::arial(18), 30);
    if (c.enseignant != QLatin1String("aucun")) texte(QStringLiteral("Classe de ") + c.enseignant, Apparence::arial(18), 30);
    y += 16;

    const Suivi::Comptes n = Suivi::comptes(b, c.seuilMs);
    const int total = n.automatiques + n.lentes + n.aRevoir + n.jamaisVues;
    texte(QStringLiteral("Ce qui est acquis"), Apparence::arial(24, true), 40);
    if (total == 0) {
        texte(QStringLiteral("Aucun calcul n'a encore été travaillé."), Apparence::arial(18), 30);
    } else {
        texte(QStringLiteral("%1 calculs sur %2 sont su%3 par cœur (juste du premier coup en %4 s au plus).")
                  .arg(n.automatiques)
                  .arg(total)
                  .arg(n.automatiques > 1 ? "s" : "")
                  .arg(FormatFr::nombre(c.seuilMs / 1000.0)),
              Apparence::arial(18), 30);
        texte(QStringLiteral("%1 sont justes mais encore lents, %2 sont à revoir, %3 n'ont pas encore été travaillés.")
                  .arg(n.lentes)
                  .arg(n.aRevoir)
                  .arg(n.jamaisVues),
              Apparence::arial(18), 30);
    }
    y += 16;

    texte(QStringLiteral("À travailler à la maison"), Apparence::arial(24, true), 40);
    const QList<Fait> faits = Suivi::faitsLesPlusFragiles(b.faits, c.seuilMs, 10);
    if (faits.isEmpty()) {
        texte(QStringLiteral("Rien de particulier : continuer à s'entraîner un peu chaque jour."), Apparence::arial(18), 30);
    } else {
        texte(QStringLiteral("Quelques minutes par jour, à dire à voix haute puis à retrouver sans aide :"), Apparence::arial(18),
              30);
        p.setFont(Apparence::arial(24, true));
        for (int i = 0; i < faits.size(); ++i) {
            const QRectF r((i % 2) * 420 + 40, y + (i / 2) * 40, 400, 40);
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, faits[i].texteLisible());
        }
        y += ((faits.size() + 1) / 2) * 40;
    }
    y += 24;

    texte(QStringLiteral("Les progrès, semaine après semaine"), Apparence::arial(24, true), 40);
    texte(QStringLiteral("Part des calculs justes du premier coup"), Apparence::arial(16), 26);
    const double bas = std::min(hauteur - 60, y + 360);
    courbe(p, QRectF(70, y + 10, Largeur - 90, bas - y - 10), annee);
    p.setFont(Apparence::arial(13));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(QRectF(0, hauteur - 30, Largeur, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Marivelle, le ") + FormatFr::dateLongue(c.aujourdhui));
}

void enregistrePdf(const QString& chemin, const Contenu& c) {
    QPdfWriter pdf(chemin);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Bilan de ") + c.annee->eleve);
    pdf.setCreator(QStringLiteral("Marivelle"));
    dessine(pdf, c);
    if (!QFileInfo(chemin).isFile() || QFileInfo(chemin).size() == 0)
        throw ErreurMarivelle(QStringLiteral("Le fichier « %1 » n'a pas pu être écrit.").arg(chemin));
}

bool imprime(QWidget* parent, const Contenu& c) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setWindowTitle(QStringLiteral("Imprimer le bilan de ") + c.annee->eleve);
    if (dialogue.exec() != QDialog::Accepted) return false;
    dessine(imprimante, c);
    return true;
}
}  // namespace RapportFamille
