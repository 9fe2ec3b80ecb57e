// Drawing: the batches of spaces and bars, colours, short bars, turning and the bounding-box
// offsets.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "platform/PictureCanvas.h"

using namespace barcode;
using platform::Point;

namespace {

// A generator whose pattern is known: Code 128B of "" is start (211214), check (104 mod 103
// = 1: 222122), stop (2331112): 19 elements, 11 + 11 + 13 = 35 modules.
BarcodeGenerator knownSymbol(int height, double angle) {
    BarcodeGenerator g;
    g.setType(bcCode128B);
    g.setText("");
    g.setHeight(height);
    g.setAngle(angle);
    return g;
}

std::vector<platform::PictureRecord> draw(BarcodeGenerator& g) {
    platform::PictureCanvas canvas(platform::Size{1000, 1000});
    g.draw(canvas);
    return canvas.picture().records();
}

// Bounding box of every recorded corner.
platform::Rect bounds(const std::vector<platform::PictureRecord>& records) {
    platform::Rect r{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (const auto& rec : records)
        for (Point p : rec.points) {
            r.left = std::min(r.left, p.x);
            r.top = std::min(r.top, p.y);
            r.right = std::max(r.right, p.x);
            r.bottom = std::max(r.bottom, p.y);
        }
    return r;
}

}  // namespace

TEST(Drawing, SpacesThenBarsEachOneBatchInTheirColour) {
    BarcodeGenerator g = knownSymbol(40, 0);
    g.setColor(0x00AA00);
    g.setColorBar(0x0000BB);
    g.setLeft(5);
    g.setTop(7);
    const auto records = draw(g);
    ASSERT_EQ(records.size(), 2u);
    // Every bar at full height: one rectangle in the space colour under all of the symbol.
    EXPECT_EQ(records[0].kind, platform::PictureRecordKind::Bars);
    EXPECT_EQ(records[0].points, (std::vector<Point>{{5, 7}, {5, 47}, {5 + 35 - 1, 47}, {5 + 35 - 1, 7}}));
    EXPECT_EQ(records[0].state.pen.color, 0x00AA00u);
    EXPECT_EQ(records[0].state.brush.color, 0x00AA00u);
    // Then the 10 bars in one batch, the first 2 wide at x 5..6, y 7..47, pen and brush in the
    // bar colour so that each covers its corner cells.
    EXPECT_EQ(records[1].kind, platform::PictureRecordKind::Bars);
    ASSERT_EQ(records[1].points.size(), 10u * 4);
    EXPECT_EQ(std::vector<Point>(records[1].points.begin(), records[1].points.begin() + 4),
              (std::vector<Point>{{5, 7}, {5, 47}, {6, 47}, {6, 7}}));
    EXPECT_EQ(records[1].state.pen.color, 0x0000BBu);
    EXPECT_EQ(records[1].state.brush.color, 0x0000BBu);
    EXPECT_EQ(records[1].state.pen.width, 1);
    EXPECT_FALSE(records[1].state.brush.clear);
    // Second bar: after the 1-wide space at x 7 (pattern 211214: bar 2, space 1, bar 1).
    EXPECT_EQ(records[1].points[4], (Point{8, 7}));
    EXPECT_EQ(bounds(records), (platform::Rect{5, 7, 5 + 35 - 1, 47}));
}

TEST(Drawing, CanvasStateIsGivenBack) {
    BarcodeGenerator g = knownSymbol(10, 0);
    platform::PictureCanvas canvas(platform::Size{100, 100});
    platform::Pen pen{0x123456, 3};
    canvas.setPen(pen);
    platform::Brush brush{0x654321, true};
    canvas.setBrush(brush);
    g.draw(canvas);
    EXPECT_EQ(canvas.pen(), pen);
    EXPECT_EQ(canvas.brush(), brush);
}

TEST(Drawing, FailureLeavesCanvasUntouched) {
    BarcodeGenerator g;
    g.setType(bcCode93);
    g.setText("abc");
    platform::PictureCanvas canvas(platform::Size{100, 100});
    try {
        g.draw(canvas);
        ADD_FAILURE() << "no error";
    } catch (const BarcodeError& e) {
        EXPECT_STREQ(e.what(), "TfrBarcode:Code93 bad Data <abc>");
    }
    EXPECT_TRUE(canvas.picture().records().empty());
}

TEST(Drawing, ShortBarsAreTwoFifthsOfTheHeightFromTheSameEdge) {
    // PostNet draws short bars ('A'); its spaces stay one polygon each, full height, as the
    // short bars leave room above them that no space rectangle may cover. A stored height near
    // the int limit must not overflow.
    for (auto [height, shortHeight] : {std::pair{12, 4}, std::pair{-10, -4}, std::pair{40, 16},
                                       std::pair{2'000'000'000, 800'000'000}}) {
        BarcodeGenerator g;
        g.setType(bcCodePostNet);
        g.setText("0");
        g.setHeight(height);
        const auto records = draw(g);
        ASSERT_EQ(records.size(), 2u);
        std::set<int> barHeights, spaceHeights;
        for (std::size_t i = 0; i < records.size(); ++i)
            for (std::size_t k = 0; k < records[i].points.size(); k += 4) {
                EXPECT_EQ(records[i].points[k].y, 0);
                (i == 0 ? spaceHeights : barHeights).insert(records[i].points[k + 1].y);
            }
        EXPECT_EQ(barHeights, (std::set<int>{shortHeight, height})) << height;
        EXPECT_EQ(spaceHeights, (std::set<int>{height})) << height;
        EXPECT_GT(records[0].points.size(), 4u) << "a polygon per space";
    }
}

TEST(Drawing, TurnedSymbolsKeepTheirBoundingBoxAtLeftTop) {
    // w = 35, h = 40. The first element's first corner (pattern point (0, 0)) lands on:
    struct Case {
        double angle;
        Point firstCorner;
        platform::Rect box;  // inclusive corner bounds
    };
    const Case cases[] = {
        {0, {0, 0}, {0, 0, 34, 40}},
        {90, {0, 35}, {0, 1, 40, 35}},    // (py, w - px): first element at the bottom
        {180, {35, 40}, {1, 0, 35, 40}},  // (w - px, h - py)
        {270, {40, 0}, {0, 0, 40, 34}},   // (h - py, px): runs top to bottom
        {-90, {40, 0}, {0, 0, 40, 34}},
        {360, {0, 0}, {0, 0, 34, 40}},
    };
    for (const Case& c : cases) {
        BarcodeGenerator g = knownSymbol(40, c.angle);
        const auto records = draw(g);
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records[0].points[0], c.firstCorner) << c.angle;
        EXPECT_EQ(bounds(records), c.box) << c.angle;
    }
}

TEST(Drawing, ObliqueAngleStaysInsideItsBoundingBox) {
    BarcodeGenerator g = knownSymbol(40, 30);
    g.setLeft(100);
    g.setTop(200);
    const platform::Rect box = bounds(draw(g));
    EXPECT_GE(box.left, 100);
    EXPECT_GE(box.top, 200);
    EXPECT_LE(box.left, 101);
    EXPECT_LE(box.top, 201);
}

TEST(Drawing, FarOffPositionsDoNotOverflow) {
    BarcodeGenerator g = knownSymbol(40, 45);
    g.setLeft(std::numeric_limits<std::int32_t>::max());
    g.setTop(std::numeric_limits<std::int32_t>::min());
    EXPECT_NO_THROW(draw(g));
}
