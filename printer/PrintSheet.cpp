#include "printer/PrintSheet.h"

#include "printer/Printer.h"

namespace preview {

bool pageFilterSkips(PageFilter filter, int index) {
    const bool odd = index % 2 == 0;  // page number index + 1
    switch (filter) {
        case PageFilter::Odd: return !odd;
        case PageFilter::Even: return odd;
        case PageFilter::All: break;
    }
    return false;
}

void startSheet(TfrPrinter& printer, const PagePaper& paper, const PrintJobSettings& job,
                bool firstPage) {
    if (printer.SamePaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation)) {
        if (firstPage) return;
        if (job.jobPerSheet) {
            printer.EndDoc();
            printer.BeginDoc(job.title, job.copies);
        } else {
            printer.NewPage();
        }
        return;
    }
    // The paper cannot change inside a job.
    printer.EndDoc();
    printer.SetPaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation, true);
    printer.BeginDoc(job.title, job.copies);
}

}  // namespace preview
