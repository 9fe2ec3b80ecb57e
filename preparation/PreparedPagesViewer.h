// The "show" half of prepareAndShow: the preview window takes the prepared pages from here.
// Headless callers pass none.
#pragma once

#include "prepared/PreparedPages.h"
#include "report/Report.h"

namespace preparation {

class PreparedPagesViewer {
public:
    virtual ~PreparedPagesViewer() = default;
    // Shows the pages (possibly none, after a failed or cancelled preparation) until the
    // operator closes the preview.
    virtual void showPreparedPages(report::Report& report, prepared::PreparedPages& pages) = 0;
};

}  // namespace preparation
