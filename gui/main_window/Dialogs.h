// Modal questions and messages of the main window, behind an interface so that tests answer
// them instead of an operator.
#pragma once

#include <QString>

class QWidget;

namespace gui::main_window {

// What the operator does when the fiscal codes could not be saved on leaving.
enum class FailedSaveChoice {
    Retry,               // try the save again
    CopyToClipboard,     // keep the unsaved codes on the clipboard, then choose again
    SaveToFile,          // keep them in a file the operator names, then choose again
    LeaveWithoutSaving,  // after a confirmation that says what is lost
    Stay,                // back to the window
};

inline constexpr const char* kBoxTitle = "Quirelle";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with the text and an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A modal yes/no question; true for yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // After a failed closing save: `failure` says what was not saved and why, `note` what the
    // last choice did ("" at first). `offerKeeping`: there are new codes to copy or save.
    virtual FailedSaveChoice failedSave(QWidget* parent, const QString& failure, const QString& note,
                                        bool offerKeeping) = 0;
    // The file to keep the unsaved codes in; "" when the operator cancels.
    virtual QString unsavedCodesFile(QWidget* parent) = 0;
};

// Qt message boxes and file dialog with Italian texts.
class MessageBoxDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    FailedSaveChoice failedSave(QWidget* parent, const QString& failure, const QString& note,
                                bool offerKeeping) override;
    QString unsavedCodesFile(QWidget* parent) override;
};

}  // namespace gui::main_window
