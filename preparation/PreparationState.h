// What one preparation run shares across its template pages: the report, the prepared pages
// being filled, expressions, progress, the measuring canvas, the prepared page objects go to,
// and the object being processed (named in error messages).
#pragma once

#include "platform/Canvas.h"
#include "preparation/ReportProgress.h"
#include "prepared/PreparedPages.h"
#include "report/ExpressionReportHost.h"
#include "report/Report.h"

namespace preparation {

// Thrown when the operator cancelled; unwinds the run between bands and pages.
struct PreparationStopped {};

struct PreparationState {
    report::Report& report;
    prepared::PreparedPages& pages;
    report::ReportExpressions& expressions;
    ReportProgress& progress;
    platform::Canvas& measure;

    bool firstPassOfTwo = false;
    bool printIfEmpty = true;
    int blankPositions = 0;  // left before the first master record of each pass
    bool blanksPending = false;
    int copiesPerRecord = 1;
    int currentPage = -1;  // index of the prepared page objects are written to
    report::View* currentObject = nullptr;
    // Where a following PrintToPrevPage page continues.
    int prevPageNextY = 0;
    int prevPageBottomLimit = 0;

    void checkStopped() const {
        if (progress.terminated()) throw PreparationStopped{};
    }
};

}  // namespace preparation
