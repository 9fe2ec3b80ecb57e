#include "gui/main_window/FocusedCellDelegate.h"

#include <QPainter>

#include "gui/widgets/FocusMark.h"

namespace gui::main_window {

void FocusedCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;  // the style's own one-pixel dotted mark is too faint
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_HasFocus)) return;

    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    const QColor base = option.palette.color(group, QPalette::Base);
    const QColor cell =
        option.state & QStyle::State_Selected ? option.palette.color(group, QPalette::Highlight) : base;
    gui::widgets::paintFocusMark(*painter, option.rect, base, cell);
}

}  // namespace gui::main_window
