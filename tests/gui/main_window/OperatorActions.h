// What an operator does to the main window, as the window system delivers it: clicks at a
// control's centre, keys to the focused control, text typed key by key (accented letters
// too), and a look at what the grids hold.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/MainWindow.h"

namespace main_window_test {

class OperatorActions {
public:
    explicit OperatorActions(const std::unique_ptr<gui::main_window::MainWindow>& form) : form_(form) {}

    void click(QWidget* w) const {
        QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {},
                          w->mapTo(form_.get(), w->rect().center()));
    }
    void key(int k, Qt::KeyboardModifiers m = {}) const {
        QTest::keyClick(form_->windowHandle(), Qt::Key(k), m);
    }
    // Each character as the key press a keyboard sends for it.
    void type(const QString& text) const {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::KeyAction::Click, form_->windowHandle(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
    static void settle() { QTest::qWait(60); }
    // What a window manager does once a message box has closed; the offscreen platform
    // leaves no window active.
    void activateAgain() const {
        form_->activateWindow();
        (void)QTest::qWaitForWindowActive(form_.get());
    }
    static std::vector<std::string> rows(const gui::main_window::DataGrid* grid) {
        std::vector<std::string> texts;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            texts.push_back(grid->model()->index(r, 0).data().toString().toStdString());
        return texts;
    }

private:
    const std::unique_ptr<gui::main_window::MainWindow>& form_;
};

}  // namespace main_window_test
