#include "ecrans/identification/Delegues.h"

#include "ecrans/commun/Ajustement.h"
#include "ecrans/commun/LignesEquilibrees.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor Marine(0x12, 0x35, 0x5b);
}

QSize DelegueLigneHaute::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize taille = QStyledItemDelegate::sizeHint(option, index);
    taille.setHeight(std::max(taille.height(), hauteurLigne(option.fontMetrics)));
    // No wider than the list, or than its column: a long entry is shortened where it is drawn, not
    // cut by the edge nor drawn over its neighbour.
    if (const auto* vue = qobject_cast<const QListView*>(option.widget)) {
        const int colonne = vue->gridSize().isValid() ? vue->gridSize().width() : vue->viewport()->width();
        taille.setWidth(std::min(taille.width(), colonne));
    } else if (const auto* autre = qobject_cast<const QAbstractItemView*>(option.widget)) {
        taille.setWidth(std::min(taille.width(), autre->viewport()->width()));
    }
    return taille;
}

void DelegueLigneHaute::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->rect.width() <= 0 || !(option->features & QStyleOptionViewItem::HasDisplay)) return;
    const QStyle* style = option->widget ? option->widget->style() : QApplication::style();
    // The style's margin on each side of an item's text.
    const int marges = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1);
    option->text = LignesEquilibrees::finDeMot(option->font, option->text, option->rect.width() - marges);
}

int DelegueLigneHaute::hauteurLigne(const QFontMetrics& police) {
    // 44 design pixels for a child's mouse, fitted like the rest of the screen; never less than
    // the text with room around it.
    return std::max(police.height() * 5 / 4, Ajustement::arrondi(44 * Ajustement::facteurs().vertical));
}

void ajusteAuxLignesEntieres(QListWidget* liste) {
    const int cadre = 2 * liste->frameWidth();
    const int ligne = DelegueLigneHaute::hauteurLigne(liste->fontMetrics());
    const int lignes = std::max(1, (liste->height() - cadre) / ligne);
    liste->resize(liste->width(), cadre + lignes * ligne);
}

namespace {
// The check box's side, from the font's height.
int coteCase(const QStyleOptionViewItem& option) { return option.fontMetrics.height() * 9 / 10; }
}  // namespace

QSize DelegueCaseACocher::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int cote = coteCase(option);
    const int texte = option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {cote * 5 / 3 + texte + cote / 2, DelegueLigneHaute::sizeHint(option, index).height()};
}

void DelegueCaseACocher::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool actif = option.state & QStyle::State_Enabled;
    const bool cochee = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    const QRect r = option.rect;
    const int cote = coteCase(option);
    const QRectF cadre(r.left() + cote / 3.0, r.center().y() - cote / 2.0, cote, cote);

    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const QColor trait = actif ? Marine : QColor(150, 150, 150);
    p->setPen(QPen(trait, std::max(2.0, cote / 10.0)));
    p->setBrush(actif ? (cochee ? QColor(0xff, 0xd2, 0x3f) : Qt::white) : QColor(235, 235, 235));
    p->drawRoundedRect(cadre, cote / 5.0, cote / 5.0);
    if (cochee) {
        QPen coche(trait, std::max(3.0, cote / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p->setPen(coche);
        const QPointF a(cadre.left() + cote * 0.22, cadre.top() + cote * 0.52);
        const QPointF b(cadre.left() + cote * 0.43, cadre.top() + cote * 0.74);
        const QPointF c(cadre.left() + cote * 0.80, cadre.top() + cote * 0.26);
        p->drawPolyline(QList<QPointF>{a, b, c});
    }
    p->setPen(actif ? option.palette.color(QPalette::Text) : option.palette.color(QPalette::Disabled, QPalette::Text));
    p->setFont(option.font);
    const QRect texte = r.adjusted(static_cast<int>(cadre.right() + cote / 3.0) - r.left(), 0, 0, 0);
    p->drawText(texte, Qt::AlignVCenter | Qt::AlignLeft, index.data(Qt::DisplayRole).toString());
    p->restore();
}

bool DelegueCaseACocher::editorEvent(QEvent* e, QAbstractItemModel* modele, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) {
    if (!(index.flags() & Qt::ItemIsUserCheckable) || !(index.flags() & Qt::ItemIsEnabled)) return false;
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: return static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
        case QEvent::MouseButtonRelease: {
            auto* souris = static_cast<QMouseEvent*>(e);
            if (souris->button() != Qt::LeftButton || !option.rect.contains(souris->position().toPoint())) return false;
            break;
        }
        case QEvent::KeyPress: {
            const int touche = static_cast<QKeyEvent*>(e)->key();
            if (touche != Qt::Key_Space && touche != Qt::Key_Select) return false;
            break;
        }
        default: return false;
    }
    const bool cochee = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return modele->setData(index, cochee ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
