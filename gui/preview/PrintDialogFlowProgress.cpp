#include "gui/preview/PrintDialogFlowProgress.h"

#include "preparation/ReportProgress.h"

namespace preview {

namespace {

// Page numbers go to the window's status line; its cancel button sets the terminated flag.
class ReportPrintProgress final : public PrintProgress {
public:
    explicit ReportPrintProgress(report::ReportProgress& progress) : progress_(progress) {}
    void pagePrinted(int pageNumber) override { progress_.reportPage(pageNumber); }
    bool cancelled() const override { return progress_.terminated(); }

private:
    report::ReportProgress& progress_;
};

}  // namespace

void ProgressDisplayPrintWindow::run(const std::string& caption, const std::string& status,
                                     const std::function<void(PrintProgress&)>& work) {
    report::ReportProgress progress;
    progress.display = &display_;
    progress.baseText = status;
    ReportPrintProgress printProgress(progress);
    progress.runJob(caption, status, [&] { work(printProgress); });
}

}  // namespace preview
