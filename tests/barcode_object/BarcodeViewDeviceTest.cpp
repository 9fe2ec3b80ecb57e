// Drawing on a device at label-printer resolutions: the narrow module is a whole number of
// dots and every bar a whole multiple of it, from the object's own left edge.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/barcode_object/BarcodeViewTestSupport.h"

using namespace barcode;
using namespace barcode_view_test;
using namespace barcode_object;

namespace {

constexpr double kPagePixelsPerInch = 93 / 1.015;

double scaleAt(int dpi) {
    return dpi / kPagePixelsPerInch;
}

// Every bar's extent along the symbol, in dots.
std::vector<int> barLengths(const std::vector<Box>& bars, bool alongHeight) {
    std::vector<int> lengths;
    for (const Box& b : bars) lengths.push_back(alongHeight ? b.height() : b.width());
    return lengths;
}

}  // namespace

class DeviceDots : public ::testing::TestWithParam<int> {};

// Every bar is the narrow or the wide element, each a whole number of dots in the Code 39
// ratio range, and the symbol stays inside the object's scaled box: a symbol that grew past it
// would eat the next label's quiet zone.
TEST_P(DeviceDots, BarsTakeTwoWholeDotWidthsAndStayInsideTheBox) {
    const double scale = scaleAt(GetParam());
    for (double angle : {0.0, 90.0, 180.0, 270.0}) {
        for (const char* code : {"ABC123", "[kb1.\"giorno\"]", "0501190001"}) {
            BarcodeObject bar;
            setUpLabel(bar, code);
            bar.settings.angle = angle;
            DeviceCanvas canvas;
            bar.draw(canvas, scaledBy(scale, 5, 7));
            SCOPED_TRACE(std::string(code) + " at " + std::to_string(angle));
            EXPECT_TRUE(canvas.recordsOf(platform::PictureRecordKind::Picture).empty());
            const auto bars = barsOf(canvas.records());
            ASSERT_FALSE(bars.empty());
            const bool alongHeight = angle == 90.0 || angle == 270.0;
            const std::vector<int> lengths = barLengths(bars, alongHeight);
            const int narrow = *std::min_element(lengths.begin(), lengths.end());
            const int wide = *std::max_element(lengths.begin(), lengths.end());
            EXPECT_GE(narrow, 1);
            EXPECT_GE(wide, 2 * narrow);
            EXPECT_LE(wide, 3 * narrow);
            for (int length : lengths) EXPECT_TRUE(length == narrow || length == wide) << length;
            // The symbol starts at the object's scaled corner (one dot on when turned by 90 or
            // 180 degrees, as the generator places turned polygons) and ends inside the box.
            const Box all = extentOf(bars);
            const int turnedShift = angle == 90.0 || angle == 180.0 ? 1 : 0;
            const int design = alongHeight ? bar.drawnBox().height : bar.drawnBox().width;
            const int corner = alongHeight ? 7 + static_cast<int>(std::nearbyint(36 * scale))
                                           : 5 + static_cast<int>(std::nearbyint(28 * scale));
            const int boxEnd = corner + static_cast<int>(std::nearbyint(design * scale));
            EXPECT_EQ(alongHeight ? all.top : all.left, corner + turnedShift);
            EXPECT_LT(alongHeight ? all.bottom : all.right, boxEnd);
        }
    }
}

TEST_P(DeviceDots, TextIsScaledAndCentredUnderTheSnappedBars) {
    const double scale = scaleAt(GetParam());
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    DeviceCanvas canvas;
    bar.draw(canvas, scaledBy(scale));
    EXPECT_EQ(bar.drawnBox().width, 103);  // the symbol's length in page pixels
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

// Every resolution from 100 to 600 dpi in steps of 10, and the label printers' 203.
std::vector<int> resolutions() {
    std::vector<int> dpis{203};
    for (int dpi = 100; dpi <= 600; dpi += 10) dpis.push_back(dpi);
    return dpis;
}
INSTANTIATE_TEST_SUITE_P(LabelPrinterResolutions, DeviceDots, ::testing::ValuesIn(resolutions()));

TEST(DeviceDrawing, BelowOneDotAModuleThePictureIsDrawnClippedToTheBox) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    DeviceCanvas canvas;
    bar.draw(canvas, scaledBy(0.5));  // a small preview zoom
    const auto pictures = canvas.recordsOf(platform::PictureRecordKind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    const auto clips = canvas.recordsOf(platform::PictureRecordKind::SetClip);
    ASSERT_FALSE(clips.empty());
    const platform::Rect box{14, 18, 14 + 52, 18 + 27};  // (28, 36) 103 x 54 at half scale
    EXPECT_EQ(clips.front().rect, box);
    EXPECT_EQ(pictures.front().rect, box);
    // The whole surface is given back right after the picture.
    const auto& records = canvas.records();
    const auto picture = std::find_if(records.begin(), records.end(), [](const platform::PictureRecord& r) {
        return r.kind == platform::PictureRecordKind::Picture;
    });
    ASSERT_NE(picture + 1, records.end());
    EXPECT_EQ((picture + 1)->kind, platform::PictureRecordKind::ClearClip);
}

TEST(DeviceDrawing, ModulesTooWideForTheGeneratorFallBackToThePicture) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    bar.settings.modul = 10;
    DeviceCanvas canvas;
    bar.draw(canvas, scaledBy(6.0));  // 60 dots a module
    EXPECT_EQ(canvas.recordsOf(platform::PictureRecordKind::Picture).size(), 1u);
}
