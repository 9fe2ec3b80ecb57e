// Recording canvases: text measuring and bounds, and the queries tests of other parts use.
#include <gtest/gtest.h>

#include "platform/FixedMetricsCanvas.h"
#include "platform/GeometryOutput.h"
#include "platform/TextBounds.h"

namespace platform {
namespace {

TEST(FixedMetricsCanvas, MeasuresCharactersNotBytes) {
    FixedMetricsCanvas c;
    c.setFont(Font{"Arial", 10});
    EXPECT_EQ(c.textExtent("ABC"), (Size{18, 10}));
    EXPECT_EQ(c.textExtent("Però"), (Size{24, 10}));
    EXPECT_EQ(c.textExtent(""), (Size{0, 10}));
    c.setFont(Font{"Arial", -12});
    EXPECT_EQ(c.textExtent("AB"), (Size{14, 12}));
}

TEST(FixedMetricsCanvas, TextRecordsKeepTheirBounds) {
    struct Case {
        int escapement;
        int extra;
        Rect bounds;
    } cases[] = {
        {0, 0, {10, 20, 34, 30}},    // 4 characters of 6 × 10
        {0, 2, {10, 20, 42, 30}},    // plus 2 after each
        {900, 0, {10, -4, 20, 20}},  // turned up around the reference point
        {1800, 0, {-14, 10, 10, 20}}, {2700, 0, {0, 20, 10, 44}},
    };
    for (const Case& k : cases) {
        FixedMetricsCanvas c;
        c.setFont(Font{"Arial", 10, 0, kBlack, k.escapement});
        c.textOut(10, 20, "ABCD", k.extra);
        EXPECT_EQ(c.records().back().rect, k.bounds) << k.escapement << "/" << k.extra;
    }
}

TEST(FixedMetricsCanvas, AnswersWhatWasDrawn) {
    FixedMetricsCanvas c;
    c.setPen(Pen{kBlack, 1});
    c.setBrush(Brush{kBlack});
    c.polygon({{0, 0}, {0, 40}, {1, 40}, {1, 0}});
    const Font f{"Courier New", 12};
    c.setFont(f);
    c.textOut(5, 42, "A1");
    EXPECT_TRUE(c.hasFilledPolygon({{0, 0}, {0, 40}, {1, 40}, {1, 0}}, kBlack));
    EXPECT_FALSE(c.hasFilledPolygon({{0, 0}, {0, 40}, {1, 40}, {1, 0}}, kWhite));
    EXPECT_TRUE(c.hasText("A1", {5, 42}, f));
    EXPECT_FALSE(c.hasText("A1", {5, 43}));
    ASSERT_NE(c.findText("A1"), nullptr);
    EXPECT_EQ(c.recordsOf(PictureRecordKind::Polygon).size(), 1u);
    EXPECT_NE(c.describe().find("\"A1\" font Courier New h12"), std::string::npos);
}

TEST(PictureCanvas, MeasuresOnTheReferenceCanvasAndLeavesItsFontAlone) {
    struct Wide : FixedMetricsCanvas {
        Size textExtent(const std::string& s) override { return {100 * int(s.size()), font().height}; }
    } reference;
    reference.setFont(Font{"Arial", 5});
    PictureCanvas c({10, 10}, &reference);
    c.setFont(Font{"Arial", 9});
    EXPECT_EQ(c.textExtent("ab"), (Size{200, 9}));
    EXPECT_EQ(reference.font().height, 5);
    EXPECT_TRUE(c.isRecording());
    EXPECT_TRUE(c.rectVisible({1000, 1000, 1001, 1001}));
}

TEST(PictureCanvas, TakePictureLeavesAnEmptyPictureOfTheSameSize) {
    PictureCanvas c({30, 40});
    c.fillRect({0, 0, 1, 1});
    const Picture p = c.takePicture();
    EXPECT_EQ(p.records().size(), 1u);
    EXPECT_TRUE(c.picture().records().empty());
    EXPECT_EQ(c.picture().size(), (Size{30, 40}));
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(PictureCanvas, FlatteningMapsNestedRecordsIntoPlace) {
    FixedMetricsCanvas label({100, 50});
    label.setFont(Font{"Courier New", 10});
    label.textOut(20, 40, "AB");
    FixedMetricsCanvas page({1000, 1000});
    page.fillRect({0, 0, 5, 5});
    page.drawPicture(label.picture(), {200, 100, 400, 200});  // stretched 2 ×

    const Picture flat = flattenedPicture(page.picture());
    ASSERT_EQ(flat.records().size(), 2u);
    const PictureRecord& text = flat.records()[1];
    EXPECT_EQ(text.kind, PictureRecordKind::Text);
    EXPECT_EQ(text.points.front(), (Point{240, 180}));
    EXPECT_EQ(text.state.font.height, 20);
    EXPECT_EQ(text.rect, (Rect{240, 180, 264, 200}));
}

}  // namespace
}  // namespace platform
