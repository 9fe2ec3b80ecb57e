// Answers the modal windows that a test's clicks open, from inside their own event loops, as
// an operator would: a poll finds the window once it is the active modal one and acts on it
// through its widgets.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

namespace qt_test {

// Runs `act` on the first modal window of type W to show within `timeoutMs`.
template <typename W>
void whenModal(std::function<void(W*)> act, int timeoutMs = 30000) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act, clock, timeoutMs] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        const bool due = window && window->isVisible();
        if (!due && clock->elapsed() < timeoutMs) return;
        timer->stop();
        timer->deleteLater();
        if (due) act(window);
    });
    timer->start();
}

// Types `text` into a line edit as keys, replacing what it held.
inline void typeInto(QLineEdit* edit, const QString& text) {
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Types the name and clicks the dialog's accept button, again until the dialog closes: while
// the folder loads, the dialog may rewrite the field, or the field's completion list pop up.
inline void enterName(QFileDialog* dialog, const QString& path) {
    QPointer<QFileDialog> guard(dialog);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    const auto attempt = [name, buttons, path] {
        if (name->text() != path) typeInto(name, path);
        if (QCompleter* completer = name->completer(); completer && completer->popup()->isVisible())
            completer->popup()->hide();
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole && button->isEnabled())
                QTest::mouseClick(button, Qt::LeftButton);
    };
    auto* timer = new QTimer;
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, [timer, guard, attempt] {
        if (!guard || !guard->isVisible()) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        attempt();
    });
    timer->start();
    attempt();
}

// Answers the next Qt file dialog with `path` typed into its name field, under the file type
// `typeIndex` of its list when given (-1 keeps the selected type); an empty path cancels it.
inline void answerFileDialog(const QString& path, int typeIndex = -1, QString* startFolder = nullptr) {
    whenModal<QFileDialog>([path, typeIndex, startFolder](QFileDialog* dialog) {
        QApplication::setActiveWindow(dialog);  // as the window manager does for a new dialog
        if (startFolder) *startFolder = dialog->directory().absolutePath();
        if (path.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        if (typeIndex >= 0) {
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            types->setCurrentIndex(typeIndex);
            emit types->activated(typeIndex);
        }
        enterName(dialog, path);
    });
}

}  // namespace qt_test
