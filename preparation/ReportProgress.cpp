#include "preparation/ReportProgress.h"

#include "preparation/ProgressTexts.h"

namespace preparation {

void ReportProgress::runJob(const std::string& caption, const std::string& firstStatus,
                            const std::function<void()>& work) {
    terminated_ = false;
    if (usesWindow())
        display->run(*this, caption, firstStatus, work);
    else
        work();
}

void ReportProgress::reportPage(int page) {
    if (onProgress) {
        onProgress(page);
        return;
    }
    if (!showProgress || !display) return;
    display->setStatus(progressStatus(baseText, page, pageTotal));
    display->processPendingMessages();
}

}  // namespace preparation
