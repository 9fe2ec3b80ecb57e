#include "gui/main_window/DataNavigator.h"

#include <QStyle>
#include <QToolButton>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/Dialogs.h"
#include "memtable/MemTable.h"

namespace gui::main_window {

namespace {

struct ButtonLook {
    const char* glyph;
    const char* hint;
};

constexpr ButtonLook kLooks[DataNavigator::ButtonCount] = {
    {"|◀", "Primo record"},  {"◀", "Record precedente"}, {"▶", "Record successivo"},
    {"▶|", "Ultimo record"}, {"−", "Elimina record"},    {"↻", "Aggiorna"},
};

}  // namespace

DataNavigator::DataNavigator(memtable::MemTable& table, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), table_(table), dialogs_(dialogs) {
    for (int b = 0; b < ButtonCount; ++b) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromUtf8(kLooks[b].glyph));
        button->setToolTip(QString::fromUtf8(kLooks[b].hint));
        button->setAccessibleName(button->toolTip());  // the arrows say nothing to a screen reader
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, b] { press(static_cast<Button>(b)); });
        buttons_[b] = button;
    }
}

void DataNavigator::resizeEvent(QResizeEvent*) {
    const int w = width() / ButtonCount;
    for (int b = 0; b < ButtonCount; ++b)
        buttons_[b]->setGeometry(b * w, 0, b == ButtonCount - 1 ? width() - b * w : w, height());
}

void DataNavigator::press(Button b) {
    try {
        act(b);
    } catch (const std::exception& e) {
        dialogs_.message(window(), QString::fromStdString(e.what()));
    }
}

void DataNavigator::act(Button b) {
    if (!table_.isActive()) return;
    switch (b) {
        case First:
            table_.first();
            break;
        case Prior:
            table_.prior();
            break;
        case Next:
            table_.next();
            break;
        case Last:
            table_.last();
            break;
        case Refresh:
            table_.refresh();
            break;
        case Remove:
            if (table_.recordNumber() > 0 && dialogs_.confirm(window(), kDeleteQuestion)) {
                table_.deleteRecord();
            }
            break;
        case ButtonCount:
            break;
    }
}

}  // namespace gui::main_window
