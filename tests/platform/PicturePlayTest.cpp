// Playing a picture stretched into a rectangle: what reaches the target canvas.
#include <gtest/gtest.h>

#include "platform/FixedMetricsCanvas.h"
#include "platform/GeometryOutput.h"

namespace platform {
namespace {

Picture recorded(Size size, const std::function<void(Canvas&)>& draw) {
    FixedMetricsCanvas c(size);
    draw(c);
    return c.picture();
}

TEST(PicturePlay, MapsEveryKindOfRecordIntoTheTarget) {
    Font font{"Arial", 10, kBold, kBlack, 0, 1};
    const Picture p = recorded({100, 50}, [&](Canvas& c) {
        c.setPen(Pen{kBlack, 1});
        c.setBrush(Brush{kBlack});
        c.polygon({{4, 0}, {4, 40}, {5, 40}, {5, 0}});
        c.line({0, 45}, {10, 45});
        c.fillRect({10, 10, 20, 30});
        c.invertRect({0, 0, 1, 1});
        c.setFont(font);
        c.textOut(30, 5, "ABC", 1);
    });
    FixedMetricsCanvas target;
    p.play(target, {100, 200, 400, 300});  // 3 × wider, 2 × taller, moved

    const auto& r = target.records();
    ASSERT_EQ(r.size(), 5u) << target.describe();
    // A point names a cell: cell 4 stretched to columns 112..114 maps to its middle, 113.
    EXPECT_EQ(r[0].points, (std::vector<Point>{{113, 200}, {113, 280}, {116, 280}, {116, 200}}));
    EXPECT_EQ(r[0].state.pen.width, 3);  // (3 + 2) / 2 rounded
    EXPECT_EQ(r[1].points, (std::vector<Point>{{101, 290}, {131, 290}}));
    EXPECT_EQ(r[2].rect, (Rect{130, 220, 160, 260}));
    EXPECT_EQ(r[3].rect, (Rect{100, 200, 103, 202}));
    EXPECT_EQ(r[4].points, (std::vector<Point>{{190, 210}}));
    EXPECT_EQ(r[4].state.font.height, 20);
    EXPECT_EQ(r[4].extraSpacing, 3);
    EXPECT_EQ(r[4].state.font.style, kBold);
}

TEST(PicturePlay, BarsReplayAsOneMappedBatch) {
    const Picture p = recorded({100, 50}, [](Canvas& c) {
        c.setPen(Pen{kBlack, 1});
        c.setBrush(Brush{kBlack});
        c.bars({{4, 0}, {4, 40}, {5, 40}, {5, 0}, {7, 0}, {7, 40}, {7, 40}, {7, 0}, {9, 9}});
    });
    ASSERT_EQ(p.records().size(), 1u);
    EXPECT_EQ(p.records()[0].points.size(), 8u) << "corners past the last whole four are dropped";
    FixedMetricsCanvas target;
    p.play(target, {100, 200, 400, 300});
    ASSERT_EQ(target.records().size(), 1u) << target.describe();
    EXPECT_EQ(target.records()[0].kind, PictureRecordKind::Bars);
    EXPECT_EQ(
        target.records()[0].points,
        (std::vector<Point>{
            {113, 200}, {113, 280}, {116, 280}, {116, 200}, {122, 200}, {122, 280}, {122, 280}, {122, 200}}));
}

// A surface that only knows single polygons gets the bars one by one, in order.
TEST(PicturePlay, ASurfaceWithoutBatchesDrawsEveryBarAsAPolygon) {
    struct PolygonsOnly : FixedMetricsCanvas {
        void bars(const std::vector<Point>& corners) override { Canvas::bars(corners); }
    } target;
    target.setBrush(Brush{kBlack});
    target.bars({{0, 0}, {0, 4}, {1, 4}, {1, 0}, {3, 0}, {3, 4}, {5, 4}, {5, 0}, {6, 6}, {7, 7}});
    ASSERT_EQ(target.records().size(), 2u) << target.describe();
    EXPECT_TRUE(target.hasFilledPolygon({{0, 0}, {0, 4}, {1, 4}, {1, 0}}, kBlack));
    EXPECT_EQ(target.records()[1].points, (std::vector<Point>{{3, 0}, {3, 4}, {5, 4}, {5, 0}}));
    EXPECT_EQ(target.records()[1].kind, PictureRecordKind::Polygon);
}

TEST(PicturePlay, AtTheRecordedSizeNothingMoves) {
    const Picture p = recorded({40, 40}, [](Canvas& c) {
        c.setPen(Pen{kBlack, 1});
        c.polygon({{1, 2}, {3, 4}, {5, 6}});
        c.line({7, 8}, {9, 10});
    });
    FixedMetricsCanvas target;
    p.play(target, {0, 0, 40, 40});
    EXPECT_EQ(target.records()[0].points, p.records()[0].points);
    EXPECT_EQ(target.records()[1].points, p.records()[1].points);
    EXPECT_EQ(target.records()[0].state, p.records()[0].state);
}

TEST(PicturePlay, ZeroWidthPenStaysOnePixel) {
    const Picture p = recorded({10, 10}, [](Canvas& c) {
        c.setPen(Pen{kBlack, 0});
        c.line({0, 0}, {5, 0});
    });
    FixedMetricsCanvas target;
    p.play(target, {0, 0, 50, 50});
    EXPECT_EQ(target.records()[0].state.pen.width, 0);
}

TEST(PicturePlay, NestedPicturesAreStretchedIntoTheirMappedRectangle) {
    const Picture inner = recorded({10, 10}, [](Canvas& c) { c.fillRect({0, 0, 5, 5}); });
    const Picture outer = recorded({100, 100}, [&](Canvas& c) { c.drawPicture(inner, {10, 10, 30, 30}); });
    FixedMetricsCanvas target;
    outer.play(target, {0, 0, 200, 200});
    ASSERT_EQ(target.records().size(), 1u);
    EXPECT_EQ(target.records()[0].rect, (Rect{20, 20, 60, 60}));

    // A canvas without its own picture handling plays nested pictures recursively.
    struct Flattening : FixedMetricsCanvas {
        void drawPicture(const Picture& p, const Rect& r) override { p.play(*this, r); }
    } flat;
    outer.play(flat, {0, 0, 200, 200});
    ASSERT_EQ(flat.records().size(), 1u);
    EXPECT_EQ(flat.records()[0].kind, PictureRecordKind::FillRect);
    EXPECT_EQ(flat.records()[0].rect, (Rect{20, 20, 40, 40}));
}

TEST(PicturePlay, ClipsStayInsideTheCallersClipAndAreGivenBack) {
    const Picture p = recorded({10, 10}, [](Canvas& c) {
        c.setClipRect({0, 0, 8, 8});
        c.fillRect({0, 0, 10, 10});
        c.clearClip();
    });
    FixedMetricsCanvas target;
    target.setClipRect({5, 5, 15, 15});
    p.play(target, {0, 0, 20, 20});
    EXPECT_EQ(target.currentClip(), (Rect{5, 5, 15, 15}));
    const auto clips = target.recordsOf(PictureRecordKind::SetClip);
    ASSERT_EQ(clips.size(), 4u) << target.describe();
    EXPECT_EQ(clips[1].rect, (Rect{5, 5, 15, 15}));  // {0,0,16,16} inside the caller's clip
    EXPECT_EQ(clips[2].rect, (Rect{5, 5, 15, 15}));  // the picture's clearClip
}

TEST(PicturePlay, TheTargetKeepsItsPenBrushAndFont) {
    const Picture p = recorded({10, 10}, [](Canvas& c) {
        c.setPen(Pen{rgb(1, 2, 3), 4});
        c.setFont(Font{"Courier New", 30});
        c.line({0, 0}, {1, 1});
    });
    FixedMetricsCanvas target;
    const CanvasState before = target.saveState();
    p.play(target, {0, 0, 10, 10});
    EXPECT_EQ(target.pen(), before.pen);
    EXPECT_EQ(target.font(), before.font);
}

TEST(PicturePlay, EmptyLogicalSizeIsNotStretched) {
    const Picture p = recorded({0, 0}, [](Canvas& c) { c.fillRect({1, 1, 2, 2}); });
    FixedMetricsCanvas target;
    p.play(target, {10, 10, 500, 500});
    EXPECT_EQ(target.records()[0].rect, (Rect{11, 11, 12, 12}));
}

}  // namespace
}  // namespace platform
