#include "gui/preview/PrintDialogFlowProgress.h"

#include "preparation/ReportProgress.h"

namespace preview {

namespace {

// Page and copy go to the window's status line; its cancel button sets the terminated flag.
class ReportPrintProgress final : public PrintProgress {
public:
    ReportPrintProgress(report::ReportProgress& progress, report::ProgressDisplay& display)
        : progress_(progress), display_(display) {}
    void pagePrinted(const PrintPosition& at) override {
        display_.setStatus(printStatusText(at));
        display_.processPendingMessages();
    }
    bool cancelled() const override { return progress_.terminated(); }

private:
    report::ReportProgress& progress_;
    report::ProgressDisplay& display_;
};

}  // namespace

void ProgressDisplayPrintWindow::run(const std::string& caption, const std::string& status,
                                     const std::function<void(PrintProgress&)>& work) {
    report::ReportProgress progress;
    progress.display = &display_;
    progress.baseText = status;
    ReportPrintProgress printProgress(progress, display_);
    progress.runJob(caption, status, [&] { work(printProgress); });
}

}  // namespace preview
