#include "gui/main_window/Dialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace gui::main_window {

void MessageBoxDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText("OK");
    box.exec();
}

bool MessageBoxDialogs::confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kBoxTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText("&Sì");
    box.button(QMessageBox::No)->setText("&No");
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace gui::main_window
