// printing through the Qt backend into a real (private) CUPS spooler: the queue is listed, and
// the pages arrive with the job's page count, paper size and orientation.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

#include "platform/Canvas.h"
#include "printer/PaperTable.h"
#include "printer/Printer.h"
#include "printer/qt/QtPrinterBackend.h"
#include "tests/spooler/PdfInfo.h"
#include "tests/spooler/PrivateSpooler.h"

namespace spooler_test {
namespace {

using printer::kLandscape;
using printer::kPortrait;

class Spooler : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        spooler = new PrivateSpooler;
        if (!spooler->start(whyNot)) {
            delete spooler;
            spooler = nullptr;
        }
    }
    static void TearDownTestSuite() {
        delete spooler;
        spooler = nullptr;
    }
    void SetUp() override {
        if (!spooler) GTEST_SKIP() << whyNot;
        backend = std::make_unique<printer::qt::QtPrinterBackend>();
        printer.attachPrinter(backend.get());
        ASSERT_TRUE(printer.selectPrinterByName(spooler->queue()));
        ASSERT_EQ(printer.currentPrinterName(), spooler->queue());
    }

    // Prints `pages` pages of rectangles and texts as one job and returns its PDF, or "".
    std::string printJob(const std::string& stem, int pages, int copies) {
        const std::string title = spooler->uniqueTitle(stem);
        const std::unique_ptr<printer::PrintJob> job = printer.startJob(title, copies);
        for (int i = 0; i < pages; ++i) {
            if (i > 0) job->newPage();
            platform::Canvas& canvas = job->canvas();
            canvas.setBrush({platform::kBlack, false});
            for (int bar = 0; bar < 5; ++bar) canvas.fillRect({100 + 40 * bar, 100, 120 + 40 * bar, 400});
            canvas.setFont({"Arial", 60});
            canvas.textOut(100, 450, "Pagina " + std::to_string(i + 1));
        }
        job->end();
        const std::string pdf = spooler->waitForPdf(title);
        if (pdf.empty()) ADD_FAILURE() << "no PDF for job " << title << " in " << spooler->outputDir();
        return pdf;
    }

    static PrivateSpooler* spooler;
    static std::string whyNot;
    std::unique_ptr<printer::qt::QtPrinterBackend> backend;
    printer::Printer printer;
};

PrivateSpooler* Spooler::spooler = nullptr;
std::string Spooler::whyNot;

TEST_F(Spooler, ListsTheQueueBeforeTheFileAndVirtualPrinters) {
    const std::vector<std::string>& names = printer.printerNames();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], spooler->queue());
    EXPECT_EQ(names[1], printer::qt::kPdfFilePrinterName);
    EXPECT_EQ(printer.paperSize(), 9);  // the queue's default, A4
}

// Every paper of the queue gets its own code: the printer object finds papers by code.
TEST_F(Spooler, QueuePapersHaveDistinctCodesWithTheStandardOnesKept) {
    std::vector<int> codes = printer.paperCodes();
    ASSERT_EQ(codes.size(), printer.paperNames().size());
    for (int standard : {9, 11, printer::kCustomPaper})
        EXPECT_NE(std::find(codes.begin(), codes.end(), standard), codes.end()) << standard;
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end());
}

TEST_F(Spooler, LandscapeA4JobArrivesAsTurnedA4Pages) {
    printer.setPaper(9, 2970, 2100, -1, kLandscape, true);
    EXPECT_NEAR(printer.paperWidth(), 2970, 1);
    EXPECT_NEAR(printer.paperHeight(), 2100, 1);
    const std::string pdf = printJob("landscape", 2, 1);
    const std::optional<PdfInfo> info = readPdfInfo(pdf);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 2);
    EXPECT_EQ(info->widthPt, 842);
    EXPECT_EQ(info->heightPt, 595);
}

// The spooler gets one copy; the backend repeats the pages itself.
TEST_F(Spooler, CopiesArePrintedByTheBackendNotMultipliedByTheSpooler) {
    printer.setPaper(11, 1480, 2100, -1, kPortrait, true);
    const std::string pdf = printJob("copies", 2, 2);
    const std::optional<PdfInfo> info = readPdfInfo(pdf);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 4);
    EXPECT_NEAR(info->widthPt, 420, 1);  // A5 is 419.5 x 595.3 pt
    EXPECT_NEAR(info->heightPt, 595, 1);
}

// A cancelled job must not reach the spooler, not even the pages drawn before the cancel.
TEST_F(Spooler, AnAbortedJobNeverReachesTheSpooler) {
    const std::string title = spooler->uniqueTitle("annullato");
    {
        const std::unique_ptr<printer::PrintJob> job = printer.startJob(title, 2);
        for (int i = 0; i < 3; ++i) {
            if (i > 0) job->newPage();
            job->canvas().textOut(100, 100, "Pagina " + std::to_string(i + 1));
        }
    }
    // No job is left open: the printer takes another paper again.
    printer.setPaper(11, 0, 0, -1, printer::kPortrait, true);
    EXPECT_EQ(printer.paperSize(), 11);
    std::this_thread::sleep_for(std::chrono::seconds(4));
    EXPECT_EQ(spooler->jobCount(spooler->queue()), 0);
    EXPECT_EQ(spooler->waitForPdf(title, std::chrono::seconds(1)), "");
}

}  // namespace
}  // namespace spooler_test
