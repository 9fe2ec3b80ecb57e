// The printer on a machine without installed printers: only the virtual printer and its table.
#include <gtest/gtest.h>

#include "printer/NoPlatformPrinters.h"
#include "printer/PaperTable.h"
#include "printer/Printer.h"
#include "printer/PrinterError.h"
#include "printer/ProgramPrinter.h"

namespace printer {
namespace {

class VirtualPrinter : public ::testing::Test {
protected:
    void SetUp() override { printer.attachPrinter(&backend); }
    NoPlatformPrinters backend;
    Printer printer;
};

TEST_F(VirtualPrinter, ListHoldsOnlyTheVirtualPrinter) {
    ASSERT_EQ(printer.printerNames(), std::vector<std::string>{"Stampante virtuale"});
    EXPECT_EQ(printer.printerIndex(), 0);
    EXPECT_EQ(printer.defaultPrinterIndex(), 0);
    EXPECT_TRUE(printer.isVirtual());
    EXPECT_FALSE(printer.hasPlatformPrinters());
    EXPECT_EQ(printer.currentPrinterName(), "Stampante virtuale");
    EXPECT_EQ(printer.paperSizesNum(), 67);
    EXPECT_EQ(printer.paperCodes().back(), kCustomPaper);
    EXPECT_EQ(printer.paperNames().size(), 67u);
    EXPECT_EQ(printer.binsNum(), 1);
}

TEST_F(VirtualPrinter, A4PortraitGeometry) {
    EXPECT_EQ(printer.paperSize(), 9);
    EXPECT_EQ(printer.paperWidth(), 2100);
    EXPECT_EQ(printer.paperHeight(), 2970);
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthPx, 758);
    EXPECT_EQ(g.paperHeightPx, 1071);
    EXPECT_EQ(g.offsetXPx, 18);
    EXPECT_EQ(g.offsetYPx, 18);
    EXPECT_EQ(g.printableWidthPx, 722);
    EXPECT_EQ(g.printableHeightPx, 1035);
}

// The label sheets: A4 landscape with 5 mm unprintable edges gives the page area
// Left 18, Top 18, Right 1053, Bottom 740 that the label templates are laid out in.
TEST_F(VirtualPrinter, A4LandscapeGeometryOfTheLabelSheets) {
    printer.setPaper(9, 0, 0, 65535, kLandscape, false);
    EXPECT_EQ(printer.paperWidth(), 2970);
    EXPECT_EQ(printer.paperHeight(), 2100);
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthPx, 1071);
    EXPECT_EQ(g.paperHeightPx, 758);
    EXPECT_EQ(g.printableWidthPx, 1035);
    EXPECT_EQ(g.printableHeightPx, 722);
    EXPECT_EQ(g.offsetXPx + g.printableWidthPx, 1053);
    EXPECT_EQ(g.offsetYPx + g.printableHeightPx, 740);
}

TEST_F(VirtualPrinter, SetPaperTakesTableSizesAndSwapsForLandscape) {
    struct Case {
        int code, orientation, width, height;
    } cases[] = {{1, kPortrait, 2159, 2794},  {1, kLandscape, 2794, 2159},  {4, kPortrait, 4318, 2794},
                 {4, kLandscape, 2794, 4318}, {68, kLandscape, 4450, 3220}, {9, kPortrait, 2100, 2970}};
    for (const Case& c : cases) {
        printer.setPaper(c.code, 1, 1, -1, c.orientation, false);
        EXPECT_EQ(printer.paperSize(), c.code);
        EXPECT_EQ(printer.orientation(), c.orientation);
        EXPECT_EQ(printer.paperWidth(), c.width) << c.code;
        EXPECT_EQ(printer.paperHeight(), c.height) << c.code;
    }
}

TEST_F(VirtualPrinter, CustomPaperKeepsItsSizeAndOrientationDoesNotSwapIt) {
    printer.setPaper(kCustomPaper, 1000, 500, -1, kLandscape, false);
    EXPECT_EQ(printer.paperWidth(), 1000);
    EXPECT_EQ(printer.paperHeight(), 500);
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthPx, 361);
    EXPECT_EQ(g.printableWidthPx, 361 - 36);
}

// A paper narrower than its two 5 mm edges has no printable area, never a negative one
// (the custom row of the table is 0 x 0).
TEST_F(VirtualPrinter, TinyCustomPaperHasAnEmptyPrintableArea) {
    printer.setPaper(kCustomPaper, 0, 0, -1, kPortrait, false);
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.paperWidthPx, 0);
    EXPECT_EQ(g.printableWidthPx, 0);
    EXPECT_EQ(g.printableHeightPx, 0);
}

TEST_F(VirtualPrinter, UnknownPaperCodeKeepsTheGivenSize) {
    printer.setPaper(48, 1500, 1600, -1, kPortrait, false);
    EXPECT_EQ(printer.paperSize(), 48);
    EXPECT_EQ(printer.paperWidth(), 1500);
    EXPECT_EQ(printer.paperHeight(), 1600);
}

TEST_F(VirtualPrinter, samePaper) {
    printer.setPaper(9, 0, 0, 7, kPortrait, true);
    struct Case {
        int size, width, height, bin, orientation;
        bool same;
        const char* why;
    } cases[] = {
        {9, 0, 0, 7, kPortrait, true, "same code and bin; sizes are not compared"},
        {9, 5, 5, 7, kPortrait, true, "fixed sizes ignore width and height"},
        {9, 0, 0, -1, kPortrait, true, "bin -1 matches any bin"},
        {9, 0, 0, 65535, kPortrait, true, "bin 65535 matches any bin (templates store it)"},
        {9, 0, 0, 0x7FFFFFFF, kPortrait, true, "only the low 16 bits decide"},
        {9, 0, 0, 8, kPortrait, false, "another bin"},
        {9, 0, 0, 7, kLandscape, false, "another orientation"},
        {1, 0, 0, 7, kPortrait, false, "another code"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(printer.samePaper(c.size, c.width, c.height, c.bin, c.orientation), c.same) << c.why;
}

TEST_F(VirtualPrinter, SamePaperForCustomSizesAllowsOneTenthOfAMillimetre) {
    printer.setPaper(kCustomPaper, 2000, 1000, 3, kPortrait, true);
    struct Case {
        int width, height, bin, orientation;
        bool same;
    } cases[] = {{2000, 1000, 3, kPortrait, true},  {2001, 999, 3, kPortrait, true},
                 {1999, 1001, 99, kPortrait, true}, {2002, 1000, 3, kPortrait, false},
                 {2000, 998, 3, kPortrait, false},  {2000, 1000, 3, kLandscape, false}};
    for (const Case& c : cases)
        EXPECT_EQ(printer.samePaper(kCustomPaper, c.width, c.height, c.bin, c.orientation), c.same)
            << c.width << "x" << c.height << " bin " << c.bin;
    EXPECT_FALSE(printer.samePaper(9, 2000, 1000, 3, kPortrait));
}

TEST_F(VirtualPrinter, JobsCannotStartOnTheVirtualPrinter) {
    try {
        printer.startJob("Senza titolo", 1);
        ADD_FAILURE() << "a job began on the virtual printer";
    } catch (const PrinterError& e) {
        // The operator reads this one: it says what to do, in Italian.
        EXPECT_STREQ(e.what(), "La stampante virtuale non può stampare: scegliere una stampante");
    }
    bool asked = false;
    EXPECT_FALSE(printer.editPrinterSettings([&](PrinterSettings&) { return asked = true; }));
    EXPECT_FALSE(asked);
}

TEST_F(VirtualPrinter, StoredVirtualPrinterNameSelectsIt) {
    EXPECT_TRUE(printer.selectPrinterByName("\x01"));
    EXPECT_TRUE(printer.selectPrinterByName("Stampante virtuale"));
    EXPECT_FALSE(printer.selectPrinterByName("PCL6 V4 Driver for Universal Print"));
    EXPECT_EQ(printer.printerIndex(), 0);
}

// Before any backend is attached the printer still has a usable A4 paper.
TEST(UnattachedPrinter, BehavesAsTheVirtualPrinterWithoutAName) {
    Printer printer;
    EXPECT_TRUE(printer.printerNames().empty());
    EXPECT_EQ(printer.currentPrinterName(), "");
    EXPECT_EQ(printer.paperSize(), 9);
    EXPECT_EQ(printer.geometry().paperWidthPx, 758);
    printer.selectPrinter(0);
    EXPECT_FALSE(printer.selectPrinterByName("\x01"));
}

TEST(ProgramPrinter, StartsWithTheVirtualPrinterAndA4) {
    ProgramPrinter program;
    Printer& printer = program.printer();
    EXPECT_EQ(&printer, &program.printer());
    EXPECT_EQ(printer.printerNames().back(), "Stampante virtuale");
    EXPECT_EQ(program.defaultPaperCode(), 9);
}

}  // namespace
}  // namespace printer
