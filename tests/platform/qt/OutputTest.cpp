// PNG, SVG and PDF output of recorded pictures.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/FixedMetricsCanvas.h"
#include "platform/qt/PdfOutput.h"
#include "platform/qt/PictureOutput.h"

namespace platform::qt {
namespace {

Picture bar() {
    FixedMetricsCanvas c({10, 10});
    c.setPen(Pen{kBlack, 1});
    c.setBrush(Brush{kBlack});
    c.polygon({{2, 0}, {2, 9}, {3, 9}, {3, 0}});
    return c.picture();
}

TEST(PictureOutput, RenderStretchesOverAWhiteImage) {
    const QImage image = renderPicture(bar(), {40, 20}, 300);
    EXPECT_EQ(image.size(), QSize(40, 20));
    EXPECT_EQ(image.dotsPerMeterX(), 11811);
    EXPECT_EQ(qGray(image.pixel(0, 0)), 255);
    EXPECT_EQ(qGray(image.pixel(8, 5)), 0);  // columns 8..15: cells 2 and 3 stretched 4×
    EXPECT_EQ(qGray(image.pixel(15, 19)), 0);
    EXPECT_EQ(qGray(image.pixel(16, 5)), 255);
    EXPECT_EQ(qGray(image.pixel(7, 5)), 255);
}

TEST(PictureOutput, WritesPngAndSvgFiles) {
    QTemporaryDir dir;
    std::string error;
    const std::string png = dir.filePath("bar.png").toStdString();
    ASSERT_TRUE(savePicturePng(bar(), {20, 20}, png, error)) << error;
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(20, 20));

    const std::string svg = dir.filePath("bar.svg").toStdString();
    ASSERT_TRUE(savePictureSvg(bar(), {20, 20}, svg, error)) << error;
    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
}

TEST(PictureOutput, UnwritablePathsReportAnError) {
    std::string error;
    EXPECT_FALSE(savePicturePng(bar(), {20, 20}, "/nonexistent-dir/x.png", error));
    EXPECT_NE(error.find("/nonexistent-dir/x.png"), std::string::npos);
    error.clear();
    EXPECT_FALSE(savePictureSvg(bar(), {20, 20}, "/nonexistent-dir/x.svg", error));
    EXPECT_FALSE(error.empty());
    error.clear();
    PdfDocument doc;
    doc.path = "/nonexistent-dir/x.pdf";
    doc.pageCount = 1;
    doc.drawPage = [](int, Canvas&, const Rect&) {};
    EXPECT_FALSE(writePdf(doc, error));
    EXPECT_FALSE(error.empty());
}

TEST(PdfOutput, WritesEveryPageInItsOwnSizeAndOrientation) {
    QTemporaryDir dir;
    PdfDocument doc;
    doc.path = dir.filePath("sheets.pdf").toStdString();
    doc.title = "Etichette";
    doc.dpi = 300;
    doc.pageCount = 2;
    doc.formatOf = [](int page) { return PdfPageFormat{210, 297, page == 0}; };
    std::vector<Rect> areas;
    doc.drawPage = [&](int, Canvas& canvas, const Rect& area) {
        areas.push_back(area);
        canvas.drawPicture(bar(), {0, 0, 300, 300});
    };
    std::string error;
    ASSERT_TRUE(writePdf(doc, error)) << error;
    ASSERT_EQ(areas.size(), 2u);
    // A4 at 300 dpi, landscape then portrait (Qt rounds the page to whole points).
    EXPECT_NEAR(areas[0].width(), 3508, 2);
    EXPECT_NEAR(areas[0].height(), 2480, 2);
    EXPECT_NEAR(areas[1].width(), 2480, 2);
    EXPECT_NEAR(areas[1].height(), 3508, 2);

    QProcess info;
    info.start("pdfinfo", {"-f", "1", "-l", "2", QString::fromStdString(doc.path)});
    if (!info.waitForFinished(10000) || info.exitCode() != 0) GTEST_SKIP() << "pdfinfo not available";
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression("Pages:\\s+2"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("Page\\s+1 size:\\s+84[12][.0-9]* x 595")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("Page\\s+2 size:\\s+595[.0-9]* x 84[12]")))
        << out.toStdString();
}

}  // namespace
}  // namespace platform::qt
