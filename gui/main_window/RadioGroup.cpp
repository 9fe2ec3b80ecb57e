#include "gui/main_window/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace gui::main_window {

RadioGroup::RadioGroup(const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(parent), columns_(std::max(1, columns)) {
    auto* group = new QButtonGroup(this);
    for (const QString& text : items) {
        auto* button = new QRadioButton(text, this);
        group->addButton(button);
        items_.push_back(button);
    }
}

int RadioGroup::itemIndex() const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < count()) items_[static_cast<std::size_t>(index)]->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent*) {
    // Items fill the columns top to bottom inside the frame, each column as wide as it allows.
    const QRect inside = contentsRect().adjusted(2, 2, -2, -2);
    const int rows = (count() + columns_ - 1) / columns_;
    const int columnWidth = inside.width() / columns_;
    const int rowHeight = rows > 0 ? inside.height() / rows : inside.height();
    for (int i = 0; i < count(); ++i) {
        const int column = i / rows, row = i % rows;
        items_[static_cast<std::size_t>(i)]->setGeometry(inside.left() + column * columnWidth + 8,
                                                         inside.top() + row * rowHeight, columnWidth - 8, rowHeight);
    }
}

}  // namespace gui::main_window
