// Answers the program's real message boxes through the event loop, as the operator would:
// while an instance lives, every message box that comes up is noted and one of its buttons
// is clicked with the mouse. A file dialog that comes up gets a file name typed into it.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

class MessageBoxAnswers {
public:
    struct Seen {
        std::string text;
        std::string caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        std::vector<std::string> buttons;
        std::string informativeText;
    };

    // `button`: the text of the button to click on every box ("&" marks ignored); "" = the
    // box's default button.
    explicit MessageBoxAnswers(std::string button = {});
    // One button per box, in the order the boxes come ("" = the default one); once they run
    // out, the escape button (else the default one).
    MessageBoxAnswers(std::initializer_list<const char*> buttons);

    // The button the next boxes get; "" = their default button.
    void answerWith(std::string button) {
        buttons_ = {std::move(button)};
        repeatFirst_ = true;
    }

    const std::vector<Seen>& seen() const { return seen_; }
    std::vector<std::string> texts() const;
    void clear() { seen_.clear(); }
    // From now on, file dialogs are answered too: the name is typed into them (Enter); ""
    // cancels them. Without this call file dialogs are left to the test.
    void answerFileDialogsWith(std::string fileName) { fileName_ = std::move(fileName); }
    int fileDialogsSeen() const { return fileDialogs_; }
    // Buttons are pressed by their Alt key (Return for the default one) instead of the mouse.
    void answerWithKeys(bool keys) { keys_ = keys; }

private:
    void answerOpenBox();
    bool answerFileDialog();
    void answerMessageBox();

    std::vector<std::string> buttons_;
    bool repeatFirst_ = false;
    std::vector<Seen> seen_;
    std::optional<std::string> fileName_;
    int fileDialogs_ = 0;
    bool keys_ = false;
    bool answering_ = false;
    QPointer<QMessageBox> pressed_;  // the box last answered by a key
    QTimer timer_;
};

}  // namespace test_support
