#pragma once
// Item drawing for lists a child uses with the mouse: tall rows, and check boxes as large as
// the text that toggle on a click anywhere in their row.
#include <QStyledItemDelegate>

// Rows at least 1.7 times the font's height, so they grow with the fitted font.
class DelegueLigneHaute : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Tall rows with a large check box; a click anywhere in the row toggles it.
class DelegueCaseACocher : public DelegueLigneHaute {
    Q_OBJECT
public:
    using DelegueLigneHaute::DelegueLigneHaute;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* e, QAbstractItemModel* modele, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};
