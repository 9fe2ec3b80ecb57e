// The progress window as the report jobs see it: a modal box that runs a long job (preparing,
// printing) while showing a status line, and whose cancel button stops the job between pages.
// The Qt window implements it; the command line has a terminal version; headless tests use none.
#pragma once

#include <functional>
#include <string>

namespace preparation {

class ReportProgress;

class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    // Shows the window with `caption` and the status line `status`, runs `work` inside it and
    // hides it again. Cancel calls progress.terminate() and must not end `work` by force: the
    // job sees the flag at its next page and stops itself.
    virtual void run(ReportProgress& progress, const std::string& caption, const std::string& status,
                     const std::function<void()>& work) = 0;
    virtual void setStatus(const std::string& status) = 0;
    // Lets pending window messages run; this is when a cancel takes effect.
    virtual void processPendingMessages() {}
};

}  // namespace preparation
