// Prepared pages written as PDF and PNG: page count, paper size and orientation per page,
// image size at a chosen resolution, placement of the objects and crisp edges.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>

#include "export/OutputPlacement.h"
#include "export/qt/PreparedPageOutput.h"
#include "platform/qt/QPainterCanvas.h"
#include "prepared/PageStreamEntry.h"
#include "printer/PageUnits.h"
#include "printer/Printer.h"
#include "report/MemoView.h"

namespace {

namespace fs = std::filesystem;
using prepared::PreparedPages;

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> buffer{};
        while (fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
        pclose(pipe);
    }
    return out;
}

struct PageOutput : ::testing::Test {
    printer::Printer printer;
    PreparedPages pages{nullptr, &printer};
    fs::path dir = fs::temp_directory_path() / ("quirelle-render-" + std::to_string(::getpid()));

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // A page on A4 in the given orientation holding filled rectangles (black memos, with
    // `text` written in each).
    void addPage(int orientation, bool useMargins, std::initializer_list<platform::Rect> boxes,
                 const std::string& text = "") {
        printer.setPaper(9, 2100, 2970, -1, orientation, true);
        report::Page tpl;
        tpl.paperSize = printer.paperSize();
        tpl.paperWidth = printer.paperWidth();
        tpl.paperHeight = printer.paperHeight();
        tpl.orientation = printer.orientation();
        tpl.useMargins = useMargins;
        tpl.printerGeometry = printer.geometry().values();
        pages.add(tpl);
        for (const platform::Rect& r : boxes) {
            report::MemoView box;
            box.left = r.left;
            box.top = r.top;
            box.width = r.width();
            box.height = r.height();
            box.fillColor = platform::kBlack;
            if (!text.empty()) box.memo = {text};
            prepared::writePageStreamEntry(pages.pageStream(pages.count() - 1), box);
        }
    }
};

TEST_F(PageOutput, PdfHasOnePageOfTheRightPaperPerPreparedPage) {
    addPage(1, true, {{100, 100, 150, 130}});
    addPage(0, false, {{10, 10, 500, 20}, {10, 40, 20, 700}});
    addPage(1, true, {});
    const std::string path = (dir / "fogli.pdf").string();
    std::string error;
    ASSERT_TRUE(export_::qt::writePagesPdf(pages, path, error)) << error;

    const std::string info = run("pdfinfo -f 1 -l 3 '" + path + "' 2>&1");
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Pages: +3\n)"))) << info;
    const std::regex size(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+) pts)");
    std::vector<std::array<double, 2>> sizes;
    for (std::sregex_iterator it(info.begin(), info.end(), size), end; it != end; ++it)
        sizes.push_back({std::stod((*it)[2]), std::stod((*it)[3])});
    ASSERT_EQ(sizes.size(), 3u) << info;
    const std::array<double, 2> landscape{841.89, 595.28}, portrait{595.28, 841.89};
    for (int i = 0; i < 3; ++i) {
        const auto& want = i == 1 ? portrait : landscape;
        EXPECT_NEAR(sizes[i][0], want[0], 1.0) << "page " << i + 1;
        EXPECT_NEAR(sizes[i][1], want[1], 1.0) << "page " << i + 1;
    }
    EXPECT_EQ(pages.page(0).loadedPage, nullptr);  // objects released after output
}

TEST_F(PageOutput, PngPerPageAtTheChosenResolutionWithCrispBoxesInPlace) {
    addPage(1, true, {{100, 100, 150, 130}});
    addPage(0, false, {{0, 0, 40, 40}});
    const std::string path = (dir / "fogli.png").string();
    std::string error;
    std::vector<std::string> written;
    ASSERT_TRUE(export_::qt::writePagesPng(pages, path, 300, error, &written)) << error;
    ASSERT_EQ(written,
              (std::vector<std::string>{(dir / "fogli-1.png").string(), (dir / "fogli-2.png").string()}));

    QImage first(QString::fromStdString(written[0]));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(3508, 2480));  // A4 landscape at 300 dpi
    EXPECT_NEAR(first.dotsPerMeterX(), 300 / 0.0254, 1);
    // With UseMargins the page covers the sheet: page pixel p lands at p × 300 / 91.63.
    const double k = 300 / printer::kPagePixelsPerInch;
    EXPECT_EQ(first.pixelColor(static_cast<int>(125 * k), static_cast<int>(115 * k)), QColor(Qt::black));
    EXPECT_EQ(first.pixelColor(static_cast<int>(95 * k), static_cast<int>(115 * k)), QColor(Qt::white));
    int grey = 0;
    for (int y = static_cast<int>(90 * k); y < static_cast<int>(140 * k); ++y)
        for (int x = static_cast<int>(90 * k); x < static_cast<int>(160 * k); ++x) {
            const QRgb p = first.pixel(x, y);
            if (p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255)) ++grey;
        }
    EXPECT_EQ(grey, 0) << "edges are smoothed";

    // Without UseMargins the page starts at the printable area plus the margins (5 mm edge).
    QImage second(QString::fromStdString(written[1]));
    EXPECT_EQ(second.size(), QSize(2480, 3508));
    const int edge = static_cast<int>(std::lround(5 / 25.4 * 300));
    EXPECT_EQ(second.pixelColor(edge - 3, edge + 10), QColor(Qt::white));
    EXPECT_EQ(second.pixelColor(edge + 3, edge + 10), QColor(Qt::black));
}

// Pages are drawn in order here and rendered on worker threads: the files hold what drawing
// the page straight onto an image gives, text included.
TEST_F(PageOutput, PngPagesAreWhatDrawingStraightOntoTheImageGives) {
    for (int i = 0; i < 5; ++i)
        addPage(i % 2, true, {{100 + 10 * i, 100, 300, 130}, {20, 200, 400, 260}},
                "Pagina " + std::to_string(i));
    const std::string path = (dir / "fogli.png").string();
    std::string error;
    std::vector<std::string> written;
    ASSERT_TRUE(export_::qt::writePagesPng(pages, path, 120, error, &written)) << error;
    ASSERT_EQ(written.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(written[static_cast<std::size_t>(i)], export_::qt::numberedImagePath(path, i + 1));
        const platform::Size size = export_::qt::sheetPixels(pages.page(i), 120);
        QImage direct(size.width, size.height, QImage::Format_RGB32);
        direct.fill(Qt::white);
        direct.setDotsPerMeterX(static_cast<int>(std::lround(120 / 0.0254)));
        direct.setDotsPerMeterY(direct.dotsPerMeterX());
        {
            QPainter painter(&direct);
            platform::qt::QPainterCanvas canvas(painter);
            export_::qt::drawPageOnSheet(pages, i, canvas, size, 120);
        }
        const QImage saved(QString::fromStdString(written[static_cast<std::size_t>(i)]));
        ASSERT_EQ(saved.size(), direct.size()) << "page " << i + 1;
        EXPECT_EQ(saved.format(), QImage::Format_Grayscale8) << "a black-and-white sheet is stored as grey";
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), direct) << "page " << i + 1;
    }
}

TEST_F(PageOutput, TheFirstDamagedPageStopsThePngsAfterThePagesBeforeIt) {
    for (int i = 0; i < 4; ++i) addPage(1, true, {{100, 100, 150, 130}});
    pages.pageStream(2).append(std::vector<std::uint8_t>{0, 1, 2});
    std::string error;
    std::vector<std::string> written;
    EXPECT_FALSE(export_::qt::writePagesPng(pages, (dir / "x.png").string(), 50, error, &written));
    EXPECT_NE(error.find("Pagina 3"), std::string::npos) << error;
    EXPECT_EQ(written.size(), 2u);
    EXPECT_TRUE(fs::exists(dir / "x-2.png"));
    EXPECT_FALSE(fs::exists(dir / "x-4.png"));
}

TEST_F(PageOutput, ImpossibleOutputIsReportedNotWritten) {
    std::string error;
    EXPECT_FALSE(export_::qt::writePagesPng(pages, (dir / "vuoto.png").string(), 300, error));
    EXPECT_FALSE(error.empty());
    addPage(1, true, {});
    EXPECT_FALSE(export_::qt::writePagesPng(pages, (dir / "x.png").string(), 100000, error));
    EXPECT_FALSE(export_::qt::writePagesPdf(pages, (dir / "manca" / "x.pdf").string(), error));
    // A damaged page stream is an error for that page, and no partial PDF is left.
    pages.pageStream(0).append(std::vector<std::uint8_t>{0, 1, 2});
    EXPECT_FALSE(export_::qt::writePagesPdf(pages, (dir / "rotto.pdf").string(), error));
    EXPECT_NE(error.find("Pagina 1"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(dir / "rotto.pdf"));
}

TEST(OutputNames, NumberedImagePaths) {
    const std::pair<std::string, std::string> cases[] = {
        {"out.png", "out-3.png"}, {"a.b/out", "a.b/out-3.png"}, {"a/.png", "a/.png-3.png"}};
    for (const auto& [in, want] : cases) EXPECT_EQ(export_::qt::numberedImagePath(in, 3), want);
}

}  // namespace
