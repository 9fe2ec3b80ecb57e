// Drawing on a device at label-printer resolutions: the narrow module is a whole number of
// dots and every bar a whole multiple of it, from the object's own left edge.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/barcode_object/BarcodeViewTestSupport.h"

using namespace barcode;
using namespace barcode_view_test;

namespace {

constexpr double kPagePixelsPerInch = 93 / 1.015;

double scaleAt(int dpi) {
    return dpi / kPagePixelsPerInch;
}

int expectedModule(double scale) {
    return std::max(1, static_cast<int>(std::nearbyint(scale)));
}

// Every bar's extent along the symbol, in dots.
std::vector<int> barLengths(const std::vector<Box>& bars, bool alongHeight) {
    std::vector<int> lengths;
    for (const Box& b : bars) lengths.push_back(alongHeight ? b.height() : b.width());
    return lengths;
}

}  // namespace

class DeviceDots : public ::testing::TestWithParam<int> {};

TEST_P(DeviceDots, EveryBarIsAWholeMultipleOfTheSnappedModule) {
    const double scale = scaleAt(GetParam());
    const int module = expectedModule(scale);
    for (double angle : {0.0, 90.0, 180.0, 270.0}) {
        for (const char* code : {"ABC123", "[kb1.\"giorno\"]", "0501190001"}) {
            BarcodeObject bar;
            setUpLabel(bar, code);
            bar.settings.angle = angle;
            bar.scaleX = bar.scaleY = scale;
            bar.offsetX = 5;
            bar.offsetY = 7;
            DeviceCanvas canvas;
            bar.draw(canvas);
            SCOPED_TRACE(std::string(code) + " at " + std::to_string(angle));
            EXPECT_TRUE(canvas.recordsOf(platform::PictureRecordKind::Picture).empty());
            const auto bars = barsOf(canvas.records());
            ASSERT_FALSE(bars.empty());
            const bool alongHeight = angle == 90.0 || angle == 270.0;
            int narrowest = INT32_MAX;
            for (int length : barLengths(bars, alongHeight)) narrowest = std::min(narrowest, length);
            EXPECT_EQ(narrowest, module);
            for (int length : barLengths(bars, alongHeight)) EXPECT_EQ(length % module, 0) << length;
            // The symbol starts at the object's scaled corner (one dot on when turned by 90 or
            // 180 degrees, as the generator places turned polygons).
            const Box all = extentOf(bars);
            const int turnedShift = angle == 90.0 || angle == 180.0 ? 1 : 0;
            const int corner = alongHeight ? bar.offsetY + static_cast<int>(std::nearbyint(36 * scale))
                                           : bar.offsetX + static_cast<int>(std::nearbyint(28 * scale));
            EXPECT_EQ(alongHeight ? all.top : all.left, corner + turnedShift);
            // The generator goes back to the design module for the next drawing.
            EXPECT_EQ(bar.generator().modul(), 1);
        }
    }
}

TEST_P(DeviceDots, TextIsScaledAndCentredUnderTheSnappedBars) {
    const double scale = scaleAt(GetParam());
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    bar.scaleX = bar.scaleY = scale;
    DeviceCanvas canvas;
    bar.draw(canvas);
    EXPECT_EQ(bar.width, 103);  // the stored size stays in page pixels
    const auto* text = canvas.findText("ABC123");
    ASSERT_NE(text, nullptr);
    const int textHeight = static_cast<int>(std::nearbyint(12 * scale));
    EXPECT_EQ(text->state.font.height, textHeight);
    const Box bars = extentOf(barsOf(canvas.records()));
    const int textCentre = text->points.at(0).x + text->rect.width() / 2;
    EXPECT_NEAR(textCentre, (bars.left + bars.right) / 2, 1);
    EXPECT_EQ(text->points.at(0).y, static_cast<int>(std::nearbyint(36 * scale)) +
                                        static_cast<int>(std::nearbyint(54 * scale)) - textHeight);
}

INSTANTIATE_TEST_SUITE_P(LabelPrinterResolutions, DeviceDots, ::testing::Values(203, 300, 600));

TEST(DeviceDrawing, ModulesTooWideForTheGeneratorFallBackToThePicture) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    bar.settings.modul = 10;
    bar.scaleX = bar.scaleY = 6.0;  // 60 dots a module
    DeviceCanvas canvas;
    bar.draw(canvas);
    EXPECT_EQ(canvas.recordsOf(platform::PictureRecordKind::Picture).size(), 1u);
    EXPECT_EQ(bar.generator().modul(), 10);
}
