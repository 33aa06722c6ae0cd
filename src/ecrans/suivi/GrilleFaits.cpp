#include "ecrans/suivi/GrilleFaits.h"

#include "logique/suivi/PageEleve.h"
#include "ecrans/commun/Apparence.h"
#include "ecrans/suivi/CouleursSuivi.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int TailleMin = 11, TailleMax = 31;
}  // namespace

GrilleFaits::GrilleFaits(QWidget* parent, Operation operation) : QWidget(parent), operation_(operation) {
    setMouseTracking(true);
    setMinimumSize(200, 200);
}

void GrilleFaits::montre(const AnneeEleve* annee, const StatsFaits* parSens, int seuilMs) {
    annee_ = annee;
    parSens_ = parSens;
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

const StatFait* GrilleFaits::propre(const Fait& f) const {
    if (!parSens_) return nullptr;
    const auto s = parSens_->constFind(Suivi::cleSens(f));
    return s == parSens_->cend() ? nullptr : &*s;
}

EtatFait GrilleFaits::etat(int ligne, int colonne, bool& dansTables) const {
    dansTables = false;
    Fait f;
    if (!annee_ || !Suivi::faitDeLaCase(operation_, ligne, colonne, f)) return EtatFait::JamaisVu;
    // The tables ask both orders of an entry: the family tells whether the fact is set.
    dansTables = annee_->faitsDesTables.isEmpty() || annee_->faitsDesTables.contains(Suivi::cleFamille(f));
    const StatFait* s = propre(f);
    return s ? s->etat(seuil_) : EtatFait::JamaisVu;
}

QRect GrilleFaits::rectangle(int ligne, int colonne) const {
    // One more row and column for the headings; centred across the widget, which a wide display
    // makes wider than high.
    const int cote = std::min(width(), height()) / (taille_ + 1), gauche = (width() - cote * (taille_ + 1)) / 2;
    return {gauche + (colonne + 1) * cote, (ligne + 1) * cote, cote, cote};
}

bool GrilleFaits::caseSous(const QPoint& p, int& ligne, int& colonne) const {
    const int cote = std::max(1, std::min(width(), height()) / (taille_ + 1));
    // Shifted by one cell so that a point left of the grid divides as a positive number.
    const QPoint coin = rectangle(-1, -1).topLeft();
    ligne = (p.y() - coin.y() + cote) / cote - 2;
    colonne = (p.x() - coin.x() + cote) / cote - 2;
    return ligne >= 0 && colonne >= 0 && ligne < taille_ && colonne < taille_;
}

double GrilleFaits::estimationDepart(const Fait& fait) const {
    if (!annee_ || propre(fait)) return -1;
    return Suivi::estimationDepart(annee_->departs, fait);
}

QString GrilleFaits::description(int ligne, int colonne) const {
    Fait f;
    if (!Suivi::faitDeLaCase(operation_, ligne, colonne, f)) return {};
    bool dansTables = false;
    etat(ligne, colonne, dansTables);
    // The estimate is the fact's own too: "8 × 7" is recalled apart from "7 × 8".
    return Suivi::descriptionFait(f, propre(f), dansTables, annee_ ? annee_->revision.estimation(f) : -1.0,
                                  annee_ ? annee_->revision.cible : 1.0, seuil_, estimationDepart(f));
}

void GrilleFaits::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int cote = std::min(width(), height()) / (taille_ + 1);
    QFont police = Apparence::arial(std::max(7, cote * 45 / 100));
    p.setFont(police);
    p.setPen(Apparence::Marine);
    p.drawText(rectangle(-1, -1), Qt::AlignCenter, SigneOperation(operation_));
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
            // A fact never asked that a starting test estimated: the colour of its estimated level,
            // paler, with "≈" until the pupil answers it.
            const double estimee = e == EtatFait::JamaisVu ? estimationDepart(f) : -1.0;
            const QColor fond = estimee >= 0
                                    ? CouleursSuivi::niveau(Revision::niveau(estimee, annee_->revision.cible)).lighter(135)
                                    : CouleursSuivi::etat(e);
            p.fillRect(r, dansTables ? fond : QColor(Qt::white));
            p.setPen(
                QPen(dansTables ? Apparence::Marine : QColor(0xb0, 0xb0, 0xb0), 1, estimee >= 0 ? Qt::DotLine : Qt::SolidLine));
            p.drawRect(r);
            // Black on every colour of the palette (5.4:1 at least); outside the tables, a grey
            // still readable on white.
            p.setPen(dansTables ? QColor(Qt::black) : Apparence::SuiviHorsTables);
            p.drawText(r, Qt::AlignCenter, estimee >= 0 ? QStringLiteral("≈") : SymboleEtat(e));
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
