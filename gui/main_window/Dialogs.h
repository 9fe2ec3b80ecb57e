// Modal questions and messages of the main window, behind an interface so that tests answer
// them instead of an operator.
#pragma once

#include <QString>

class QWidget;

namespace gui::main_window {

inline constexpr const char* kBoxTitle = "Quirelle";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with the text and an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A modal yes/no question; true for yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
};

// Qt message boxes with Italian buttons.
class MessageBoxDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
};

}  // namespace gui::main_window
