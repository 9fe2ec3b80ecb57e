// The progress of one report job (preparation or printing): the terminated flag that cancel
// sets, the report's progress handler, and the status line shown once per page.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "preparation/ProgressDisplay.h"

namespace preparation {

class ReportProgress {
public:
    // The report's OnProgress event: when set it receives every page number and no window shows.
    std::function<void(int page)> onProgress;
    bool showProgress = true;
    // The window that shows progress; none = the job runs directly.
    ProgressDisplay* display = nullptr;
    // Label of the status line ("Elaborazione pagina:").
    std::string baseText;
    // Page total shown after "from" (final pass of a two-pass run); none = not shown.
    std::optional<int> pageTotal;

    bool terminated() const { return terminated_; }
    // Cancel: the job stops after its current page.
    void terminate() { terminated_ = true; }

    // Runs `work` inside the progress window when one shows, else directly. The flag is
    // cleared first; the status line starts as `firstStatus`.
    void runJob(const std::string& caption, const std::string& firstStatus,
                const std::function<void()>& work);

    // Called once per page by the job: the handler, or the status line; then pending messages.
    void reportPage(int page);

    bool usesWindow() const { return !onProgress && showProgress && display; }

private:
    bool terminated_ = false;
};

}  // namespace preparation
