#include "ecrans/suivi/GrilleFaits.h"

#include "logique/base/FormatFr.h"
#include "ecrans/commun/Apparence.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int TailleMin = 11, TailleMax = 31;

QColor couleur(EtatFait e) {
    switch (e) {
        case EtatFait::Automatique: return Apparence::EtatAutomatique;
        case EtatFait::JusteLent: return Apparence::EtatLent;
        case EtatFait::ARevoir: return Apparence::EtatARevoir;
        case EtatFait::JamaisVu: break;
    }
    return Apparence::EtatJamaisVu;
}
}  // namespace

GrilleFaits::GrilleFaits(QWidget* parent, Operation operation) : QWidget(parent), operation_(operation) {
    setMouseTracking(true);
    setMinimumSize(200, 200);
}

void GrilleFaits::montre(const AnneeEleve* annee, int seuilMs, const QDate& aujourdhui) {
    annee_ = annee;
    aujourdhui_ = aujourdhui;
    seuil_ = seuilMs;
    int plus = TailleMin - 1;
    auto etend = [&](const Fait& f) {
        if (f.operation != operation_) return;
        const Suivi::CaseGrille c = Suivi::caseDe(f);
        plus = std::max({plus, c.ligne, c.colonne});
    };
    if (annee) {
        for (const Fait& f : annee->faitsDesTables) etend(f);
        for (const StatFait& s : annee->faits) etend(s.fait);
    }
    taille_ = std::min(plus + 1, TailleMax);
    update();
}

EtatFait GrilleFaits::etat(int ligne, int colonne, bool& dansTables) const {
    dansTables = false;
    Fait f;
    if (!annee_ || !Suivi::faitDeLaCase(operation_, ligne, colonne, f)) return EtatFait::JamaisVu;
    const CleFait cle = Suivi::cleFamille(f);
    dansTables = annee_->faitsDesTables.isEmpty() || annee_->faitsDesTables.contains(cle);
    const auto s = annee_->faits.constFind(cle);
    return s == annee_->faits.cend() ? EtatFait::JamaisVu : s->etat(seuil_);
}

QRect GrilleFaits::rectangle(int ligne, int colonne) const {
    // One more row and column for the headings.
    const int cote = std::min(width(), height()) / (taille_ + 1);
    return {(colonne + 1) * cote, (ligne + 1) * cote, cote, cote};
}

bool GrilleFaits::caseSous(const QPoint& p, int& ligne, int& colonne) const {
    const int cote = std::max(1, std::min(width(), height()) / (taille_ + 1));
    ligne = p.y() / cote - 1;
    colonne = p.x() / cote - 1;
    return ligne >= 0 && colonne >= 0 && ligne < taille_ && colonne < taille_;
}

QString GrilleFaits::description(int ligne, int colonne) const {
    Fait f;
    if (!Suivi::faitDeLaCase(operation_, ligne, colonne, f)) return {};
    bool dansTables = false;
    const EtatFait e = etat(ligne, colonne, dansTables);
    QString texte = f.texteLisible() + QStringLiteral(" : ") + NomEtat(e);
    if (annee_) {
        const StatFait s = annee_->faits.value(Suivi::cleFamille(f));
        if (s.essais > 0) {
            texte += QStringLiteral("\n%1 question%2, %3 juste%4 du premier coup")
                         .arg(s.essais)
                         .arg(s.essais > 1 ? "s" : "")
                         .arg(s.justes)
                         .arg(s.justes > 1 ? "s" : "");
            if (s.mediane() >= 0)
                texte += QStringLiteral("\ntemps médian : %1 s").arg(FormatFr::nombre(std::round(s.mediane() / 100.0) / 10.0));
        }
        // The estimate is the fact's own: "8 × 7" is recalled apart from "7 × 8".
        const double p = annee_->revision.estimation(f);
        if (p >= 0)
            texte += QStringLiteral("\nréussite estimée aujourd'hui : %1 % (%2)")
                         .arg(qRound(p * 100))
                         .arg(Revision::nomNiveau(Revision::niveau(p, annee_->revision.cible)));
    }
    if (!dansTables) texte += QStringLiteral("\n(hors des tables choisies)");
    return texte;
}

void GrilleFaits::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int cote = std::min(width(), height()) / (taille_ + 1);
    QFont police = Apparence::arial(std::max(7, cote * 45 / 100));
    p.setFont(police);
    p.setPen(Apparence::Marine);
    p.drawText(QRect(0, 0, cote, cote), Qt::AlignCenter, SigneOperation(operation_));
    for (int i = 0; i < taille_; ++i) {
        police.setBold(true);
        p.setFont(police);
        p.drawText(rectangle(-1, i), Qt::AlignCenter, QString::number(i));
        p.drawText(rectangle(i, -1), Qt::AlignCenter, QString::number(i));
    }
    police.setBold(false);
    p.setFont(police);
    for (int l = 0; l < taille_; ++l) {
        for (int c = 0; c < taille_; ++c) {
            const QRect r = rectangle(l, c).adjusted(1, 1, -1, -1);
            Fait f;
            if (!Suivi::faitDeLaCase(operation_, l, c, f)) continue;
            bool dansTables = false;
            const EtatFait e = etat(l, c, dansTables);
            p.fillRect(r, dansTables ? couleur(e) : QColor(Qt::white));
            p.setPen(dansTables ? Apparence::Marine : QColor(0xb0, 0xb0, 0xb0));
            p.drawRect(r);
            p.drawText(r, Qt::AlignCenter, SymboleEtat(e));
        }
    }
}

bool GrilleFaits::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* aide = static_cast<QHelpEvent*>(e);
        int l = 0, c = 0;
        if (caseSous(aide->pos(), l, c)) QToolTip::showText(aide->globalPos(), description(l, c), this);
        else QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void GrilleFaits::mousePressEvent(QMouseEvent* e) {
    int l = 0, c = 0;
    if (caseSous(e->position().toPoint(), l, c)) emit faitChoisi(description(l, c));
}
