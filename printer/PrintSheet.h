// The printer's side of printing one prepared page: which pages the odd/even filter lets
// through, and starting the sheet a page goes on (a new page, a new job, or a new job on
// another paper). The print run calls these between the page's own steps.
#pragma once

#include <memory>
#include <string>

#include "printer/PrintJob.h"

namespace printer {

class Printer;

// The print dialog's "Stampa" choice: all, odd or even pages.
enum class PageFilter { All = 0, Odd = 1, Even = 2 };

// Whether page index `index` (0-based) is left out by the filter.
bool pageFilterSkips(PageFilter filter, int index);

// The paper a prepared page was laid out on.
struct PagePaper {
    int size = 9;
    int width = 0;
    int height = 0;
    int bin = -1;
    int orientation = 0;
};

// What a job begun part-way through a run needs to look like the first one.
struct PrintJobSettings {
    std::string title;
    int copies = 1;            // the spooler's copy count
    bool jobPerSheet = false;  // each sheet is its own print job
};

// Makes `job` (open on `printer`) ready to draw a page of `paper`. On the same paper a new
// sheet starts, unless this is the run's first page (the job has just begun with it); on
// another paper the job ends, the paper changes and a new job takes its place.
void startSheet(Printer& printer, std::unique_ptr<PrintJob>& job, const PagePaper& paper,
                const PrintJobSettings& settings, bool firstPage);

}  // namespace printer
