#include "tests/support/MessageBoxAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace test_support {

namespace {

std::string withoutMnemonic(QString text) {
    return text.remove('&').toStdString();
}

// Presses the button by its Alt key, or Return when it has none and is the default.
void pressByKey(QMessageBox* box, QAbstractButton* button) {
    const QString text = button->text();
    const qsizetype amp = text.indexOf('&');
    if (amp >= 0 && amp + 1 < text.size()) {
        const QChar letter = text.at(amp + 1).toUpper();
        QTest::keyClick(box, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
    } else {
        QTest::keyClick(box, Qt::Key_Return);
    }
}

}  // namespace

MessageBoxAnswers::MessageBoxAnswers(std::string button) : buttons_{std::move(button)}, repeatFirst_(true) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenBox(); });
    timer_.start(5);
}

MessageBoxAnswers::MessageBoxAnswers(std::initializer_list<const char*> buttons)
    : MessageBoxAnswers(std::string()) {
    buttons_.assign(buttons.begin(), buttons.end());
    repeatFirst_ = false;
}

std::vector<std::string> MessageBoxAnswers::texts() const {
    std::vector<std::string> out;
    for (const Seen& s : seen_) out.push_back(s.text);
    return out;
}

bool MessageBoxAnswers::answerFileDialog() {
    if (!fileName_) return false;
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return false;
    ++fileDialogs_;
    if (fileName_->empty()) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        return true;
    }
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name) {
        dialog->reject();
        return true;
    }
    // Set whole: typed key by key, each key would fill the completer from the folder.
    name->setFocus();
    name->setText(QString::fromStdString(*fileName_));
    QTest::keyClick(name, Qt::Key_Return);
    return true;
}

void MessageBoxAnswers::answerOpenBox() {
    if (answering_) return;  // an answer that runs the event loop meets the next tick
    answering_ = true;
    const bool dialog = answerFileDialog();
    if (!dialog) answerMessageBox();
    answering_ = false;
}

void MessageBoxAnswers::answerMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    if (keys_ && !box->isActiveWindow()) return;  // keys reach the box once it is active
    // A button pressed by its Alt key clicks itself a moment later (animated): meanwhile the
    // box stays up and is not answered again.
    if (keys_ && box == pressed_) return;
    Seen seen{box->text().toStdString(),
              box->windowTitle().toStdString(),
              box->icon(),
              {},
              box->informativeText().toStdString()};
    const std::size_t n = seen_.size();
    const bool scripted = repeatFirst_ || n < buttons_.size();
    const std::string wanted = repeatFirst_ ? buttons_.front() : scripted ? buttons_[n] : std::string();
    // Past its script, a box is left by its escape button: a box that keeps coming back then
    // ends the test instead of looping.
    QAbstractButton* target = scripted || !box->escapeButton() ? box->defaultButton() : box->escapeButton();
    for (QAbstractButton* b : box->buttons()) {
        seen.buttons.push_back(b->text().toStdString());
        if (!wanted.empty() && withoutMnemonic(b->text()) == withoutMnemonic(QString::fromStdString(wanted)))
            target = b;
    }
    seen_.push_back(std::move(seen));
    if (target && keys_) {
        pressed_ = box;
        pressByKey(box, target);
    } else if (target)
        QTest::mouseClick(target, Qt::LeftButton);
    else
        box->accept();  // a box without a default button and none named
}

}  // namespace test_support
