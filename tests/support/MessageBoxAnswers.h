// Answers the program's real message boxes through the event loop, as the operator would:
// while an instance lives, every message box that comes up is noted and one of its buttons
// is clicked with the mouse.
#pragma once

#include <QMessageBox>
#include <QTimer>
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
    };

    // `button`: the text of the button to click; "" = the box's default button.
    explicit MessageBoxAnswers(std::string button = {});

    // The button the next boxes get; "" = their default button.
    void answerWith(std::string button) { button_ = std::move(button); }

    const std::vector<Seen>& seen() const { return seen_; }
    std::vector<std::string> texts() const;
    void clear() { seen_.clear(); }

private:
    void answerOpenBox();

    std::string button_;
    std::vector<Seen> seen_;
    QTimer timer_;
};

}  // namespace test_support
