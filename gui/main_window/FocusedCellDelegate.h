// Paints the grid's cells as usual and marks the cell that has the keyboard focus with a
// 2-pixel frame that stands out against the grid around the cell and against the cell itself.
#pragma once

#include <QStyledItemDelegate>

namespace gui::main_window {

class FocusedCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace gui::main_window
