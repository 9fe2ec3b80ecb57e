#include "gui/preview/ProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/UiText.h"
#include "platform/qt/QtConvert.h"
#include "preparation/ReportProgress.h"

namespace gui::preview {

namespace {

using platform::qt::toQString;

constexpr int kClientWidth = 278;
constexpr int kClientHeight = 106;
constexpr int kLabelWidth = 237;

QLabel* statusLabel(QWidget* parent, int top) {
    auto* label = new QLabel(parent);
    label->setGeometry(20, top, kLabelWidth, 16);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QLatin1String(kProgressWindowObjectName));
    // Fixed border, kept on top, no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    captionLabel = statusLabel(this, 26);
    pageLabel = statusLabel(this, 42);
    cancelButton = new QPushButton(this);
    cancelButton->setGeometry(100, 68, 75, 25);
    connect(cancelButton, &QPushButton::clicked, this, &ProgressWindow::reject);
}

void ProgressWindow::run(preparation::ReportProgress& progress, const std::string& caption,
                         const std::string& status, const std::function<void()>& work) {
    setWindowTitle(toQString(caption));
    setStatus(status);
    pageLabel->clear();
    cancelButton->setText(toQString(platform::uiText(55001)));
    progress_ = &progress;
    work_ = work;
    error_ = nullptr;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    // The work starts from inside the modal loop, as the first message the window receives.
    QMetaObject::invokeMethod(this, &ProgressWindow::runWork, Qt::QueuedConnection);
    exec();
    progress_ = nullptr;
    work_ = nullptr;
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void ProgressWindow::runWork() {
    if (!work_) {
        done(Accepted);
        return;
    }
    working_ = true;
    try {
        work_();
    } catch (...) {
        error_ = std::current_exception();
    }
    working_ = false;
    const bool cancelled = progress_ && progress_->terminated();
    done(cancelled || error_ ? Rejected : Accepted);
}

// The status is also the window's description, which screen readers announce with its
// caption and again as it changes.
void ProgressWindow::setStatus(const std::string& status) {
    captionLabel->setText(toQString(status));
    setAccessibleDescription(captionLabel->text());
}

void ProgressWindow::processPendingMessages() {
    QCoreApplication::processEvents();
}

void ProgressWindow::reject() {
    if (progress_) progress_->terminate();
    // While the job runs, it ends itself at its next page and then closes the window.
    if (!working_) QDialog::reject();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

ProgressWindow& programProgressForm() {
    static ProgressWindow* form =
        new ProgressWindow;  // lives until the program ends, like the engine it serves
    return *form;
}

}  // namespace gui::preview
