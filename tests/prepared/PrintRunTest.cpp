// The print run against a scripted spooler: which prepared pages reach the printer, in which
// order and jobs, with copies, collation, the odd/even filter, paper changes and cancel.
#include "prepared/PrintRun.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Error.h"
#include "printer/PageOffset.h"
#include "printer/PrintTarget.h"
#include "printer/PrinterError.h"
#include "tests/prepared/PagesTestSupport.h"
#include "tests/support/FakePrinterBackend.h"

using namespace printer;

namespace prepared {
namespace {

using K = FakeJobCall;
using Sheets = std::vector<std::string>;

// Cancels once page `cancelAt` has been printed, and remembers the pages it was told of.
class CancellingProgress final : public PrintProgress {
public:
    explicit CancellingProgress(int cancelAt = 0) : cancelAt_(cancelAt) {}
    void pagePrinted(const PrintPosition& at) override {
        reported.push_back(at.pageNumber);
        statuses.push_back(printStatusText(at));
        if (at.pageNumber == cancelAt_) cancelled_ = true;
    }
    bool cancelled() const override { return cancelled_; }
    std::vector<int> reported;
    std::vector<std::string> statuses;

private:
    int cancelAt_;
    bool cancelled_ = false;
};

class PrintRun : public ::testing::Test {
protected:
    PrintRun() : backend({makePrinter()}, 0), pages(nullptr, &printer) {}
    static FakePrinter makePrinter() {
        FakePrinter p;
        p.name = "Ufficio";
        p.paperCodes = {9, 11};
        p.marginLeft = p.marginTop = p.marginRight = p.marginBottom = 50;
        return p;
    }
    void SetUp() override { printer.attachPrinter(&backend); }

    // Pages "P1".."Pn", each a filled box and its name, on A4 landscape.
    void addPages(int count, int orientation = printer::kLandscape) {
        const auto tpl = pages_test::templatePage(printer, orientation);
        for (int i = 0; i < count; ++i) {
            pages.add(*tpl);
            auto box = pages_test::memo("P" + std::to_string(pages.count()), 0, 0, 100, 50);
            box->frameTyp = 0;
            box->fillColor = platform::kBlack;
            pages_test::print(pages, pages.count() - 1, *box);
        }
    }

    // The prepared page on each printed sheet, in order.
    Sheets sheets() const {
        Sheets out;
        for (const FakePage& page : backend.pages) {
            std::string names;
            for (const std::string& text : page.texts) names += text;
            out.push_back(names);
        }
        return out;
    }

    static Sheets named(std::initializer_list<int> numbers) {
        Sheets out;
        for (int n : numbers) out.push_back("P" + std::to_string(n));
        return out;
    }

    void run(const PrintOptions& options, PrintProgress* progress = nullptr) {
        runPrint(pages, options, settings, progress);
    }

    FakePrinterBackend backend;
    printer::Printer printer;
    PreparedPages pages;
    PrintReportSettings settings{"Etichette"};
};

TEST_F(PrintRun, CollatedCopiesRepeatWholePassesWithOneSpoolerCopy) {
    addPages(3);
    run({"", 2, true, printer::PageFilter::All});
    EXPECT_EQ(sheets(), named({1, 2, 3, 1, 2, 3}));
    ASSERT_FALSE(backend.jobCalls.empty());
    EXPECT_EQ(backend.jobCalls.front(), (K{K::Begin, "Etichette", 1}));
    EXPECT_EQ(backend.jobCalls.back().kind, K::End);
    EXPECT_EQ(std::count_if(backend.jobCalls.begin(), backend.jobCalls.end(),
                            [](const K& c) { return c.kind == K::Begin; }),
              1);
}

TEST_F(PrintRun, UncollatedCopiesAreTheSpoolersCopyCount) {
    addPages(3);
    run({"", 2, false, printer::PageFilter::All});
    EXPECT_EQ(sheets(), named({1, 2, 3}));
    EXPECT_EQ(backend.jobCalls.front(), (K{K::Begin, "Etichette", 2}));
}

TEST_F(PrintRun, PageListsFiltersAndCopyCountsChooseTheSheets) {
    struct Case {
        PrintOptions options;
        Sheets expected;
    } const cases[] = {
        {{"1,3,5-12", 1, true, printer::PageFilter::All}, named({1, 3, 5, 6, 7, 8, 9, 10})},
        {{"7-", 1, true, printer::PageFilter::All}, named({7, 8, 9, 10})},
        {{"", 1, true, printer::PageFilter::Odd}, named({1, 3, 5, 7, 9})},
        {{"", 1, true, printer::PageFilter::Even}, named({2, 4, 6, 8, 10})},
        // The filter wins over pages the list names.
        {{"1-4", 1, true, printer::PageFilter::Odd}, named({1, 3})},
        {{"2,4,5", 2, true, printer::PageFilter::Even}, named({2, 4, 2, 4})},
        {{"3", 0, true, printer::PageFilter::All}, named({3})},
        {{"3", -5, false, printer::PageFilter::All}, named({3})},
        {{"9,2", 1, true, printer::PageFilter::All}, named({2, 9})},
    };
    addPages(10);
    for (const Case& c : cases) {
        backend.pages.clear();
        backend.jobCalls.clear();
        run(c.options);
        EXPECT_EQ(sheets(), c.expected) << c.options.pageList << " filter " << int(c.options.filter);
        EXPECT_FALSE(backend.printing());
    }
}

// Nothing is sent, not even an empty job that would come out as a blank sheet.
TEST_F(PrintRun, SelectionWithoutPagesSendsNoJob) {
    addPages(3);
    for (const PrintOptions& options :
         {PrintOptions{"4-2"}, PrintOptions{"20"}, PrintOptions{"2", 1, true, printer::PageFilter::Odd}}) {
        run(options);
        EXPECT_TRUE(backend.jobCalls.empty()) << options.pageList;
    }
    PreparedPages empty(nullptr, &printer);
    runPrint(empty, {}, settings, nullptr);
    EXPECT_TRUE(backend.jobCalls.empty());
}

TEST_F(PrintRun, BadPageListFailsBeforeTheJobBegins) {
    addPages(3);
    try {
        run({"1,,2"});
        ADD_FAILURE() << "accepted";
    } catch (const platform::Error& e) {
        EXPECT_STREQ(e.what(), "'' non è un numero intero valido");
    }
    EXPECT_TRUE(backend.jobCalls.empty());
}

TEST_F(PrintRun, CancelAfterPageThreeOfTenAbortsTheJob) {
    addPages(10);
    CancellingProgress progress(3);
    run({}, &progress);
    EXPECT_EQ(sheets(), named({1, 2, 3}));
    EXPECT_EQ(progress.reported, (std::vector<int>{1, 2, 3}));
    ASSERT_FALSE(backend.jobCalls.empty());
    EXPECT_EQ(backend.jobCalls.back().kind, K::abort);
    EXPECT_EQ(std::count_if(backend.jobCalls.begin(), backend.jobCalls.end(),
                            [](const K& c) { return c.kind == K::End; }),
              0);
    EXPECT_FALSE(backend.printing());
}

// Page pixels become printer dots with the page's printer geometry: the page is fitted into
// the printable area less its margins, or covers the sheet when it uses its margins itself.
// The status line counts the pages this run prints, not the report's page numbers, and says
// which copy a collated pass is on; uncollated copies go page by page, all at once.
TEST_F(PrintRun, ProgressSaysPageXOfYAndCopyKOfN) {
    addPages(5);
    CancellingProgress collated;
    run({"2-4", 2, true, printer::PageFilter::All}, &collated);
    EXPECT_EQ(collated.reported, (std::vector<int>{2, 3, 4, 2, 3, 4}));
    EXPECT_EQ(collated.statuses.front(), "Stampa pagina 1 di 3, copia 1 di 2");
    EXPECT_EQ(collated.statuses.back(), "Stampa pagina 3 di 3, copia 2 di 2");

    CancellingProgress uncollated;
    run({"", 3, false, printer::PageFilter::Even}, &uncollated);
    EXPECT_EQ(uncollated.statuses, (std::vector<std::string>{"Stampa pagina 1 di 2, 3 copie",
                                                             "Stampa pagina 2 di 2, 3 copie"}));
    CancellingProgress single;
    run({"5"}, &single);
    EXPECT_EQ(single.statuses, std::vector<std::string>{"Stampa pagina 1 di 1"});
    EXPECT_FALSE(anyPageToPrint(pages, {"4-2"}));
    EXPECT_FALSE(anyPageToPrint(pages, {"2", 1, true, printer::PageFilter::Odd}));
    EXPECT_TRUE(anyPageToPrint(pages, {"2", 1, true, printer::PageFilter::Even}));
}

TEST_F(PrintRun, PagesAreScaledFromPagePixelsToPrinterDots) {
    addPages(2);
    pages.page(1).useMargins = true;
    run({});
    ASSERT_EQ(backend.pages.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const PreparedPage& page = pages.page(i);
        const printer::PrinterGeometry& g = page.geometry;
        EXPECT_EQ(g.paperWidthDots, 3508);  // 297 mm at 300 dpi
        EXPECT_EQ(g.offsetXDots, 50);
        const platform::Rect target = printer::printTargetRect(g, page.useMargins, page.margins);
        ASSERT_EQ(backend.pages[i].fills.size(), 1u);
        const platform::Rect box = backend.pages[i].fills[0];
        EXPECT_EQ(box.left, target.left) << i;
        EXPECT_EQ(box.top, target.top) << i;
        EXPECT_NEAR(box.right - box.left, 100.0 * target.width() / g.paperWidthPx, 1.0) << i;
        EXPECT_NEAR(box.bottom - box.top, 50.0 * target.height() / g.paperHeightPx, 1.0) << i;
    }
    EXPECT_EQ(backend.pages[1].fills[0].left, -50);
    EXPECT_GT(backend.pages[0].fills[0].left, 0);  // the page's left margin
}

// A calibration per printer name, counting how often it is asked.
class OffsetTable final : public printer::PageOffsetSource {
public:
    printer::PageOffset offsetFor(const std::string& printerName) override {
        asked.push_back(printerName);
        return printerName == "Ufficio" ? printer::PageOffset{2.0, -1.0} : printer::PageOffset{};
    }
    std::vector<std::string> asked;
};

TEST_F(PrintRun, ThePrintersOffsetMovesEveryPageButNotTheLayout) {
    addPages(2);
    run({});
    const std::vector<FakePage> unmoved = backend.pages;
    backend.pages.clear();

    OffsetTable offsets;
    printer.setOffsetSource(&offsets);
    run({});
    ASSERT_EQ(backend.pages.size(), 2u);
    EXPECT_EQ(offsets.asked, (std::vector<std::string>{"Ufficio"}));
    for (std::size_t i = 0; i < 2; ++i) {
        const platform::Rect before = unmoved[i].fills.at(0), after = backend.pages[i].fills.at(0);
        // 2 mm and -1 mm at 300 dpi: 23.6 and -11.8 dots.
        EXPECT_EQ(after.left - before.left, 24) << i;
        EXPECT_EQ(after.top - before.top, -12) << i;
        EXPECT_EQ(after.width(), before.width()) << i;
        EXPECT_EQ(after.height(), before.height()) << i;
    }
    // The pages keep the layout they were prepared with.
    EXPECT_EQ(pages.page(0).geometry.offsetXDots, 50);

    // The virtual printer takes no offset.
    printer.selectPrinter(printer.defaultPrinterIndex());
    EXPECT_EQ(printer.currentOffset(), printer::PageOffset{});
    printer.setOffsetSource(nullptr);
}

TEST(PageOffsetText, ParsesMillimetresWithinTenEitherWay) {
    EXPECT_EQ(printer::parsePageOffset("2,-1.5"), (printer::PageOffset{2.0, -1.5}));
    EXPECT_EQ(printer::parsePageOffset("+10,-10"), (printer::PageOffset{10.0, -10.0}));
    for (const char* bad : {"", "2", "2;1", "10.1,0", "0,-10.5", "x,1", "1,", ",1", "nan,0", "inf,0", "1,2,3",
                            "1 ,2"})
        EXPECT_FALSE(printer::parsePageOffset(bad).has_value()) << bad;
    EXPECT_EQ(printer::offsetMmText(-0.04), "0.0");
    EXPECT_EQ(printer::offsetMmText(1.25), "1.3");
}

// The failure passes through the run; the job it leaves behind is aborted, and the printer
// knows no job is open: it takes another paper and another run at once.
TEST_F(PrintRun, PrinterFailureAbortsTheOpenJob) {
    addPages(2);
    settings.onPrintReport = [&] { backend.failMetricsQuery = true; };
    EXPECT_THROW(run({}), printer::PrinterError);
    ASSERT_FALSE(backend.jobCalls.empty());
    EXPECT_EQ(backend.jobCalls.back().kind, K::abort);
    EXPECT_FALSE(backend.printing());

    backend.failMetricsQuery = false;
    settings.onPrintReport = nullptr;
    printer.setPaper(11, 0, 0, -1, kPortrait, true);
    EXPECT_EQ(printer.paperSize(), 11);
    backend.jobCalls.clear();
    run({});
    EXPECT_EQ(backend.jobCalls.front(), (K{K::Begin, "Etichette", 1}));
    EXPECT_EQ(backend.jobCalls.back().kind, K::End);
}

// The progress window's side of printPrepared.
class RecordingWindow final : public PrintProgressWindow {
public:
    void run(const std::string& caption, const std::string& status,
             const std::function<void(PrintProgress&)>& work) override {
        this->caption = caption;
        this->status = status;
        work(progress);
    }
    std::string caption, status;
    CancellingProgress progress;
};

TEST_F(PrintRun, PrintingPreparedPagesUsesTheWindowUnlessTheReportHandlesProgress) {
    addPages(2);
    RecordingWindow window;
    printPrepared(pages, {}, settings, &window);
    EXPECT_EQ(window.caption, "Preparazione report - Etichette");
    EXPECT_EQ(window.status, "Stampa pagina:");
    EXPECT_EQ(window.progress.reported, (std::vector<int>{1, 2}));

    RecordingWindow unused;
    std::vector<int> handled;
    bool mouseOverDuringRun = true;
    pages.onMouseOverObject = [](report::View&, int&) {};
    settings.onProgress = [&](int page) {
        handled.push_back(page);
        mouseOverDuringRun = static_cast<bool>(pages.onMouseOverObject);
    };
    printPrepared(pages, {}, settings, &unused);
    EXPECT_EQ(handled, (std::vector<int>{1, 2}));
    EXPECT_FALSE(mouseOverDuringRun);
    EXPECT_TRUE(pages.onMouseOverObject);
    EXPECT_TRUE(unused.caption.empty());
}

}  // namespace
}  // namespace prepared
