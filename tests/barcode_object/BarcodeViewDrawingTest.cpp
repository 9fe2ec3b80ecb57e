// Drawing the barcode object on a recording surface: the box it covers, the text chosen, the
// empty cases, and the placement of bars and text at each angle. Drawing never changes the
// object: its stored size stays, and one drawing leaves nothing behind for the next.
#include <gtest/gtest.h>

#include <limits>

#include "barcode/BarcodeError.h"
#include "tests/barcode_object/BarcodeViewTestSupport.h"

using namespace barcode;
using namespace barcode_view_test;
using namespace barcode_object;
using platform::PictureRecordKind;

namespace {

constexpr int kCharWidth = 7;  // fixed metrics: round(0.6 x 12)

}  // namespace

TEST(BarcodeViewDrawing, Code39OfTheRecordValueIsCentredOverItsTextAndCoversTheSymbolsLength) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    FlatCanvas canvas;
    bar.draw(canvas);
    EXPECT_EQ(bar.drawnBox(), (report::ViewBox{28, 36, 103, 54}));  // 13 x 6 + 25
    EXPECT_EQ(bar.box(), (report::ViewBox{28, 36, 129, 54}));
    const Box bars = extentOf(barsOf(canvas.records()));
    EXPECT_EQ(bars.left, 28);
    EXPECT_EQ(bars.right, 28 + 103 - 1);
    EXPECT_EQ(bars.top, 36);
    EXPECT_EQ(bars.bottom, 36 + 40);  // 54 less the 14 of the text line
    platform::Font font;
    font.name = "Courier New";
    font.height = 12;
    EXPECT_TRUE(canvas.hasText("ABC123", {28 + (103 - 6 * kCharWidth) / 2, 36 + 54 - 12}, font))
        << canvas.describe();
}

TEST(BarcodeViewDrawing, ExpressionOrNoLinesShowThePlaceholder) {
    for (const auto& lines : {std::vector<std::string>{"[kb1.\"giorno\"]"}, std::vector<std::string>{}}) {
        BarcodeObject bar;
        setUpLabel(bar, "");
        bar.memo = lines;
        FlatCanvas canvas;
        bar.draw(canvas);
        EXPECT_EQ(bar.drawnBox().width, 129);
        EXPECT_NE(canvas.findText("12345678"), nullptr);
    }
}

TEST(BarcodeViewDrawing, ZeroDrawsNothingButStillCoversTheSymbolsLength) {
    for (const char* zero : {"0", " 0 ", "0\t"}) {
        BarcodeObject bar;
        setUpLabel(bar, zero);
        bar.fillColor = platform::kWhite;  // not even the background
        FlatCanvas canvas;
        bar.draw(canvas);
        EXPECT_TRUE(canvas.records().empty()) << zero;
    }
    BarcodeObject bar;
    setUpLabel(bar, "0");
    EXPECT_EQ(bar.drawnBox().width, 13 + 25);
}

TEST(BarcodeViewDrawing, EmptyValueOrNegativeSizeDrawsNothingAndKeepsTheSize) {
    struct Case {
        std::vector<std::string> memo;
        int width, height;
    };
    for (const Case& c : {Case{{""}, 129, 54}, Case{{"ABC"}, -1, 54}, Case{{"ABC"}, 129, -5}}) {
        BarcodeObject bar;
        setUpLabel(bar, "");
        bar.memo = c.memo;
        bar.width = c.width;
        bar.height = c.height;
        bar.fillColor = platform::kWhite;
        FlatCanvas canvas;
        bar.draw(canvas);
        EXPECT_TRUE(canvas.records().empty());
        EXPECT_EQ(bar.drawnBox(), bar.box());
    }
}

TEST(BarcodeViewDrawing, DigitsOnlySymbologyTakesThePlaceholderForText) {
    BarcodeObject bar;
    setUpLabel(bar, "12AB", 80);
    bar.settings.barType = bcCodeEAN13;
    FlatCanvas canvas;
    bar.draw(canvas);
    EXPECT_NE(canvas.findText("0000012345678"), nullptr) << canvas.describe();
}

// A module the generator refuses draws at one module, whatever an earlier drawing used.
TEST(BarcodeViewDrawing, StoredModulOutsideTheGeneratorsRangeDrawsAtOneModule) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    bar.settings.modul = 2;
    FlatCanvas wide;
    bar.draw(wide);
    EXPECT_EQ(extentOf(barsOf(wide.records())).right, 28 + 206 - 1);
    for (int stored : {0, 60}) {
        bar.settings.modul = stored;
        FlatCanvas canvas;
        bar.draw(canvas);
        EXPECT_EQ(extentOf(barsOf(canvas.records())).right, 28 + 103 - 1) << stored;
        EXPECT_EQ(bar.drawnBox().width, 103) << stored;
    }
}

TEST(BarcodeViewDrawing, UnknownSymbologyFailsBeforeAnythingIsPainted) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC");
    bar.settings.barType = 23;
    bar.fillColor = platform::kWhite;
    FlatCanvas canvas;
    EXPECT_THROW(bar.draw(canvas), BarcodeError);
    EXPECT_TRUE(canvas.records().empty());
    EXPECT_EQ(bar.drawnBox(), bar.box());
}

// At each angle: where the bars lie in the box the object covers (W x H, the length the
// symbol's) and where the text's reference point is, all relative to the object's corner.
// Turned by 90 or 180 degrees, the generator's polygons include their far edge, so the bars
// sit one unit further on.
TEST(BarcodeViewDrawing, BarsAndTextFollowTheAngle) {
    const int symbol = 103, tw = 6 * kCharWidth;
    struct Case {
        double angle;
        int width, height;  // the box covered
        Box bars;           // relative, both ends included
        platform::Point text;
    };
    const int W = 60, H = 54;  // stored; the length axis takes the symbol's
    const Case cases[] = {
        {0, symbol, H, {0, 0, symbol - 1, H - 14}, {(symbol - tw) / 2, H - 12}},
        {90, W, symbol, {0, 1, W - 14, symbol}, {W - 12, symbol - (symbol - tw) / 2}},
        {180, symbol, H, {1, 14, symbol, H}, {symbol - (symbol - tw) / 2, 12}},
        {270, W, symbol, {14, 0, W, symbol - 1}, {12, (symbol - tw) / 2}},
    };
    for (const Case& c : cases) {
        BarcodeObject bar;
        setUpLabel(bar, "ABC123");
        bar.width = W;
        bar.height = H;
        bar.settings.angle = c.angle;
        FlatCanvas canvas;
        bar.draw(canvas);
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(bar.drawnBox().width, c.width);
        EXPECT_EQ(bar.drawnBox().height, c.height);
        const Box b = extentOf(barsOf(canvas.records()));
        EXPECT_EQ(b.left - 28, c.bars.left);
        EXPECT_EQ(b.top - 36, c.bars.top);
        EXPECT_EQ(b.right - 28, c.bars.right);
        EXPECT_EQ(b.bottom - 36, c.bars.bottom);
        const auto* text = canvas.findText("ABC123");
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->points.at(0), (platform::Point{28 + c.text.x, 36 + c.text.y}));
        EXPECT_EQ(text->state.font.escapement, static_cast<int>(c.angle) * 10);
    }
}

TEST(BarcodeViewDrawing, PostNetBarsStandOnOneBaseline) {
    BarcodeObject bar;
    setUpLabel(bar, "12345");
    bar.settings.barType = bcCodePostNet;
    FlatCanvas canvas;
    bar.draw(canvas);
    const int h = 54 - 14;
    const auto bars = barsOf(canvas.records());
    ASSERT_FALSE(bars.empty());
    int full = 0, shortBars = 0;
    for (const Box& b : bars) {
        EXPECT_EQ(b.bottom, 36 + h);
        if (b.top == 36)
            ++full;
        else if (b.top == 36 + h - h * 2 / 5)
            ++shortBars;
        else
            ADD_FAILURE() << "bar from " << b.top;
    }
    EXPECT_GT(full, 0);
    EXPECT_GT(shortBars, 0);
}

TEST(BarcodeViewDrawing, WithoutTextTheBarsTakeTheWholeHeight) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    bar.settings.showText = false;
    FlatCanvas canvas;
    bar.draw(canvas);
    EXPECT_EQ(extentOf(barsOf(canvas.records())).bottom, 36 + 54);
    EXPECT_TRUE(canvas.recordsOf(PictureRecordKind::Text).empty());
}

TEST(BarcodeViewDrawing, OnARecordingTheSymbolIsOnePictureStretchedIntoTheScaledRectangle) {
    BarcodeObject bar;
    setUpLabel(bar, "ABC123");
    platform::FixedMetricsCanvas canvas;
    bar.draw(canvas, scaledBy(2.5, 10));
    const auto pictures = canvas.recordsOf(PictureRecordKind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].nested->size(), (platform::Size{103, 54}));
    EXPECT_EQ(pictures[0].rect, (platform::Rect{80, 90, 80 + 258, 90 + 135}));
}

// Settings read from a damaged stream: drawing either works or fails with a barcode error.
TEST(BarcodeViewDrawing, HostileSettingsNeitherCrashNorOverflow) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // Large, yet clear of the int limit once scaled: the common geometry step is not ours.
    constexpr int kHuge = 1 << 28;
    struct Case {
        double ratio, angle;
        int width, height;
        std::uint8_t type;
    };
    const Case cases[] = {
        {1e300, 0, 129, 54, bcCode39}, {nan, 0, 129, 54, bcCode39},      {2, nan, 129, 54, bcCode39},
        {2, inf, 129, 54, bcCode39},   {2, 1e300, 129, 54, bcCode39},    {2, 0, 129, kHuge, bcCode39},
        {2, 90, kHuge, 54, bcCode39},  {2, 180, 129, kHuge, bcCode128B}, {2, 270, kHuge, 0, bcCodePostNet},
        {-5, 45, 129, 3, bcCodeEAN13},
    };
    for (const Case& c : cases) {
        for (double scale : {1.0, 3.27}) {
            BarcodeObject bar;
            setUpLabel(bar, "12345");
            bar.settings.ratio = c.ratio;
            bar.settings.angle = c.angle;
            bar.settings.barType = c.type;
            bar.width = c.width;
            bar.height = c.height;
            FlatCanvas recording;
            DeviceCanvas device;
            try {
                bar.draw(recording, scaledBy(scale));
                bar.draw(device, scaledBy(scale));
            } catch (const BarcodeError&) {}
        }
    }
}
