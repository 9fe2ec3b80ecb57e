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

namespace preparation {

struct PrepareOptions {
    // The window that shows progress (none: run directly); ignored when onProgress is set.
    ProgressDisplay* progressDisplay = nullptr;
    bool showProgress = true;
    // The report's OnProgress event.
    std::function<void(int page)> onProgress;
    // Follows the window caption after " - ".
    std::string title;
    // Off-screen canvas on which text objects measure themselves; none = fixed metrics.
    platform::Canvas* measureCanvas = nullptr;
    // The report's print-if-empty option: an empty master data set still gives its page.
    bool printIfEmpty = true;
    // Label sheets: master band positions left blank before the first record (a sheet whose
    // first labels were used already), and how many times in a row each master record shows.
    int blankPositions = 0;
    int copiesPerRecord = 1;
};

// The limits prepare holds the two sheet options to.
inline constexpr int kMaxBlankPositions = 10000;
inline constexpr int kMaxCopiesPerRecord = 99;

// Selects the template's printer and fits every page's paper to it, so each page carries
// the printer geometry its page area is taken from (prepare does this first). A report
// without a printer link fits its pages to `printer`, or to the virtual printer.
void fitPagesToPrinter(report::Report& report, printer::Printer& printer);
void fitPagesToPrinter(report::Report& report);

// True when pages were prepared and the run was not cancelled. Errors go to the report's
// error reporter; after an error or a cancel `pages` is empty.
bool prepare(report::Report& report, prepared::PreparedPages& pages, const PrepareOptions& options = {});

// prepare, then hand the pages to `viewer` (also after a failed or cancelled run).
bool prepareAndShow(report::Report& report, prepared::PreparedPages& pages, PreparedPagesViewer* viewer,
                    const PrepareOptions& options = {});

}  // namespace preparation
