// Drawing a prepared page: loading on demand, releasing the loaded objects, the clip test on
// screen, scaling into the target rectangle, and finding the object under the mouse.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/FixedMetricsCanvas.h"
#include "tests/prepared/PagesTestSupport.h"

namespace {

using prepared::PreparedPages;

// A screen-like canvas: it records what is drawn but, unlike a picture, has a clip that
// objects are tested against.
class ScreenCanvas : public platform::FixedMetricsCanvas {
public:
    bool isRecording() const override { return false; }
    bool rectVisible(const platform::Rect& r) const override {
        const auto clip = currentClip();
        return !clip || clip->intersects(r);
    }
};

struct PageDrawing : ::testing::Test {
    printer::Printer printer;
    std::unique_ptr<report::Page> tpl = pages_test::templatePage(printer);
    PreparedPages pages{nullptr, &printer};

    void SetUp() override {
        pages.add(*tpl);
        pages_test::print(pages, 0, *pages_test::memo("alto", 100, 50, 200, 40));
        pages_test::print(pages, 0, *pages_test::memo("basso", 100, 600, 200, 40));
        pages_test::print(pages, 0, *pages_test::memo("sopra", 150, 60, 60, 20));  // over "alto"
    }
    const printer::PrinterGeometry& g() const { return pages.page(0).geometry; }
    platform::Rect fullPage() const { return {0, 0, g().paperWidthPx, g().paperHeightPx}; }
};

// A surface that fails on the first text it is given, as a device can in the middle of a page.
class FailingCanvas final : public platform::FixedMetricsCanvas {
public:
    void textOut(int, int, const std::string&, int) override { throw std::runtime_error("device lost"); }
};

TEST_F(PageDrawing, ObjectsStayLoadedUntilReleasedAndADrawOnceNeverKeepsThem) {
    platform::FixedMetricsCanvas canvas;
    pages.draw(0, canvas, fullPage());
    EXPECT_NE(pages.page(0).loadedPage, nullptr);
    // Drawn as printed: unfilled objects get no white background.
    EXPECT_TRUE(canvas.recordsOf(platform::PictureRecordKind::FillRect).empty()) << canvas.describe();
    EXPECT_NE(canvas.findText("basso"), nullptr) << canvas.describe();
    pages.release(0);
    EXPECT_EQ(pages.page(0).loadedPage, nullptr);

    platform::FixedMetricsCanvas once;
    pages.drawOnce(0, once, fullPage());
    EXPECT_NE(once.findText("basso"), nullptr) << once.describe();
    EXPECT_EQ(pages.page(0).loadedPage, nullptr);

    FailingCanvas failing;
    EXPECT_THROW(pages.drawOnce(0, failing, fullPage()), std::runtime_error);
    EXPECT_EQ(pages.page(0).loadedPage, nullptr);
}

TEST_F(PageDrawing, OnScreenObjectsOutsideTheClipAreSkippedButNotOnARecording) {
    const platform::Rect rect{30, 40, 30 + g().paperWidthPx / 2, 40 + g().paperHeightPx / 2};
    const double sy = static_cast<double>(rect.height()) / g().paperHeightPx;
    // "basso" starts at 600·sy + 40 on the canvas; the clip ends 11 pixels above its slack.
    const int bassoTop = static_cast<int>(600 * sy) + 40;
    ScreenCanvas screen;
    screen.setClipRect({0, 0, 2000, bassoTop - 11});
    pages.draw(0, screen, rect);
    EXPECT_NE(screen.findText("alto"), nullptr);
    EXPECT_EQ(screen.findText("basso"), nullptr) << screen.describe();

    ScreenCanvas slack;  // within the 10 pixels of slack the object is still drawn
    slack.setClipRect({0, 0, 2000, bassoTop - 8});
    pages.draw(0, slack, rect);
    EXPECT_NE(slack.findText("basso"), nullptr);

    platform::FixedMetricsCanvas recording;
    recording.setClipRect({0, 0, 10, 10});
    pages.draw(0, recording, rect);
    EXPECT_NE(recording.findText("basso"), nullptr);
}

// The frame of every object starts at its corner, which is drawn at the origin of its lines.
bool hasLineFrom(const platform::FixedMetricsCanvas& canvas, platform::Point from) {
    for (const auto& line : canvas.recordsOf(platform::PictureRecordKind::Line))
        if (line.points.at(0) == from) return true;
    return false;
}

TEST_F(PageDrawing, ObjectsAreScaledIntoTheRectangleAndKeepTheirStoredGeometry) {
    platform::FixedMetricsCanvas canvas;
    const platform::Rect rect{10, 20, 10 + 2 * g().paperWidthPx, 20 + 2 * g().paperHeightPx};
    pages.draw(0, canvas, rect);
    EXPECT_TRUE(hasLineFrom(canvas, {100 * 2 + 10, 50 * 2 + 20})) << canvas.describe();
    const report::View& alto = *pages.page(0).loadedPage->objects()[0];
    EXPECT_EQ(alto.box(), (report::ViewBox{100, 50, 200, 40}));
}

TEST_F(PageDrawing, AGeometryWithoutPageSizeDrawsWithoutDividingByZero) {
    pages.page(0).geometry = {};
    platform::FixedMetricsCanvas canvas;
    pages.draw(0, canvas, {0, 0, 500, 500});
    for (const auto& line : canvas.recordsOf(platform::PictureRecordKind::Line))
        EXPECT_EQ(line.points.at(0), (platform::Point{0, 0}));  // scaled by zero
    int cursor = 0;
    pages.page(0).useMargins = false;
    EXPECT_FALSE(pages.hitTest(0, {0, 0}, cursor, true));
}

TEST_F(PageDrawing, HitTestFindsTheTopmostObjectAndRaisesTheRightHandler) {
    std::vector<std::string> clicked, hovered;
    pages.onObjectClick = [&](report::View& v) { clicked.push_back(v.memo.at(0)); };
    pages.onMouseOverObject = [&](report::View& v, int& cursor) {
        hovered.push_back(v.memo.at(0));
        cursor = 7;
    };
    pages.page(0).useMargins = true;  // page pixels as they are
    int cursor = 0;
    struct Case {
        platform::Point point;
        bool click;
        bool hit;
    };
    const Case cases[] = {
        {{160, 65}, true, true},    // inside both: the later "sopra" wins
        {{100, 50}, true, true},    // top-left corner belongs to "alto"
        {{300, 70}, true, false},   // right edge is outside
        {{120, 620}, false, true},  // "basso", hover
        {{5, 5}, false, false},
    };
    for (const Case& c : cases) EXPECT_EQ(pages.hitTest(0, c.point, cursor, c.click), c.hit) << c.point.x;
    EXPECT_EQ(clicked, (std::vector<std::string>{"sopra", "alto"}));
    EXPECT_EQ(hovered, (std::vector<std::string>{"basso"}));
    EXPECT_EQ(cursor, 7);

    // Without margins the objects sit in the printable area less the margins.
    pages.page(0).useMargins = false;
    const auto& m = pages.page(0).margins;
    const double sx = static_cast<double>(g().printableWidthPx - m.left - m.right) / g().paperWidthPx;
    const double sy = static_cast<double>(g().printableHeightPx - m.top - m.bottom) / g().paperHeightPx;
    const int x = static_cast<int>(100 * sx + m.left + g().offsetXPx) + 1;
    const int y = static_cast<int>(600 * sy + m.top + g().offsetYPx) + 1;
    clicked.clear();
    EXPECT_TRUE(pages.hitTest(0, {x, y}, cursor, true));
    EXPECT_EQ(clicked, (std::vector<std::string>{"basso"}));

    pages.onObjectClick = nullptr;
    EXPECT_FALSE(pages.hitTest(0, {x, y}, cursor, true));
}

}  // namespace
