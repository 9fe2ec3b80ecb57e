// What a print run is asked to do (the print dialog's choices) and what it takes from the
// report it prints.
#pragma once

#include <functional>
#include <string>

#include "printer/PrintSheet.h"

namespace prepared {

// The print dialog's choices.
struct PrintOptions {
    std::string pageList;  // "" = every page
    int copies = 1;        // 0 or less prints one copy
    bool collate = true;   // whole passes in page order rather than each page repeated
    printer::PageFilter filter = printer::PageFilter::All;
};

// The report's side of printing.
struct PrintReportSettings {
    std::string title;         // job title; "" gives "Senza titolo"
    bool jobPerSheet = false;  // the report's mpage flag: every sheet is its own print job
    bool showProgress = true;  // print under the progress window
    // The report's OnProgress event: when set it gets every printed page number and no
    // progress window shows.
    std::function<void(int page)> onProgress = {};
    // The report's OnPrintReport event, raised once before the job begins.
    std::function<void()> onPrintReport = {};
};

}  // namespace prepared
