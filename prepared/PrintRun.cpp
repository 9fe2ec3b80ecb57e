#include "prepared/PrintRun.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "platform/UiText.h"
#include "prepared/PageList.h"
#include "printer/PrintTarget.h"
#include "printer/Printer.h"

namespace prepared {

namespace {

constexpr int kUntitledText = 55209;  // "Senza titolo"

// One run over the store: the job, the first-page flag and the page steps.
class PrintLoop {
public:
    PrintLoop(PreparedPages& pages, const PrintOptions& options, const PrintReportSettings& report,
              PrintProgress* progress)
        : pages_(pages),
          printer_(pages.printer()),
          list_(parsePageList(options.pageList, pages.count())),
          sheets_(countSheets(pages, list_, options.filter)),
          filter_(options.filter),
          copies_(options.copies < 1 ? 1 : options.copies),
          collate_(options.collate),
          report_(report),
          progress_(progress) {
        job_.title = printJobTitle(report);
        job_.copies = collate_ ? 1 : copies_;
        job_.jobPerSheet = report.jobPerSheet;
    }

    // The job is held here: an exception or a cancel drops it, and its destructor aborts it.
    void run() {
        if (sheets_ == 0) return;
        preparePrinter();
        if (report_.onPrintReport) report_.onPrintReport();
        std::unique_ptr<printer::PrintJob> job = printer_.startJob(job_.title, job_.copies);
        if (printPasses(job)) job->end();
    }

private:
    bool chosen(int index) const { return list_.includes(index + 1); }

    // Page 1's paper is set before the job begins: the paper cannot change inside a job.
    void preparePrinter() {
        offset_ = printer_.currentOffset();
        PreparedPage& first = pages_.page(0);
        const printer::PagePaper paper = first.paper();
        printer_.setPaper(paper.size, paper.width, paper.height, paper.bin, paper.orientation, true);
        printer_.fillGeometry(first.geometry);
    }

    // False when cancelled.
    bool printPasses(std::unique_ptr<printer::PrintJob>& job) {
        const int passes = collate_ ? copies_ : 1;
        for (int pass = 0; pass < passes; ++pass) {
            int sheet = 0;
            for (int i = 0; i < pages_.count(); ++i) {
                if (!chosen(i) || printer::pageFilterSkips(filter_, i)) continue;
                printPage(i, job);
                if (progress_) progress_->pagePrinted(position(i, ++sheet, pass));
                if (progress_ && progress_->cancelled()) return false;
            }
        }
        return true;
    }

    PrintPosition position(int index, int sheet, int pass) const {
        // Uncollated copies are repeated by the printer, page by page: one report per page.
        const int copy = copies_ == 1 ? 1 : (collate_ ? pass + 1 : 0);
        return {index + 1, sheet, sheets_, copy, copies_};
    }

    void printPage(int index, std::unique_ptr<printer::PrintJob>& job) {
        PreparedPage& page = pages_.page(index);
        printer::startSheet(printer_, job, page.paper(), job_, firstPage_);
        printer_.fillGeometry(page.geometry);
        // The printer's calibration moves the content on the sheet; the page stays as laid out.
        const platform::Rect target = printer::shiftedByOffset(
            printer::printTargetRect(page.geometry, page.useMargins, page.margins), offset_,
            printer::geometryDotsPerInchX(page.geometry), printer::geometryDotsPerInchY(page.geometry));
        pages_.drawOnce(index, job->canvas(), target, DrawTarget::PrinterPage);
        firstPage_ = false;
    }

    PreparedPages& pages_;
    printer::Printer& printer_;
    const PageList list_;
    const int sheets_;
    const printer::PageFilter filter_;
    const int copies_;
    const bool collate_;
    const PrintReportSettings& report_;
    PrintProgress* progress_;
    printer::PrintJobSettings job_;
    bool firstPage_ = true;
    printer::PageOffset offset_;
};

}  // namespace

int countSheets(const PreparedPages& pages, const PageList& list, printer::PageFilter filter) {
    int sheets = 0;
    for (int i = 0; i < pages.count(); ++i)
        if (list.includes(i + 1) && !printer::pageFilterSkips(filter, i)) ++sheets;
    return sheets;
}

bool anyPageToPrint(const PreparedPages& pages, const PrintOptions& options) {
    return countSheets(pages, parsePageList(options.pageList, pages.count()), options.filter) > 0;
}

int sheetsToPrint(const PreparedPages& pages, const PrintOptions& options) {
    const long long sheets = static_cast<long long>(countSheets(
                                 pages, parsePageList(options.pageList, pages.count()), options.filter)) *
                             std::max(options.copies, 1);
    return static_cast<int>(std::min<long long>(sheets, std::numeric_limits<int>::max()));
}

std::string printJobTitle(const PrintReportSettings& report) {
    return report.title.empty() ? platform::uiText(kUntitledText) : report.title;
}

void runPrint(PreparedPages& pages, const PrintOptions& options, const PrintReportSettings& report,
              PrintProgress* progress) {
    PrintLoop(pages, options, report, progress).run();
}

}  // namespace prepared
