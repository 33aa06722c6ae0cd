#pragma once
// Item drawing for lists a child uses with the mouse: tall rows, and check boxes as large as
// the text that toggle on a click anywhere in their row.
#include <QStyledItemDelegate>

// Rows of 44 design pixels, and never less than 1.25 times the font's height, so they grow
// with the fitted screen.
class DelegueLigneHaute : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The height of a row in that font.
    static int hauteurLigne(const QFontMetrics& police);

protected:
    // A text too long for its row keeps its first whole words and "…" (the lists show the whole
    // text on hover).
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

class QListWidget;
// Shortens a list of such rows to the whole rows that fit in its height, so that no row shows
// cut (a click on a half-hidden row would miss it).
void ajusteAuxLignesEntieres(QListWidget* liste);

// Tall rows with a large check box; a click anywhere in the row toggles it.
class DelegueCaseACocher final : public DelegueLigneHaute {
    Q_OBJECT
public:
    using DelegueLigneHaute::DelegueLigneHaute;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* e, QAbstractItemModel* modele, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};
