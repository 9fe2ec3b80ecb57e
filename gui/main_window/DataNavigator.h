// The record navigator of the fiscal-code list: first, prior, next, last, delete (after a
// confirmation) and refresh.
#pragma once

#include <QWidget>
#include <array>

class QToolButton;

namespace memtable {
class MemTable;
}

namespace gui::main_window {

class Dialogs;

class DataNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Remove, Refresh, ButtonCount };

    DataNavigator(memtable::MemTable& table, Dialogs& dialogs, QWidget* parent = nullptr);

    QToolButton* button(Button b) const { return buttons_[b]; }

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    // A table error is shown to the operator rather than thrown into the event loop.
    void press(Button b);
    void act(Button b);

    memtable::MemTable& table_;
    Dialogs& dialogs_;
    std::array<QToolButton*, ButtonCount> buttons_{};
};

}  // namespace gui::main_window
