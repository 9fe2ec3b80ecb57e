#include "gui/preview/PrintDialogFlowProgress.h"

#include "preparation/ReportProgress.h"

namespace gui::preview {

namespace {

// Page and copy go to the window's status line; its cancel button sets the terminated flag.
class ReportPrintProgress final : public prepared::PrintProgress {
public:
    ReportPrintProgress(preparation::ReportProgress& progress, preparation::ProgressDisplay& display)
        : progress_(progress), display_(display) {}
    void pagePrinted(const prepared::PrintPosition& at) override {
        display_.setStatus(prepared::printStatusText(at));
        display_.processPendingMessages();
    }
    bool cancelled() const override { return progress_.terminated(); }

private:
    preparation::ReportProgress& progress_;
    preparation::ProgressDisplay& display_;
};

}  // namespace

void ProgressDisplayPrintWindow::run(const std::string& caption, const std::string& status,
                                     const std::function<void(prepared::PrintProgress&)>& work) {
    preparation::ReportProgress progress;
    progress.display = &display_;
    progress.baseText = status;
    ReportPrintProgress printProgress(progress, display_);
    progress.runJob(caption, status, [&] { work(printProgress); });
}

}  // namespace gui::preview
