#include "printer/PrintSheet.h"

#include <gtest/gtest.h>

#include "printer/Printer.h"
#include "tests/support/FakePrinterBackend.h"

namespace printer {
namespace {

TEST(PageFilter, OddAndEvenCountPagesFromOne) {
    for (int index = 0; index < 6; ++index) {
        const bool oddPage = (index + 1) % 2 == 1;
        EXPECT_FALSE(pageFilterSkips(PageFilter::All, index));
        EXPECT_EQ(pageFilterSkips(PageFilter::Odd, index), !oddPage) << index;
        EXPECT_EQ(pageFilterSkips(PageFilter::Even, index), oddPage) << index;
    }
}

class PrintSheet : public ::testing::Test {
protected:
    PrintSheet() : backend({makePrinter()}, 0) {}
    static FakePrinter makePrinter() {
        FakePrinter p;
        p.name = "Ufficio";
        p.paperCodes = {9, 8};
        return p;
    }
    void SetUp() override { printer.attachPrinter(&backend); }

    // Prints pages of the given papers the way the print run does.
    void printPages(const std::vector<PagePaper>& papers, const PrintJobSettings& job) {
        const PagePaper& first = papers.front();
        printer.setPaper(first.size, first.width, first.height, first.bin, first.orientation, true);
        std::unique_ptr<PrintJob> open = printer.startJob(job.title, job.copies);
        bool firstPage = true;
        for (const PagePaper& paper : papers) {
            startSheet(printer, open, paper, job, firstPage);
            open->canvas().textOut(0, 0, std::to_string(paper.size));
            firstPage = false;
        }
        open->end();
    }

    FakePrinterBackend backend;
    Printer printer;
};

const PagePaper kA4Landscape{9, 2970, 2100, 65535, kLandscape};
const PagePaper kA3Portrait{8, 2970, 4200, 65535, kPortrait};

TEST_F(PrintSheet, SamePaperPagesShareOneJob) {
    printPages({kA4Landscape, kA4Landscape, kA4Landscape}, {"Etichette", 2, false});
    using K = FakeJobCall;
    EXPECT_EQ(backend.jobCalls,
              (std::vector<FakeJobCall>{
                  {K::Begin, "Etichette", 2}, {K::newPage, "", 0}, {K::newPage, "", 0}, {K::End, "", 0}}));
    ASSERT_EQ(backend.pages.size(), 3u);
    for (const FakePage& page : backend.pages) {
        EXPECT_EQ(page.settings.orientation, kModeLandscape);
        EXPECT_EQ(page.copies, 2);
    }
}

TEST_F(PrintSheet, JobPerSheetEndsAndBeginsAJobForEverySheet) {
    printPages({kA4Landscape, kA4Landscape}, {"Etichette", 1, true});
    using K = FakeJobCall;
    EXPECT_EQ(backend.jobCalls,
              (std::vector<FakeJobCall>{
                  {K::Begin, "Etichette", 1}, {K::End, "", 0}, {K::Begin, "Etichette", 1}, {K::End, "", 0}}));
    EXPECT_EQ(backend.pages.back().job, 1);
}

// The paper of a job cannot change: another paper means a new job set up for it.
TEST_F(PrintSheet, AnotherPaperStartsANewJobOnThatPaper) {
    printPages({kA4Landscape, kA3Portrait, kA3Portrait}, {"Misto", 1, false});
    using K = FakeJobCall;
    EXPECT_EQ(backend.jobCalls, (std::vector<FakeJobCall>{{K::Begin, "Misto", 1},
                                                          {K::End, "", 0},
                                                          {K::Begin, "Misto", 1},
                                                          {K::newPage, "", 0},
                                                          {K::End, "", 0}}));
    ASSERT_EQ(backend.pages.size(), 3u);
    EXPECT_EQ(backend.pages[1].texts, std::vector<std::string>{"8"});
    EXPECT_EQ(backend.pages[1].settings.paperSize, 8);
    EXPECT_EQ(backend.pages[1].settings.orientation, kModePortrait);
    EXPECT_EQ(backend.pages[2].texts, std::vector<std::string>{"8"});
}

}  // namespace
}  // namespace printer
