#include "preparation/Prepare.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

#include "platform/FixedMetricsCanvas.h"
#include "preparation/BandBinding.h"
#include "preparation/PageBuilder.h"
#include "preparation/PreparationClock.h"
#include "preparation/PreparationError.h"
#include "preparation/ProgressTexts.h"
#include "preparation/ReportPrinterLink.h"
#include "printer/ProgramPrinter.h"
#include "report/ExpressionReportHost.h"

namespace preparation {

namespace {

void fitThrough(report::Report& report, report::PrinterLink& link) {
    if (!report.useDefaultPrinter && link.hasPrinter(report.printerName))
        link.selectPrinter(report.printerName);
    for (const auto& page : report.pages()) page->fitPaper(&link);
}

}  // namespace

void fitPagesToPrinter(report::Report& report, printer::Printer& printer) {
    if (report::PrinterLink* link = report.printerLink()) return fitThrough(report, *link);
    ReportPrinterLink own(printer);
    fitThrough(report, own);
}

void fitPagesToPrinter(report::Report& report) {
    if (report::PrinterLink* link = report.printerLink()) return fitThrough(report, *link);
    printer::ProgramPrinter virtualOnly;
    ReportPrinterLink own(virtualOnly.printer());
    fitThrough(report, own);
}

namespace {

bool isPrintedPage(const report::Page& page) {
    return page.pageKind == 0;
}

// Binding makes the objects' tops band-relative and drawing may resize them; every pass
// starts from the template's own geometry, so the final pass of two lays out as one pass does.
class GeometryKeeper {
public:
    explicit GeometryKeeper(const std::vector<report::Page*>& pages) {
        for (report::Page* page : pages)
            for (const auto& object : page->objects())
                kept_.push_back({object.get(), object->left, object->top, object->width, object->height});
    }
    ~GeometryKeeper() {
        for (const Kept& k : kept_) {
            k.view->left = k.left;
            k.view->top = k.top;
            k.view->width = k.width;
            k.view->height = k.height;
        }
    }
    GeometryKeeper(const GeometryKeeper&) = delete;
    GeometryKeeper& operator=(const GeometryKeeper&) = delete;

private:
    struct Kept {
        report::View* view;
        int left, top, width, height;
    };
    std::vector<Kept> kept_;
};

// One pass over every printed page: bind, build, release, and the geometry given back.
void runPass(PreparationState& state) {
    state.blanksPending = state.blankPositions > 0;
    std::vector<report::Page*> pages;
    for (const auto& page : state.report.pages())
        if (isPrintedPage(*page)) pages.push_back(page.get());
    const GeometryKeeper keeper(pages);
    std::vector<std::unique_ptr<PageBands>> bound;
    struct Release {
        std::vector<std::unique_ptr<PageBands>>& bands;
        ~Release() {
            for (auto& b : bands) releaseBands(*b);
        }
    } release{bound};
    for (report::Page* page : pages) bound.push_back(bindBands(state.report, *page));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!pages[i]->visible || pages[i]->isSubReportPage) continue;
        PageBuilder(state, *pages[i], *bound[i]).build();
    }
}

// The preparation proper: one pass, or a counting pass and the real one.
void preparePages(PreparationState& state) {
    state.pages.clear();
    if (state.report.twoPass) {
        state.firstPassOfTwo = true;
        state.progress.baseText = preparationBaseText(true);
        state.expressions.startPreparation();
        runPass(state);
        const int total = state.pages.count();
        state.pages.clear();
        state.firstPassOfTwo = false;
        state.currentPage = -1;
        state.expressions.variables().totalPages = total;
        state.progress.pageTotal = total;
        state.progress.baseText = preparationBaseText(false);
    }
    state.expressions.startPreparation();
    runPass(state);
}

}  // namespace

bool prepare(report::Report& report, prepared::PreparedPages& pages, const PrepareOptions& options) {
    fitPagesToPrinter(report, pages.printer());
    const std::vector<std::uint8_t> savedTemplate = report.saveToStream();

    platform::FixedMetricsCanvas fixedMetrics;
    report::ReportExpressions expressions(report);
    const DateAndTime started = localDateAndTimeNow();
    expressions.variables().date = started.date;
    expressions.variables().time = started.time;
    ReportProgress progress;
    progress.onProgress = options.onProgress;
    progress.showProgress = options.showProgress;
    progress.display = options.progressDisplay;
    progress.baseText = preparationBaseText(report.twoPass);
    PreparationState state{report, pages, expressions, progress,
                           options.measureCanvas ? *options.measureCanvas : fixedMetrics};
    state.printIfEmpty = options.printIfEmpty;
    state.blankPositions = std::clamp(options.blankPositions, 0, kMaxBlankPositions);
    state.copiesPerRecord = std::clamp(options.copiesPerRecord, 1, kMaxCopiesPerRecord);

    std::optional<std::string> error;
    bool cancelled = false;
    progress.runJob(progressCaption(options.title), progressStatus(progress.baseText, 1), [&] {
        try {
            preparePages(state);
        } catch (const PreparationStopped&) {
            cancelled = true;
        } catch (const std::exception& e) {
            error = preparationErrorMessage(report.name, state.currentObject, e.what());
        }
    });
    cancelled = cancelled || progress.terminated();

    // Preparation moved objects into bands; the saved template puts everything back.
    report.loadFromStream(savedTemplate);
    if (error) report.reportError(*error);
    if (error || cancelled) pages.clear();
    return !error && !cancelled;
}

bool prepareAndShow(report::Report& report, prepared::PreparedPages& pages, PreparedPagesViewer* viewer,
                    const PrepareOptions& options) {
    const bool prepared = prepare(report, pages, options);
    if (viewer) viewer->showPreparedPages(report, pages);
    return prepared;
}

}  // namespace preparation
