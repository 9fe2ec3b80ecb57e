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

// A job ends and is let go of before the next one starts: both would print on the same device.
void startSheet(Printer& printer, std::unique_ptr<PrintJob>& job, const PagePaper& paper,
                const PrintJobSettings& settings, bool firstPage) {
    const bool samePaper =
        printer.samePaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation);
    if (samePaper && firstPage) return;
    if (samePaper && !settings.jobPerSheet) {
        job->newPage();
        return;
    }
    job->end();
    job.reset();
    // The paper cannot change inside a job.
    if (!samePaper)
        printer.setPaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation, true);
    job = printer.startJob(settings.title, settings.copies);
}

}  // namespace printer
