// The Qt printer backend's file printer, which every machine has: its place in the list, its
// papers and geometry through the printer object, and its jobs written as PDF files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "platform/Canvas.h"
#include "printer/PaperTable.h"
#include "printer/Printer.h"
#include "printer/PrinterError.h"
#include "printer/qt/QtPrinterBackend.h"
#include "printer/qt/QueueLayoutCopy.h"

namespace printer::qt {
namespace {

using printer::kLandscape;
using printer::kPortrait;

struct PdfPageSize {
    int width;
    int height;
    friend bool operator==(const PdfPageSize&, const PdfPageSize&) = default;
};

// Page sizes in points, from the page dictionaries of a PDF written by Qt.
std::vector<PdfPageSize> pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString pdf = QString::fromLatin1(file.readAll());
    static const QRegularExpression box(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])");
    std::vector<PdfPageSize> pages;
    for (auto it = box.globalMatch(pdf); it.hasNext();) {
        const auto m = it.next();
        pages.push_back({static_cast<int>(std::lround(m.captured(1).toDouble())),
                         static_cast<int>(std::lround(m.captured(2).toDouble()))});
    }
    return pages;
}

// The text of a PDF in reading order, or none when pdftotext is not installed.
std::optional<QString> pdfText(const QString& path) {
    QProcess process;
    process.start("pdftotext", {path, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

class FilePrinter : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer.attachPrinter(&backend);
        printer.selectPrinter(backend.pdfFilePrinterIndex());
        ASSERT_EQ(printer.currentPrinterName(), kPdfFilePrinterName);
    }
    QString path(const char* name) const { return dir.filePath(name); }
    void printPages(int pages, int copies) {
        const std::unique_ptr<printer::PrintJob> job = printer.startJob("Etichette", copies);
        for (int i = 0; i < pages; ++i) {
            if (i > 0) job->newPage();
            job->canvas().setBrush({platform::kBlack, false});
            job->canvas().fillRect({100, 100, 400 + 100 * i, 300});
            job->canvas().textOut(100, 400, "Pagina " + std::to_string(i + 1));
        }
        job->end();
    }
    // Whether the backend holds a job open: it then refuses to change its settings.
    bool printing() {
        try {
            backend.setSettings(*backend.settings());
            return false;
        } catch (const printer::PrinterError&) {
            return true;
        }
    }

    QTemporaryDir dir;
    QtPrinterBackend backend;
    printer::Printer printer;
};

TEST_F(FilePrinter, ComesAfterTheSpoolersPrintersAndBeforeTheVirtualOne) {
    const std::vector<std::string> names = printer.printerNames();
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names[names.size() - 2], kPdfFilePrinterName);
    EXPECT_EQ(backend.pdfFilePrinterIndex(), static_cast<int>(names.size()) - 2);
    EXPECT_FALSE(printer.isVirtual());
}

TEST_F(FilePrinter, OffersTheStandardPapersWithTheirCodesAndNames) {
    const std::vector<int>& codes = printer.paperCodes();
    EXPECT_EQ(codes.size(), printer::kPaperRowCount);
    EXPECT_EQ(codes.back(), printer::kCustomPaper);
    const auto a4 = std::find(codes.begin(), codes.end(), printer::kDefaultPaper);
    ASSERT_NE(a4, codes.end());
    EXPECT_EQ(printer.paperNames()[static_cast<std::size_t>(a4 - codes.begin())], "A4");
    EXPECT_EQ(printer.paperSize(), printer::kDefaultPaper);
}

// The file printer's page pixels agree with the virtual printer's (5 mm edges) to within the
// rounding of dots.
TEST_F(FilePrinter, GeometryMatchesTheVirtualPrinter) {
    struct Case {
        int code, width, height, orientation;
    };
    const Case cases[] = {{9, 2100, 2970, kPortrait},   {9, 2970, 2100, kLandscape},
                          {11, 1480, 2100, kPortrait},  {1, 2794, 2159, kLandscape},
                          {256, 1000, 1500, kPortrait}, {256, 1500, 1000, kLandscape}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "paper " << c.code << " " << c.width << "x" << c.height);
        printer::Printer virtualPrinter;
        virtualPrinter.setPaper(c.code, c.width, c.height, -1, c.orientation, true);
        // Custom sizes are stored portrait; the orientation turns them.
        const int w = c.code == 256 && c.orientation == kLandscape ? c.height : c.width;
        const int h = c.code == 256 && c.orientation == kLandscape ? c.width : c.height;
        printer.setPaper(c.code, w, h, -1, c.orientation, true);
        EXPECT_EQ(printer.paperSize(), c.code);
        EXPECT_NEAR(printer.paperWidth(), c.width, 1);
        EXPECT_NEAR(printer.paperHeight(), c.height, 1);
        // A page laid out on this paper keeps matching it; otherwise every page of a run would
        // start a job of its own.
        EXPECT_TRUE(printer.samePaper(c.code, c.width, c.height, -1, c.orientation));
        const printer::PrinterGeometry g = printer.geometry();
        EXPECT_EQ(g.paperWidthDots, std::lround(c.width * 600 / 254.0));
        EXPECT_NEAR(g.offsetXDots, 118, 1);  // 5 mm at 600 dpi
        if (c.code != 256) {
            const printer::PrinterGeometry v = virtualPrinter.geometry();
            EXPECT_NEAR(g.paperWidthPx, v.paperWidthPx, 1);
            EXPECT_NEAR(g.paperHeightPx, v.paperHeightPx, 1);
            EXPECT_NEAR(g.offsetXPx, v.offsetXPx, 1);
            EXPECT_NEAR(g.printableWidthPx, v.printableWidthPx, 1);
            EXPECT_NEAR(g.printableHeightPx, v.printableHeightPx, 1);
        }
    }
}

TEST_F(FilePrinter, UnknownPaperCodeKeepsThePaperItHad) {
    printer.setPaper(11, 1480, 2100, -1, kPortrait, true);
    printer.setPaper(49, 0, 0, -1, kPortrait, true);  // no paper has code 49
    EXPECT_EQ(printer.paperSize(), 11);
    EXPECT_NEAR(printer.paperWidth(), 1480, 1);
}

TEST_F(FilePrinter, CopiesRepeatEachPageInTurnInOnePdf) {
    printer.setPaper(9, 2970, 2100, -1, kLandscape, true);
    backend.pdfFilePrinter().setFixedPath(path("copie.pdf").toStdString());
    printPages(2, 3);
    const std::vector<PdfPageSize> pages = pdfPages(path("copie.pdf"));
    EXPECT_EQ(pages, std::vector<PdfPageSize>(6, PdfPageSize{842, 595}));
    if (const std::optional<QString> text = pdfText(path("copie.pdf"))) {
        EXPECT_EQ(*text, "Pagina 1 Pagina 1 Pagina 1 Pagina 2 Pagina 2 Pagina 2");
    }
    EXPECT_FALSE(printing());
}

TEST_F(FilePrinter, LaterJobsOfARunGoBesideTheFirstFile) {
    backend.pdfFilePrinter().setFixedPath(path("serie.pdf").toStdString());
    printPages(1, 1);
    printer.setPaper(11, 1480, 2100, -1, kPortrait, true);
    printPages(2, 1);
    EXPECT_EQ(pdfPages(path("serie.pdf")), std::vector<PdfPageSize>(1, PdfPageSize{595, 842}));
    EXPECT_EQ(pdfPages(path("serie-2.pdf")), std::vector<PdfPageSize>(2, PdfPageSize{420, 595}));
}

TEST_F(FilePrinter, AbortLeavesNoFile) {
    backend.pdfFilePrinter().setFixedPath(path("annullata.pdf").toStdString());
    std::unique_ptr<printer::PrintJob> job = printer.startJob("Etichette", 2);
    job->canvas().textOut(10, 10, "x");
    job->newPage();
    EXPECT_TRUE(printing());
    job.reset();
    EXPECT_FALSE(printing());
    EXPECT_FALSE(QFile::exists(path("annullata.pdf")));
}

// Without a file named by the caller no job begins and nothing is written: the file printer
// never asks the operator itself.
TEST_F(FilePrinter, AJobWithoutAFileBeginsNoJob) {
    EXPECT_THROW(printer.startJob("Etichette", 1), printer::PrinterError);
    EXPECT_FALSE(printing());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FilePrinter, UnwritableFileFailsToBeginAndLeavesNoJobOpen) {
    backend.pdfFilePrinter().setFixedPath(path("manca/etichette.pdf").toStdString());
    EXPECT_THROW(printer.startJob("Etichette", 1), printer::PrinterError);
    EXPECT_FALSE(printing());
}

TEST_F(FilePrinter, SecondJobCannotBeginWhileOneIsOpen) {
    backend.pdfFilePrinter().setFixedPath(path("uno.pdf").toStdString());
    const std::unique_ptr<printer::PrintJob> job = printer.startJob("Etichette", 1);
    EXPECT_THROW(printer.startJob("Etichette", 1), printer::PrinterError);
    job->end();
    EXPECT_EQ(pdfPages(path("uno.pdf")).size(), 1u);
}

// The page-setup dialog edits a copy of the queue's layout; the printer keeps its own until
// the edited settings are handed back.
TEST_F(FilePrinter, ALayoutCopyIsEditedApartFromThePrinter) {
    printer.setPaper(11, 2100, 1480, -1, kLandscape, true);
    printer::PrinterSettings edited = *backend.settings();
    QueueLayoutCopy copy(kPdfFilePrinterName, edited);
    EXPECT_EQ(copy.printer().pageLayout().pageSize().id(), QPageSize::A5);
    copy.printer().setPageSize(QPageSize(QPageSize::A4));
    copy.printer().setPageOrientation(QPageLayout::Portrait);
    ASSERT_TRUE(copy.takeInto(edited));
    EXPECT_EQ(edited.paperSize, 9);
    EXPECT_EQ(edited.orientation, printer::kModePortrait);
    EXPECT_EQ(backend.settings()->paperSize, 11);
    EXPECT_THROW(QueueLayoutCopy("CodaCheNonEsiste", edited), printer::PrinterError);
}

TEST(PdfFilePrinterPaths, NumberedPathsKeepTheExtension) {
    const struct {
        const char* path;
        int n;
        const char* expected;
    } cases[] = {
        {"/tmp/a.pdf", 1, "/tmp/a.pdf"}, {"/tmp/a.pdf", 2, "/tmp/a-2.pdf"}, {"a.b.pdf", 10, "a.b-10.pdf"}};
    for (const auto& c : cases) EXPECT_EQ(numberedPath(c.path, c.n), c.expected) << c.path;
}

}  // namespace
}  // namespace printer::qt
