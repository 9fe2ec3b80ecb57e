// Preparing a report: the template and its data become prepared pages. The template is saved
// before and restored after, so preparing twice gives the same pages.
#pragma once

#include <functional>
#include <string>

#include "platform/Canvas.h"
#include "preparation/PreparedPagesViewer.h"
#include "preparation/ProgressDisplay.h"
#include "prepared/PreparedPages.h"
#include "report/Report.h"

namespace report {

struct PrepareOptions {
    // The window that shows progress (none: run directly); ignored when onProgress is set.
    ProgressDisplay* progressDisplay = programProgressDisplay();
    bool showProgress = true;
    // The report's OnProgress event.
    std::function<void(int page)> onProgress;
    // Follows the window caption after " - ".
    std::string title;
    // Off-screen canvas on which text objects measure themselves; none = fixed metrics.
    platform::Canvas* measureCanvas = nullptr;
    // The report's print-if-empty option: an empty master data set still gives its page.
    bool printIfEmpty = true;
};

// True when pages were prepared and the run was not cancelled. Errors go to the report's
// error reporter; after an error or a cancel `pages` is empty.
bool prepare(Report& report, preview::PreparedPages& pages, const PrepareOptions& options = {});

// prepare, then hand the pages to `viewer` (also after a failed or cancelled run).
bool prepareAndShow(Report& report, preview::PreparedPages& pages, PreparedPagesViewer* viewer,
                    const PrepareOptions& options = {});

}  // namespace report
