// Modal message boxes with Italian buttons. Tests answer the real box through the event loop.
#pragma once

#include <string>

class QWidget;

namespace platform::qt {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string text;
    std::string caption;  // "" means the application's name
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Shows the message and waits for the operator.
MessageResult showMessage(const MessageRequest& request, QWidget* parent = nullptr);
// A plain message with the OK button, as the main window's commands show their results.
MessageResult showMessage(const std::string& text, QWidget* parent = nullptr);
// The report engine's error box: caption "Errore", error icon, OK.
void showError(const std::string& text, QWidget* parent = nullptr);

}  // namespace platform::qt
