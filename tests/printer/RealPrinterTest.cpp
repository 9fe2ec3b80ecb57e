// The printer object over installed printers, through the scripted backend.
#include <gtest/gtest.h>

#include "printer/PaperTable.h"
#include "printer/Printer.h"
#include "printer/PrinterError.h"
#include "tests/support/FakePrinterBackend.h"

namespace printer {
namespace {

// A printer with A4 and Letter, two bins and the same unprintable edge all round.
FakePrinter officePrinter(const std::string& name, int dpi, int edgeDots) {
    FakePrinter p;
    p.name = name;
    p.dpiX = dpi;
    p.dpiY = dpi;
    p.marginLeft = p.marginTop = p.marginRight = p.marginBottom = edgeDots;
    p.paperCodes = {1, 9, kCustomPaper};
    p.paperNames = {"Letter", "A4", "Personalizzato"};
    p.binCodes = {7, 15};
    p.binNames = {"Automatico", "Cassetto 1"};
    return p;
}

class RealPrinter : public ::testing::Test {
protected:
    RealPrinter()
        : backend({officePrinter("Ufficio", 300, 59), officePrinter("Etichette", 203, 40),
                   officePrinter("Foto", 600, 118)},
                  1) {}
    void SetUp() override { printer.attachPrinter(&backend); }
    FakePrinterBackend backend;
    Printer printer;
};

TEST_F(RealPrinter, ListEndsWithTheVirtualPrinterAndStartsOnThePlatformsCurrent) {
    EXPECT_EQ(printer.printerNames(),
              (std::vector<std::string>{"Ufficio", "Etichette", "Foto", "Stampante virtuale"}));
    EXPECT_EQ(printer.printerIndex(), 1);
    EXPECT_EQ(printer.defaultPrinterIndex(), 3);
    EXPECT_FALSE(printer.isVirtual());
    EXPECT_TRUE(printer.hasPlatformPrinters());
    EXPECT_EQ(printer.currentPrinterName(), "Etichette");
}

TEST_F(RealPrinter, ReadSettingsTakesPaperBinsAndOrientationFromThePrinter) {
    EXPECT_EQ(printer.paperSize(), 9);
    EXPECT_EQ(printer.paperWidth(), 2100);
    EXPECT_EQ(printer.paperHeight(), 2970);
    EXPECT_EQ(printer.orientation(), kPortrait);
    EXPECT_EQ(printer.bin(), 7);
    EXPECT_EQ(printer.paperCodes(), (std::vector<int>{1, 9, kCustomPaper}));
    EXPECT_EQ(printer.paperNames(), (std::vector<std::string>{"Letter", "A4", "Personalizzato"}));
    EXPECT_EQ(printer.binCodes(), (std::vector<int>{-1, 7, 15}));
    EXPECT_EQ(printer.binNames(), (std::vector<std::string>{"", "Automatico", "Cassetto 1"}));
    EXPECT_EQ(printer.binsNum(), 3);
}

TEST_F(RealPrinter, ApplySettingsRoundTripsLandscapeAndBin) {
    printer.setPaper(9, 0, 0, 15, kLandscape, false);
    ASSERT_FALSE(backend.settingsWritten.empty());
    const PrinterSettings& written = backend.settingsWritten.back();
    EXPECT_EQ(written.paperSize, 9);
    EXPECT_EQ(written.orientation, kModeLandscape);
    EXPECT_EQ(written.defaultSource, 15);
    EXPECT_EQ(written.copies, 1);
    EXPECT_FALSE(written.has(kFieldPaperLength));
    EXPECT_FALSE(written.has(kFieldPaperWidth));
    // Read back from the printer.
    EXPECT_EQ(printer.orientation(), kLandscape);
    EXPECT_EQ(printer.paperWidth(), 2970);
    EXPECT_EQ(printer.paperHeight(), 2100);
    EXPECT_EQ(printer.bin(), 15);
    EXPECT_TRUE(printer.samePaper(9, 0, 0, 15, kLandscape));
}

TEST_F(RealPrinter, DefaultBinLeavesThePrintersSourceAlone) {
    for (int bin : {-1, 65535}) {
        printer.setPaper(1, 0, 0, bin, kPortrait, true);
        EXPECT_EQ(backend.settingsWritten.back().defaultSource, 7) << bin;
        EXPECT_EQ(printer.bin(), 7);
        EXPECT_TRUE(printer.samePaper(1, 0, 0, bin, kPortrait));
    }
}

TEST_F(RealPrinter, CustomPaperIsWrittenAsWidthAndLengthThenClearedAgain) {
    printer.setPaper(kCustomPaper, 1000, 1500, -1, kPortrait, false);
    const PrinterSettings custom = backend.settingsWritten.back();
    EXPECT_TRUE(custom.has(kFieldPaperLength));
    EXPECT_TRUE(custom.has(kFieldPaperWidth));
    EXPECT_EQ(custom.paperWidth, 1000);
    EXPECT_EQ(custom.paperLength, 1500);
    EXPECT_EQ(printer.paperSize(), kCustomPaper);
    // Read back through 203 dpi dots: within a tenth of a millimetre.
    EXPECT_TRUE(printer.samePaper(kCustomPaper, 1000, 1500, -1, kPortrait));

    printer.setPaper(9, 0, 0, -1, kPortrait, false);
    EXPECT_FALSE(backend.settingsWritten.back().has(kFieldPaperLength));
    EXPECT_FALSE(backend.settingsWritten.back().has(kFieldPaperWidth));
    EXPECT_EQ(printer.paperWidth(), 2100);
}

TEST_F(RealPrinter, APaperThePrinterRefusesIsReplacedByWhatItChose) {
    printer.setPaper(8, 0, 0, -1, kPortrait, false);  // A3: not on this printer
    EXPECT_EQ(printer.paperSize(), 9);
    EXPECT_EQ(printer.paperWidth(), 2100);
}

TEST_F(RealPrinter, OnlyFieldsTheDriverHonoursAreWritten) {
    backend.printer().settings->fields = kFieldPaperSize;
    printer.setPaper(1, 0, 0, 15, kLandscape, false);
    const PrinterSettings& written = backend.settingsWritten.back();
    EXPECT_EQ(written.paperSize, 1);
    EXPECT_EQ(written.orientation, kModePortrait);
    EXPECT_EQ(written.defaultSource, 7);
    EXPECT_EQ(printer.orientation(), kPortrait);
}

TEST_F(RealPrinter, SetPaperWithoutForceSkipsTheSamePaper) {
    const std::size_t writes = backend.settingsWritten.size();
    printer.setPaper(9, 0, 0, -1, kPortrait, false);
    EXPECT_EQ(backend.settingsWritten.size(), writes);
    printer.setPaper(9, 0, 0, -1, kPortrait, true);
    EXPECT_EQ(backend.settingsWritten.size(), writes + 1);
}

TEST_F(RealPrinter, PaperNeverChangesWhileAJobRuns) {
    const std::unique_ptr<PrintJob> job = printer.startJob("Etichette", 1);
    const std::size_t writes = backend.settingsWritten.size();
    printer.setPaper(1, 0, 0, -1, kLandscape, true);
    EXPECT_EQ(backend.settingsWritten.size(), writes);
    EXPECT_EQ(printer.paperSize(), 9);
    printer.selectPrinter(0);
    EXPECT_EQ(printer.printerIndex(), 1) << "no printer switch during a job";
    job->end();
}

// The dots come from the device metrics, at three resolutions (A4 portrait with a 5 mm
// unprintable edge expressed in dots); the page pixels are the sheet's at every resolution, so
// that labels are laid out alike whichever printer is current.
TEST_F(RealPrinter, DotsFromTheDevicePixelsFromTheSheetAtEveryResolution) {
    struct Case {
        int index, dpi;
        PrinterGeometry expected;
    } cases[] = {
        {1, 203, {1678, 2374, 758, 1071, 40, 40, 18, 18, 1598, 2294, 722, 1035}},
        {0, 300, {2480, 3508, 758, 1071, 59, 59, 18, 18, 2362, 3390, 722, 1035}},
        {2, 600, {4961, 7016, 758, 1071, 118, 118, 18, 18, 4725, 6780, 722, 1035}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        printer.selectPrinter(c.index);
        EXPECT_EQ(printer.geometry(), c.expected);
        EXPECT_EQ(printer.paperWidth(), 2100);
        EXPECT_EQ(printer.paperHeight(), 2970);
    }
}

TEST_F(RealPrinter, LandscapeGeometrySwapsTheDeviceAxes) {
    printer.selectPrinter(0);
    printer.setPaper(9, 0, 0, 65535, kLandscape, false);
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthDots, 3508);
    EXPECT_EQ(g.paperHeightDots, 2480);
    EXPECT_EQ(g.paperWidthPx, 1071);
    EXPECT_EQ(g.paperHeightPx, 758);
    EXPECT_EQ(g.printableWidthPx, 1035);
}

TEST_F(RealPrinter, UnequalResolutionsScaleEachAxisByItsOwn) {
    backend.printer().dpiX = 600;
    backend.printer().dpiY = 300;
    printer.readSettings();
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthDots, 4961);
    EXPECT_EQ(g.paperHeightDots, 3508);
    EXPECT_EQ(g.paperWidthPx, 758);
    EXPECT_EQ(g.paperHeightPx, 1071);
    EXPECT_EQ(printer.paperWidth(), 2100);
    EXPECT_EQ(printer.paperHeight(), 2970);
}

TEST_F(RealPrinter, SelectPrinterSwitchesTheOutputPrinterAndKeepsThePaper) {
    printer.setPaper(9, 0, 0, -1, kLandscape, false);
    printer.selectPrinter(0);
    EXPECT_EQ(printer.printerIndex(), 0);
    EXPECT_EQ(backend.currentPrinter(), 0);
    EXPECT_EQ(printer.currentPrinterName(), "Ufficio");
    EXPECT_EQ(printer.orientation(), kLandscape) << "the paper follows the new printer";
    EXPECT_EQ(backend.printer().settings->orientation, kModeLandscape);

    printer.startJob("Stampa", 2)->end();
    ASSERT_EQ(backend.pages.size(), 1u);
    EXPECT_EQ(backend.pages[0].printer, "Ufficio");

    // Rebuilding the list (as every print run does) keeps the chosen printer.
    printer.attachPrinter(&backend);
    EXPECT_EQ(printer.printerIndex(), 0);
}

TEST_F(RealPrinter, SelectPrinterIgnoresIndexesOutsideTheList) {
    for (int index : {-1, 4, 100}) {
        printer.selectPrinter(index);
        EXPECT_EQ(printer.printerIndex(), 1);
    }
    EXPECT_TRUE(backend.selectedPrinters.empty());
}

TEST_F(RealPrinter, SelectingTheVirtualPrinterUsesTheTableAndNeverTheBackend) {
    printer.setPaper(1, 0, 0, -1, kLandscape, false);
    printer.selectPrinter(3);
    EXPECT_TRUE(printer.isVirtual());
    EXPECT_TRUE(backend.selectedPrinters.empty());
    EXPECT_EQ(printer.paperSizesNum(), 67);
    EXPECT_EQ(printer.paperWidth(), 2794);
    EXPECT_EQ(printer.paperHeight(), 2159);
    EXPECT_EQ(printer.geometry().offsetXPx, 18);
    EXPECT_THROW(printer.startJob("x", 1), PrinterError);
    printer.selectPrinter(2);
    EXPECT_EQ(backend.currentPrinter(), 2);
    EXPECT_EQ(printer.paperSize(), 1);
}

TEST_F(RealPrinter, selectPrinterByName) {
    EXPECT_TRUE(printer.selectPrinterByName("Foto"));
    EXPECT_EQ(printer.printerIndex(), 2);
    EXPECT_FALSE(printer.selectPrinterByName("PCL6 V4 Driver for Universal Print"));
    EXPECT_EQ(printer.printerIndex(), 2);
    EXPECT_TRUE(printer.selectPrinterByName("\x01"));
    EXPECT_TRUE(printer.isVirtual());
}

// A platform with printers but none current: output goes to the first one.
TEST(RealPrinterStart, NoCurrentPrinterMeansTheFirst) {
    FakePrinterBackend backend({officePrinter("A", 300, 0), officePrinter("B", 300, 0)}, -1);
    Printer printer;
    printer.attachPrinter(&backend);
    EXPECT_EQ(printer.printerIndex(), 0);
    EXPECT_EQ(backend.currentPrinter(), 0);
    EXPECT_EQ(printer.paperWidth(), 2100);
}

TEST(RealPrinterFallback, FailingReadsFallBackToTheVirtualPrinter) {
    struct Case {
        const char* what;
        void (*script)(FakePrinterBackend&);
    } cases[] = {
        {"settings query throws", [](FakePrinterBackend& b) { b.failSettingsQuery = true; }},
        {"no settings block", [](FakePrinterBackend& b) { b.printer().settings.reset(); }},
        {"metrics query throws", [](FakePrinterBackend& b) { b.failMetricsQuery = true; }},
        {"zero resolution", [](FakePrinterBackend& b) { b.metricsOverride = DeviceMetrics{}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakePrinterBackend backend({officePrinter("Ufficio", 300, 59)}, 0);
        c.script(backend);
        Printer printer;
        printer.attachPrinter(&backend);
        EXPECT_TRUE(printer.isVirtual());
        EXPECT_EQ(printer.printerIndex(), 1);
        EXPECT_EQ(printer.paperSize(), 9);
        EXPECT_EQ(printer.paperWidth(), 2100);
        EXPECT_EQ(printer.paperSizesNum(), 67);
        EXPECT_EQ(printer.binCodes(), std::vector<int>{-1});
        EXPECT_EQ(printer.geometry().paperWidthPx, 758);
    }
}

TEST(RealPrinterFallback, AnUnreadablePrinterListLeavesOnlyTheVirtualPrinter) {
    FakePrinterBackend backend({officePrinter("Ufficio", 300, 59)}, 0);
    backend.failPrinterList = true;
    Printer printer;
    printer.attachPrinter(&backend);
    EXPECT_EQ(printer.printerNames(), std::vector<std::string>{"Stampante virtuale"});
    EXPECT_TRUE(printer.isVirtual());
    EXPECT_FALSE(printer.hasPlatformPrinters());
    EXPECT_EQ(printer.paperWidth(), 2100);
}

TEST(RealPrinterFallback, AMissingSettingsBlockIsAskedForTwice) {
    FakePrinterBackend backend({officePrinter("Ufficio", 300, 59)}, 0);
    backend.printer().settings.reset();
    Printer printer;
    printer.attachPrinter(&backend);
    EXPECT_EQ(backend.settingsQueries, 2);
}

// The spooler's lists go into arrays of 256 entries; longer lists are cut, and names are
// kept index for index with their codes.
TEST(RealPrinterLists, LongListsAreCappedAndNamesAligned) {
    FakePrinter p = officePrinter("Grande", 300, 0);
    p.paperCodes.assign(300, 9);
    p.paperNames = {"A4"};
    p.binCodes.assign(400, 7);
    p.binNames.assign(500, "Cassetto");
    FakePrinterBackend backend({p}, 0);
    Printer printer;
    printer.attachPrinter(&backend);
    ASSERT_FALSE(printer.isVirtual());
    EXPECT_EQ(printer.paperSizesNum(), 256);
    ASSERT_EQ(printer.paperNames().size(), 256u);
    EXPECT_EQ(printer.paperNames()[0], "A4");
    EXPECT_EQ(printer.paperNames()[255], "");
    EXPECT_EQ(printer.binsNum(), 256);
    EXPECT_EQ(printer.binNames().size(), 256u);
    EXPECT_EQ(printer.binCodes()[0], -1);
}

TEST_F(RealPrinter, SetupDialogCancelledChangesNothing) {
    const std::size_t writes = backend.settingsWritten.size();
    EXPECT_FALSE(printer.editPrinterSettings([](PrinterSettings&) { return false; }));
    EXPECT_EQ(backend.settingsWritten.size(), writes);
}

TEST_F(RealPrinter, SetupDialogAcceptedBecomesThePrintersSettings) {
    EXPECT_TRUE(printer.editPrinterSettings([](PrinterSettings& s) {
        s.orientation = kModeLandscape;
        return true;
    }));
    EXPECT_EQ(backend.printer().settings->orientation, kModeLandscape);
    EXPECT_EQ(printer.orientation(), kPortrait) << "fields are re-read later, not here";
    printer.readSettings();
    EXPECT_EQ(printer.orientation(), kLandscape);
}

TEST_F(RealPrinter, JobCallsReachTheBackendInOrder) {
    std::unique_ptr<PrintJob> job = printer.startJob("Ricette", 0);
    EXPECT_TRUE(backend.printing());
    job->canvas().textOut(0, 0, "pagina 1");
    job->newPage();
    job->canvas().textOut(0, 0, "pagina 2");
    job->end();
    job.reset();  // ended: nothing more is recorded
    job = printer.startJob("Ricette", 3);
    job.reset();  // destroyed before it ended: aborted
    EXPECT_FALSE(backend.printing());

    using K = FakeJobCall;
    EXPECT_EQ(backend.jobCalls, (std::vector<FakeJobCall>{{K::Begin, "Ricette", 1},
                                                          {K::newPage, "", 0},
                                                          {K::End, "", 0},
                                                          {K::Begin, "Ricette", 3},
                                                          {K::abort, "", 0}}));
    ASSERT_EQ(backend.pages.size(), 3u);
    EXPECT_EQ(backend.pages[0].texts, std::vector<std::string>{"pagina 1"});
    EXPECT_EQ(backend.pages[1].texts, std::vector<std::string>{"pagina 2"});
    EXPECT_EQ(backend.pages[2].job, 1);
    EXPECT_EQ(backend.pages[2].copies, 3);
    EXPECT_EQ(backend.pages[0].printer, "Etichette");
}

}  // namespace
}  // namespace printer
