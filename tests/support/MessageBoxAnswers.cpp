#include "tests/support/MessageBoxAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace test_support {

MessageBoxAnswers::MessageBoxAnswers(std::string button) : button_(std::move(button)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenBox(); });
    timer_.start(5);
}

std::vector<std::string> MessageBoxAnswers::texts() const {
    std::vector<std::string> out;
    for (const Seen& s : seen_) out.push_back(s.text);
    return out;
}

void MessageBoxAnswers::answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Seen seen{box->text().toStdString(), box->windowTitle().toStdString(), box->icon(), {}};
    QAbstractButton* target = box->defaultButton();
    for (QAbstractButton* b : box->buttons()) {
        seen.buttons.push_back(b->text().toStdString());
        if (!button_.empty() && b->text().toStdString() == button_) target = b;
    }
    seen_.push_back(std::move(seen));
    if (target)
        QTest::mouseClick(target, Qt::LeftButton);
    else
        box->accept();  // a box without a default button and none named
}

}  // namespace test_support
