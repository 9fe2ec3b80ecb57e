// The progress window: a small modal box that runs a long report job (preparing, printing)
// inside its own modal loop, shows the page being processed and offers one button to cancel.
// The job yields to pending window messages after each page, which is when cancel acts.
#pragma once

#include <QDialog>
#include <exception>
#include <functional>

#include "preparation/ProgressDisplay.h"

class QLabel;
class QPushButton;

namespace gui::preview {

// Object name kept from the earlier windows (tests and settings find the window by it).
inline constexpr const char* kProgressWindowObjectName = "TfrProgressForm";

class ProgressWindow : public QDialog, public preparation::ProgressDisplay {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // ProgressDisplay. An error raised by the work leaves the window and is raised again
    // from run(), outside the window's modal loop.
    void run(preparation::ReportProgress& progress, const std::string& caption, const std::string& status,
             const std::function<void()>& work) override;
    void setStatus(const std::string& status) override;
    void processPendingMessages() override;

    // Cancel (the button, Esc, the window system's close): the job stops after its page.
    void reject() override;

    QLabel* captionLabel = nullptr;
    QLabel* pageLabel = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runWork();

    preparation::ReportProgress* progress_ = nullptr;
    std::function<void()> work_;
    std::exception_ptr error_;
    bool working_ = false;
};

// The program's one progress window, created on first use; preparing for the preview and the
// print run show their progress in it when given no other.
ProgressWindow& programProgressForm();

}  // namespace gui::preview
