// The "show" half of PrepareAndShow: the preview window takes the prepared pages from here.
// Headless callers pass none.
#pragma once

#include "prepared/PreparedPages.h"
#include "report/Report.h"

namespace report {

class PreparedPagesViewer {
public:
    virtual ~PreparedPagesViewer() = default;
    // Shows the pages (possibly none, after a failed or cancelled preparation) until the
    // operator closes the preview.
    virtual void showPreparedPages(TfrReport& report, preview::TfrEMFPages& pages) = 0;
};

}  // namespace report
