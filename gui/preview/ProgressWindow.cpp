#include "gui/preview/ProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/UiText.h"
#include "platform/qt/QtConvert.h"
#include "preparation/ReportProgress.h"

namespace preview {

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

TfrProgressForm::TfrProgressForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrProgressForm"));
    // Fixed border, kept on top, no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    Label1 = statusLabel(this, 26);
    Label2 = statusLabel(this, 42);
    Button1 = new QPushButton(this);
    Button1->setGeometry(100, 68, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TfrProgressForm::reject);
}

void TfrProgressForm::run(report::ReportProgress& progress, const std::string& caption, const std::string& status,
                          const std::function<void()>& work) {
    setWindowTitle(toQString(caption));
    Label1->setText(toQString(status));
    Label2->clear();
    Button1->setText(toQString(platform::uiText(55001)));
    progress_ = &progress;
    work_ = work;
    error_ = nullptr;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    // The work starts from inside the modal loop, as the first message the window receives.
    QMetaObject::invokeMethod(this, &TfrProgressForm::runWork, Qt::QueuedConnection);
    exec();
    progress_ = nullptr;
    work_ = nullptr;
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void TfrProgressForm::runWork() {
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

void TfrProgressForm::setStatus(const std::string& status) { Label1->setText(toQString(status)); }

void TfrProgressForm::processPendingMessages() { QCoreApplication::processEvents(); }

void TfrProgressForm::reject() {
    if (progress_) progress_->terminate();
    // While the job runs, it ends itself at its next page and then closes the window.
    if (!working_) QDialog::reject();
}

void TfrProgressForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

TfrProgressForm& programProgressForm() {
    static TfrProgressForm* form = [] {
        auto* f = new TfrProgressForm;  // lives until the program ends, like the engine it serves
        report::setProgramProgressDisplay(f);
        return f;
    }();
    return *form;
}

}  // namespace preview
