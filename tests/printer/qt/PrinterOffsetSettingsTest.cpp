// Calibration offsets in the user's settings: kept per printer name across a restart, the
// file printer apart, and a damaged stored value read as 0 and told once.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "printer/qt/PdfFilePrinter.h"
#include "printer/qt/PrinterOffsetSettings.h"

namespace printer::qt {
namespace {

class OffsetSettings : public ::testing::Test {
protected:
    std::string path() const { return dir.filePath("quirelle.ini").toStdString(); }
    QTemporaryDir dir;
};

TEST_F(OffsetSettings, EachPrinterKeepsItsPairAcrossARestart) {
    const std::string odd = "HP/Ufficio\\2 [piano] %20";
    {
        PrinterOffsetSettings settings(path());
        settings.write("Ufficio", {1.5, -0.7});
        settings.write(odd, {-10.0, 10.0});
        settings.write(kPdfFilePrinterName, {0.3, 0.0});
    }
    PrinterOffsetSettings restarted(path());
    EXPECT_EQ(restarted.read("Ufficio").offset, (printer::PageOffset{1.5, -0.7}));
    EXPECT_EQ(restarted.read(odd).offset, (printer::PageOffset{-10.0, 10.0}));
    EXPECT_EQ(restarted.read(kPdfFilePrinterName).offset, (printer::PageOffset{0.3, 0.0}));
    // A printer never calibrated, and one whose name only resembles a stored one.
    EXPECT_EQ(restarted.read("Magazzino").offset, printer::PageOffset{});
    EXPECT_EQ(restarted.read("HP").offset, printer::PageOffset{});
    EXPECT_FALSE(restarted.read("Magazzino").damaged);
}

TEST_F(OffsetSettings, GarbageReadsAsZeroAndIsToldOncePerPrinter) {
    {
        std::ofstream ini(path());
        ini << "[PrinterOffsets]\nUfficio\\OffsetXmm=abc\nUfficio\\OffsetYmm=1.5\n"
            << "Magazzino\\OffsetXmm=12\nMagazzino\\OffsetYmm=nan\nSala\\OffsetXmm=-2.5\n"
            << "Virgola\\OffsetXmm=1,5\nVuoto\\OffsetYmm=\n";
    }
    PrinterOffsetSettings settings(path());
    std::vector<std::string> told;
    settings.onDamaged = [&](const std::string& name) { told.push_back(name); };
    EXPECT_EQ(settings.offsetFor("Ufficio"), (printer::PageOffset{0, 1.5}));
    EXPECT_EQ(settings.offsetFor("Ufficio"), (printer::PageOffset{0, 1.5}));
    EXPECT_EQ(settings.offsetFor("Magazzino"), printer::PageOffset{});
    EXPECT_EQ(settings.offsetFor("Sala"), (printer::PageOffset{-2.5, 0}));
    EXPECT_EQ(told, (std::vector<std::string>{"Ufficio", "Magazzino"}));
    EXPECT_TRUE(settings.read("Ufficio").damaged);
    EXPECT_FALSE(settings.read("Sala").damaged);
    // A decimal comma makes a list in the settings file; an empty value is no number either.
    EXPECT_TRUE(settings.read("Virgola").damaged);
    EXPECT_TRUE(settings.read("Vuoto").damaged);

    // Writing a sound pair mends the damage.
    settings.write("Ufficio", {0.5, 1.5});
    EXPECT_FALSE(settings.read("Ufficio").damaged);
    EXPECT_NE(damagedOffsetMessage("Ufficio").find("\"Ufficio\""), std::string::npos);
}

}  // namespace
}  // namespace printer::qt
