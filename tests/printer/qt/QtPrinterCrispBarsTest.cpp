// Bars drawn for a printer land on whole device dots at the resolutions label printers use:
// a filled upright polygon with integer device corners covers whole dots and leaves no grey.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "platform/Picture.h"
#include "platform/qt/QPainterCanvas.h"

namespace printer::qt {
namespace {

QImage pageAt(int dpi, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

// Dark dots, after checking that every dot is pure black or pure white.
int blackDots(const QImage& image) {
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            EXPECT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << "grey dot at " << x << "," << y;
            black += p == qRgb(0, 0, 0);
        }
    }
    return black;
}

// Bars 1 to 4 dots wide, a space of the same width after each, as a barcode lays them out.
void drawBars(platform::Canvas& canvas, int height, bool outlined) {
    canvas.setBrush({platform::kBlack, false});
    canvas.setPen({platform::kBlack, 1, outlined ? platform::PenStyle::Solid : platform::PenStyle::Clear});
    int x = 2;
    for (int w = 1; w <= 4; ++w) {
        // With a same-colour outline the corner cells are included, so the polygon is one
        // dot smaller than the bar.
        const int r = outlined ? x + w - 1 : x + w;
        const int b = outlined ? 2 + height - 1 : 2 + height;
        canvas.polygon({{x, 2}, {r, 2}, {r, b}, {x, b}});
        x += 2 * w;
    }
}

constexpr int kBarHeight = 20;
constexpr int kBarDots = (1 + 2 + 3 + 4) * kBarHeight;

class CrispBars : public ::testing::TestWithParam<int> {};

TEST_P(CrispBars, UprightPolygonsCoverWholeDots) {
    for (bool outlined : {false, true}) {
        QImage image = pageAt(GetParam(), 40, 30);
        QPainter painter(&image);
        platform::qt::QPainterCanvas canvas(painter);
        EXPECT_EQ(canvas.dpiX(), GetParam());
        drawBars(canvas, kBarHeight, outlined);
        painter.end();
        EXPECT_EQ(blackDots(image), kBarDots) << (outlined ? "outlined" : "filled only");
    }
}

// A bar pattern recorded one unit per module and stretched a whole number of dots per module,
// which is what snapping a module to the device's dots produces.
TEST_P(CrispBars, ModulesStretchedToWholeDotsStayCrisp) {
    platform::Picture modules(platform::Size{40, 30});
    const int dotsPerModule = std::max(1, GetParam() / 100);  // 2, 3, 6 dots
    QImage image = pageAt(GetParam(), 40 * dotsPerModule, 30);
    QPainter painter(&image);
    platform::qt::QPainterCanvas canvas(painter);
    platform::PictureRecord bar;
    bar.kind = platform::PictureRecordKind::FillRect;
    bar.state.brush = {platform::kBlack, false};
    for (int x = 2; x < 38; x += 4) {
        bar.rect = {x, 2, x + 2, 2 + kBarHeight};
        modules.append(bar);
    }
    canvas.drawPicture(modules, {0, 0, 40 * dotsPerModule, 30});
    painter.end();
    EXPECT_EQ(blackDots(image), 9 * 2 * dotsPerModule * kBarHeight);
}

INSTANTIATE_TEST_SUITE_P(LabelPrinterResolutions, CrispBars, ::testing::Values(203, 300, 600));

}  // namespace
}  // namespace printer::qt
