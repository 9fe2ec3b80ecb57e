#include "printer/PrintSheet.h"

#include "printer/Printer.h"

namespace printer {

bool pageFilterSkips(PageFilter filter, int index) {
    const bool odd = index % 2 == 0;  // page number index + 1
    switch (filter) {
        case PageFilter::Odd:
            return !odd;
        case PageFilter::Even:
            return odd;
        case PageFilter::All:
            break;
    }
    return false;
}

void startSheet(Printer& printer, const PagePaper& paper, const PrintJobSettings& job, bool firstPage) {
    if (printer.samePaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation)) {
        if (firstPage) return;
        if (job.jobPerSheet) {
            printer.endDoc();
            printer.beginDoc(job.title, job.copies);
        } else {
            printer.newPage();
        }
        return;
    }
    // The paper cannot change inside a job.
    printer.endDoc();
    printer.setPaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation, true);
    printer.beginDoc(job.title, job.copies);
}

}  // namespace printer
