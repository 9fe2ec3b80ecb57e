// The whole path of a label sheet: a 161-code prescription series prepared with the series
// template, printed by the print run to a PDF queue of a private CUPS spooler, rendered at
// 300 dpi and read back by a barcode scanner, label for label.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include "barcode_object/BarcodeRegistration.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/qt/QtFileLocker.h"
#include "prepared/PrintRun.h"
#include "printer/ProgramPrinter.h"
#include "printer/qt/QtPrinterBackend.h"
#include "tests/spooler/PdfInfo.h"
#include "tests/spooler/PrivateSpooler.h"

namespace spooler_test {
namespace {

namespace fs = std::filesystem;

constexpr int kSeriesReport = 1;

std::vector<std::string> printListTexts(memtable::MemTable& list) {
    std::vector<std::string> texts;
    for (list.first(); !list.eof(); list.next()) texts.push_back(list.fieldText("giorno"));
    return texts;
}

// Every symbol zbarimg finds on the pages of `pdf`, rendered at 300 dpi.
std::vector<std::string> scanPdf(const std::string& pdf, const fs::path& folder) {
    std::string ignored;
    const std::string prefix = (folder / "sheet").string();
    EXPECT_EQ(runCommand("pdftoppm -r 300 -png '" + pdf + "' '" + prefix + "' 2>/dev/null", ignored), 0);
    std::vector<fs::path> images;
    for (const auto& item : fs::directory_iterator(folder))
        if (item.path().extension() == ".png") images.push_back(item.path());
    std::sort(images.begin(), images.end());
    EXPECT_EQ(images.size(), 3u);
    std::vector<std::string> codes;
    for (const fs::path& image : images) {
        std::string output;
        runCommand("zbarimg --raw -q '" + image.string() + "' 2>/dev/null", output);
        std::istringstream lines(output);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty()) codes.push_back(line);
    }
    return codes;
}

// libcups keeps the spooler it reached first for the rest of the process; when an earlier test
// of this program talked to another (now stopped) private spooler, point it at ours.
void reachSpooler(const std::string& socket) {
    void* cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!cups) return;  // not loaded yet: it reads CUPS_SERVER when it starts
    using SetServer = void (*)(const char*);
    if (auto setServer = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer"))) setServer(socket.c_str());
    dlclose(cups);
}

class PrintLabels : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        spooler = new PrivateSpooler;
        if (!spooler->start(whyNot)) {
            delete spooler;
            spooler = nullptr;
            return;
        }
        reachSpooler(spooler->socket());
    }
    static void TearDownTestSuite() {
        delete spooler;
        spooler = nullptr;
    }
    void SetUp() override {
        if (!spooler) GTEST_SKIP() << whyNot;
        folder = fs::temp_directory_path() / ("quirelle-labels-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ec;
        if (!folder.empty()) fs::remove_all(folder, ec);
    }

    static PrivateSpooler* spooler;
    static std::string whyNot;
    fs::path folder;
};

PrivateSpooler* PrintLabels::spooler = nullptr;
std::string PrintLabels::whyNot;

TEST_F(PrintLabels, SeriesOf161CodesComesOutAsThreeSheetsOf162ReadableLabels) {
    printer::ProgramPrinter program(std::make_unique<printer::qt::QtPrinterBackend>());
    printer::Printer& printer = program.printer();
    ASSERT_TRUE(printer.selectPrinterByName(spooler->queue()));

    barcode_object::registerBarCodeObject();
    labels::qt::QtFileLocker locker;
    labels::LabelApp app(folder, locker);
    report::CollectingErrorReporter errors;
    preparation::ReportServices services;
    services.printer = &printer;
    labels::LabelReports reports(app.printList(), &app.fiscalCodes(), errors, services);
    app.fillSeries(2019, 4, labels::SeriesLength::Long, labels::ClosingKind::YearBased);
    std::vector<std::string> expected = printListTexts(app.printList());
    ASSERT_EQ(expected.size(), 162u);

    preparation::PrepareOptions prepare;
    prepare.progressDisplay = nullptr;
    ASSERT_TRUE(reports.prepare(kSeriesReport, prepare)) << ::testing::PrintToString(errors.messages);
    prepared::PreparedPages& pages = reports.pages(kSeriesReport);
    ASSERT_EQ(pages.count(), 3);

    prepared::PrintReportSettings report;
    report.title = spooler->uniqueTitle("series");
    prepared::runPrint(pages, {}, report, nullptr);
    // No job is left open: the printer takes another paper again.
    printer.setPaper(11, 0, 0, -1, printer::kPortrait, true);
    EXPECT_EQ(printer.paperSize(), 11);

    const std::string pdf = spooler->waitForPdf(report.title);
    ASSERT_FALSE(pdf.empty()) << "no PDF for " << report.title << " in " << spooler->outputDir();
    const std::optional<PdfInfo> info = readPdfInfo(pdf);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 3);
    EXPECT_EQ(info->widthPt, 842);  // A4 landscape
    EXPECT_EQ(info->heightPt, 595);

    std::vector<std::string> scanned = scanPdf(pdf, folder);
    std::sort(scanned.begin(), scanned.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(scanned, expected);

    // The spooler's output keeps the 10-module quiet zone between neighbouring symbols: the
    // first sheet rasterised at 600 dpi, as a label printer would.
    std::string ignored;
    const std::string sheet = (folder / "fine").string();
    ASSERT_EQ(runCommand("pdftoppm -r 600 -gray -f 1 -l 1 '" + pdf + "' '" + sheet + "' 2>/dev/null", ignored), 0);
    std::string measured;
    const int status = runCommand("python3 " QUIRELLE_SOURCE_DIR "/tests/labels/quiet-zone.py --min 10 '" + sheet +
                                      "'-*1.pgm",
                                  measured);
    EXPECT_EQ(status, 0) << measured;
    std::printf("%s", measured.c_str());
}

}  // namespace
}  // namespace spooler_test
