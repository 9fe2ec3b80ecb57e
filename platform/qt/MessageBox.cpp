#include "platform/qt/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/UiText.h"
#include "platform/qt/QtConvert.h"

namespace platform::qt {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSpec {
    const char* text;
    QMessageBox::ButtonRole role;
    MessageResult result;
};

std::vector<ButtonSpec> buttonsOf(MessageButtons buttons) {
    const ButtonSpec ok{"OK", QMessageBox::AcceptRole, MessageResult::Ok};
    const ButtonSpec cancel{"Annulla", QMessageBox::RejectRole, MessageResult::Cancel};
    const ButtonSpec yes{"Sì", QMessageBox::YesRole, MessageResult::Yes};
    const ButtonSpec no{"No", QMessageBox::NoRole, MessageResult::No};
    switch (buttons) {
        case MessageButtons::Ok:
            return {ok};
        case MessageButtons::OkCancel:
            return {ok, cancel};
        case MessageButtons::YesNo:
            return {yes, no};
        case MessageButtons::YesNoCancel:
            return {yes, no, cancel};
    }
    return {ok};
}

}  // namespace

MessageResult showMessage(const MessageRequest& request, QWidget* parent) {
    QMessageBox box(parent);
    box.setIcon(iconOf(request.icon));
    box.setWindowTitle(request.caption.empty() ? QApplication::applicationDisplayName()
                                               : toQString(request.caption));
    box.setText(toQString(request.text));
    box.setWindowModality(Qt::ApplicationModal);
    const auto specs = buttonsOf(request.buttons);
    std::vector<std::pair<QAbstractButton*, MessageResult>> made;
    for (const ButtonSpec& s : specs)
        made.emplace_back(box.addButton(QString::fromUtf8(s.text), s.role), s.result);
    box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    if (request.buttons != MessageButtons::YesNo) box.setEscapeButton(made.back().first);
    box.exec();
    for (const auto& [button, result] : made)
        if (box.clickedButton() == button) return result;
    // Closed without a button (only possible when there is a cancel choice).
    return request.buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
}

MessageResult showMessage(const std::string& text, QWidget* parent) {
    MessageRequest request;
    request.text = text;
    return showMessage(request, parent);
}

void showError(const std::string& text, QWidget* parent) {
    showMessage(MessageRequest{text, uiText(55206), MessageIcon::Error, MessageButtons::Ok}, parent);
}

}  // namespace platform::qt
