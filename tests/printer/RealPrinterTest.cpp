// The printer object over installed printers, through the scripted backend.
#include <gtest/gtest.h>

#include "tests/support/FakePrinterBackend.h"
#include "printer/PaperTable.h"
#include "printer/PrinterError.h"
#include "printer/Printer.h"

namespace preview {
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
    void SetUp() override { printer.AttachPrinter(&backend); }
    FakePrinterBackend backend;
    TfrPrinter printer;
};

TEST_F(RealPrinter, ListEndsWithTheVirtualPrinterAndStartsOnThePlatformsCurrent) {
    EXPECT_EQ(printer.PrinterNames(),
              (std::vector<std::string>{"Ufficio", "Etichette", "Foto", "Stampante virtuale"}));
    EXPECT_EQ(printer.PrinterIndex(), 1);
    EXPECT_EQ(printer.DefaultPrinterIndex(), 3);
    EXPECT_FALSE(printer.IsVirtual());
    EXPECT_TRUE(printer.HasPlatformPrinters());
    EXPECT_EQ(printer.CurrentPrinterName(), "Etichette");
}

TEST_F(RealPrinter, ReadSettingsTakesPaperBinsAndOrientationFromThePrinter) {
    EXPECT_EQ(printer.PaperSize(), 9);
    EXPECT_EQ(printer.PaperWidth(), 2100);
    EXPECT_EQ(printer.PaperHeight(), 2970);
    EXPECT_EQ(printer.Orientation(), kPortrait);
    EXPECT_EQ(printer.Bin(), 7);
    EXPECT_EQ(printer.PaperCodes(), (std::vector<int>{1, 9, kCustomPaper}));
    EXPECT_EQ(printer.PaperNames(), (std::vector<std::string>{"Letter", "A4", "Personalizzato"}));
    EXPECT_EQ(printer.BinCodes(), (std::vector<int>{-1, 7, 15}));
    EXPECT_EQ(printer.BinNames(), (std::vector<std::string>{"", "Automatico", "Cassetto 1"}));
    EXPECT_EQ(printer.BinsNum(), 3);
}

TEST_F(RealPrinter, ApplySettingsRoundTripsLandscapeAndBin) {
    printer.SetPaper(9, 0, 0, 15, kLandscape, false);
    ASSERT_FALSE(backend.settingsWritten.empty());
    const PrinterSettings& written = backend.settingsWritten.back();
    EXPECT_EQ(written.paperSize, 9);
    EXPECT_EQ(written.orientation, kModeLandscape);
    EXPECT_EQ(written.defaultSource, 15);
    EXPECT_EQ(written.copies, 1);
    EXPECT_FALSE(written.has(kFieldPaperLength));
    EXPECT_FALSE(written.has(kFieldPaperWidth));
    // Read back from the printer.
    EXPECT_EQ(printer.Orientation(), kLandscape);
    EXPECT_EQ(printer.PaperWidth(), 2970);
    EXPECT_EQ(printer.PaperHeight(), 2100);
    EXPECT_EQ(printer.Bin(), 15);
    EXPECT_TRUE(printer.SamePaper(9, 0, 0, 15, kLandscape));
}

TEST_F(RealPrinter, DefaultBinLeavesThePrintersSourceAlone) {
    for (int bin : {-1, 65535}) {
        printer.SetPaper(1, 0, 0, bin, kPortrait, true);
        EXPECT_EQ(backend.settingsWritten.back().defaultSource, 7) << bin;
        EXPECT_EQ(printer.Bin(), 7);
        EXPECT_TRUE(printer.SamePaper(1, 0, 0, bin, kPortrait));
    }
}

TEST_F(RealPrinter, CustomPaperIsWrittenAsWidthAndLengthThenClearedAgain) {
    printer.SetPaper(kCustomPaper, 1000, 1500, -1, kPortrait, false);
    const PrinterSettings custom = backend.settingsWritten.back();
    EXPECT_TRUE(custom.has(kFieldPaperLength));
    EXPECT_TRUE(custom.has(kFieldPaperWidth));
    EXPECT_EQ(custom.paperWidth, 1000);
    EXPECT_EQ(custom.paperLength, 1500);
    EXPECT_EQ(printer.PaperSize(), kCustomPaper);
    // Read back through 203 dpi dots: within a tenth of a millimetre.
    EXPECT_TRUE(printer.SamePaper(kCustomPaper, 1000, 1500, -1, kPortrait));

    printer.SetPaper(9, 0, 0, -1, kPortrait, false);
    EXPECT_FALSE(backend.settingsWritten.back().has(kFieldPaperLength));
    EXPECT_FALSE(backend.settingsWritten.back().has(kFieldPaperWidth));
    EXPECT_EQ(printer.PaperWidth(), 2100);
}

TEST_F(RealPrinter, APaperThePrinterRefusesIsReplacedByWhatItChose) {
    printer.SetPaper(8, 0, 0, -1, kPortrait, false);  // A3: not on this printer
    EXPECT_EQ(printer.PaperSize(), 9);
    EXPECT_EQ(printer.PaperWidth(), 2100);
}

TEST_F(RealPrinter, OnlyFieldsTheDriverHonoursAreWritten) {
    backend.printer().settings->fields = kFieldPaperSize;
    printer.SetPaper(1, 0, 0, 15, kLandscape, false);
    const PrinterSettings& written = backend.settingsWritten.back();
    EXPECT_EQ(written.paperSize, 1);
    EXPECT_EQ(written.orientation, kModePortrait);
    EXPECT_EQ(written.defaultSource, 7);
    EXPECT_EQ(printer.Orientation(), kPortrait);
}

TEST_F(RealPrinter, SetPaperWithoutForceSkipsTheSamePaper) {
    const std::size_t writes = backend.settingsWritten.size();
    printer.SetPaper(9, 0, 0, -1, kPortrait, false);
    EXPECT_EQ(backend.settingsWritten.size(), writes);
    printer.SetPaper(9, 0, 0, -1, kPortrait, true);
    EXPECT_EQ(backend.settingsWritten.size(), writes + 1);
}

TEST_F(RealPrinter, PaperNeverChangesWhileAJobRuns) {
    printer.BeginDoc("Etichette", 1);
    const std::size_t writes = backend.settingsWritten.size();
    printer.SetPaper(1, 0, 0, -1, kLandscape, true);
    EXPECT_EQ(backend.settingsWritten.size(), writes);
    EXPECT_EQ(printer.PaperSize(), 9);
    printer.SelectPrinter(0);
    EXPECT_EQ(printer.PrinterIndex(), 1) << "no printer switch during a job";
    printer.EndDoc();
}

// Geometry straight from the device metrics, at three resolutions, A4 portrait with a 5 mm
// unprintable edge expressed in dots.
TEST_F(RealPrinter, GeometryAtSeveralResolutions) {
    struct Case {
        int index, dpi;
        PrinterGeometry expected;
    } cases[] = {
        {1, 203, {1678, 2374, 757, 1072, 40, 40, 18, 18, 1598, 2294, 721, 1035}},
        {0, 300, {2480, 3508, 757, 1071, 59, 59, 18, 18, 2362, 3390, 721, 1035}},
        {2, 600, {4961, 7016, 758, 1071, 118, 118, 18, 18, 4725, 6780, 722, 1035}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        printer.SelectPrinter(c.index);
        EXPECT_EQ(printer.geometry(), c.expected);
        EXPECT_EQ(printer.PaperWidth(), 2100);
        EXPECT_EQ(printer.PaperHeight(), 2970);
    }
}

TEST_F(RealPrinter, LandscapeGeometrySwapsTheDeviceAxes) {
    printer.SelectPrinter(0);
    printer.SetPaper(9, 0, 0, 65535, kLandscape, false);
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthDots, 3508);
    EXPECT_EQ(g.paperHeightDots, 2480);
    EXPECT_EQ(g.paperWidthPx, 1071);
    EXPECT_EQ(g.paperHeightPx, 757);
    EXPECT_EQ(g.printableWidthPx, 1035);
}

TEST_F(RealPrinter, UnequalResolutionsScaleEachAxisByItsOwn) {
    backend.printer().dpiX = 600;
    backend.printer().dpiY = 300;
    printer.ReadSettings();
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthDots, 4961);
    EXPECT_EQ(g.paperHeightDots, 3508);
    EXPECT_EQ(g.paperWidthPx, 758);
    EXPECT_EQ(g.paperHeightPx, 1071);
    EXPECT_EQ(printer.PaperWidth(), 2100);
    EXPECT_EQ(printer.PaperHeight(), 2970);
}

TEST_F(RealPrinter, SelectPrinterSwitchesTheOutputPrinterAndKeepsThePaper) {
    printer.SetPaper(9, 0, 0, -1, kLandscape, false);
    printer.SelectPrinter(0);
    EXPECT_EQ(printer.PrinterIndex(), 0);
    EXPECT_EQ(backend.currentPrinter(), 0);
    EXPECT_EQ(printer.CurrentPrinterName(), "Ufficio");
    EXPECT_EQ(printer.Orientation(), kLandscape) << "the paper follows the new printer";
    EXPECT_EQ(backend.printer().settings->orientation, kModeLandscape);

    printer.BeginDoc("Stampa", 2);
    printer.EndDoc();
    ASSERT_EQ(backend.pages.size(), 1u);
    EXPECT_EQ(backend.pages[0].printer, "Ufficio");

    // Rebuilding the list (as every print run does) keeps the chosen printer.
    printer.AttachPrinter(&backend);
    EXPECT_EQ(printer.PrinterIndex(), 0);
}

TEST_F(RealPrinter, SelectPrinterIgnoresIndexesOutsideTheList) {
    for (int index : {-1, 4, 100}) {
        printer.SelectPrinter(index);
        EXPECT_EQ(printer.PrinterIndex(), 1);
    }
    EXPECT_TRUE(backend.selectedPrinters.empty());
}

TEST_F(RealPrinter, SelectingTheVirtualPrinterUsesTheTableAndNeverTheBackend) {
    printer.SetPaper(1, 0, 0, -1, kLandscape, false);
    printer.SelectPrinter(3);
    EXPECT_TRUE(printer.IsVirtual());
    EXPECT_TRUE(backend.selectedPrinters.empty());
    EXPECT_EQ(printer.PaperSizesNum(), 67);
    EXPECT_EQ(printer.PaperWidth(), 2794);
    EXPECT_EQ(printer.PaperHeight(), 2159);
    EXPECT_EQ(printer.geometry().offsetXPx, 18);
    EXPECT_THROW(printer.BeginDoc("x", 1), PrinterError);
    printer.SelectPrinter(2);
    EXPECT_EQ(backend.currentPrinter(), 2);
    EXPECT_EQ(printer.PaperSize(), 1);
}

TEST_F(RealPrinter, SelectPrinterByName) {
    EXPECT_TRUE(printer.SelectPrinterByName("Foto"));
    EXPECT_EQ(printer.PrinterIndex(), 2);
    EXPECT_FALSE(printer.SelectPrinterByName("PCL6 V4 Driver for Universal Print"));
    EXPECT_EQ(printer.PrinterIndex(), 2);
    EXPECT_TRUE(printer.SelectPrinterByName("\x01"));
    EXPECT_TRUE(printer.IsVirtual());
}

// A platform with printers but none current: output goes to the first one.
TEST(RealPrinterStart, NoCurrentPrinterMeansTheFirst) {
    FakePrinterBackend backend({officePrinter("A", 300, 0), officePrinter("B", 300, 0)}, -1);
    TfrPrinter printer;
    printer.AttachPrinter(&backend);
    EXPECT_EQ(printer.PrinterIndex(), 0);
    EXPECT_EQ(backend.currentPrinter(), 0);
    EXPECT_EQ(printer.PaperWidth(), 2100);
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
        TfrPrinter printer;
        printer.AttachPrinter(&backend);
        EXPECT_TRUE(printer.IsVirtual());
        EXPECT_EQ(printer.PrinterIndex(), 1);
        EXPECT_EQ(printer.PaperSize(), 9);
        EXPECT_EQ(printer.PaperWidth(), 2100);
        EXPECT_EQ(printer.PaperSizesNum(), 67);
        EXPECT_EQ(printer.BinCodes(), std::vector<int>{-1});
        EXPECT_EQ(printer.geometry().paperWidthPx, 758);
    }
}

TEST(RealPrinterFallback, AnUnreadablePrinterListLeavesOnlyTheVirtualPrinter) {
    FakePrinterBackend backend({officePrinter("Ufficio", 300, 59)}, 0);
    backend.failPrinterList = true;
    TfrPrinter printer;
    printer.AttachPrinter(&backend);
    EXPECT_EQ(printer.PrinterNames(), std::vector<std::string>{"Stampante virtuale"});
    EXPECT_TRUE(printer.IsVirtual());
    EXPECT_FALSE(printer.HasPlatformPrinters());
    EXPECT_EQ(printer.PaperWidth(), 2100);
}

TEST(RealPrinterFallback, AMissingSettingsBlockIsAskedForTwice) {
    FakePrinterBackend backend({officePrinter("Ufficio", 300, 59)}, 0);
    backend.printer().settings.reset();
    TfrPrinter printer;
    printer.AttachPrinter(&backend);
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
    TfrPrinter printer;
    printer.AttachPrinter(&backend);
    ASSERT_FALSE(printer.IsVirtual());
    EXPECT_EQ(printer.PaperSizesNum(), 256);
    ASSERT_EQ(printer.PaperNames().size(), 256u);
    EXPECT_EQ(printer.PaperNames()[0], "A4");
    EXPECT_EQ(printer.PaperNames()[255], "");
    EXPECT_EQ(printer.BinsNum(), 256);
    EXPECT_EQ(printer.BinNames().size(), 256u);
    EXPECT_EQ(printer.BinCodes()[0], -1);
}

TEST_F(RealPrinter, SetupDialogCancelledChangesNothing) {
    const std::size_t writes = backend.settingsWritten.size();
    EXPECT_FALSE(printer.PrinterSetupDialog());
    backend.propertiesDialog = [](PrinterSettings&) { return false; };
    EXPECT_FALSE(printer.PrinterSetupDialog());
    EXPECT_EQ(backend.settingsWritten.size(), writes);
}

TEST_F(RealPrinter, SetupDialogAcceptedBecomesThePrintersSettings) {
    backend.propertiesDialog = [](PrinterSettings& s) {
        s.orientation = kModeLandscape;
        return true;
    };
    EXPECT_TRUE(printer.PrinterSetupDialog());
    EXPECT_EQ(backend.printer().settings->orientation, kModeLandscape);
    EXPECT_EQ(printer.Orientation(), kPortrait) << "fields are re-read later, not here";
    printer.ReadSettings();
    EXPECT_EQ(printer.Orientation(), kLandscape);
}

TEST_F(RealPrinter, JobCallsReachTheBackendInOrder) {
    EXPECT_EQ(printer.Canvas(), nullptr);
    printer.BeginDoc("Ricette", 0);
    EXPECT_TRUE(printer.Printing());
    ASSERT_NE(printer.Canvas(), nullptr);
    printer.Canvas()->textOut(0, 0, "pagina 1");
    printer.NewPage();
    printer.Canvas()->textOut(0, 0, "pagina 2");
    printer.EndDoc();
    printer.BeginDoc("Ricette", 3);
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
    printer.Abort();  // nothing open: nothing recorded

    using K = FakeJobCall;
    EXPECT_EQ(backend.jobCalls, (std::vector<FakeJobCall>{{K::Begin, "Ricette", 1},
                                                          {K::NewPage, "", 0},
                                                          {K::End, "", 0},
                                                          {K::Begin, "Ricette", 3},
                                                          {K::Abort, "", 0}}));
    ASSERT_EQ(backend.pages.size(), 3u);
    EXPECT_EQ(backend.pages[0].texts, std::vector<std::string>{"pagina 1"});
    EXPECT_EQ(backend.pages[1].texts, std::vector<std::string>{"pagina 2"});
    EXPECT_EQ(backend.pages[2].job, 1);
    EXPECT_EQ(backend.pages[2].copies, 3);
    EXPECT_EQ(backend.pages[0].printer, "Etichette");
}

}  // namespace
}  // namespace preview
