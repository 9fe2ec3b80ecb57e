// The preview's page arithmetic: zoom by mode, pages per row, placement, scroll ranges, the
// page under a point or line, and scrolling a found text into view.
#include <gtest/gtest.h>

#include "gui/preview/PreviewLayout.h"

namespace {

using gui::preview::ZoomMode;
using platform::Rect;
using platform::Size;

// A4 landscape in page pixels, as the virtual printer gives it.
constexpr Size kA4Land{1071, 757};

std::vector<Size> pages(int n, Size s = kA4Land) {
    return std::vector<Size>(std::size_t(n), s);
}

TEST(ZoomByMode, FitsThePageIntoTheBoxLessItsGaps) {
    const Size box{1200, 800};
    struct Case {
        ZoomMode mode;
        double expected;
    } cases[] = {
        {ZoomMode::Fixed, 1.5},
        {ZoomMode::PageWidth, (1200 - 20) / 1071.0},
        {ZoomMode::WholePage, (800 - 20) / 757.0},
        {ZoomMode::TwoPages, (1200 - 30) / (2 * 1071.0)},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(gui::preview::zoomForMode(c.mode, 1.5, kA4Land, box), c.expected);
}

TEST(ZoomByMode, ATinyBoxOrAPageWithoutSizeGivesAUsableZoom) {
    EXPECT_EQ(gui::preview::zoomForMode(ZoomMode::PageWidth, 1.0, kA4Land, {5, 5}), gui::preview::kMinZoom);
    EXPECT_EQ(gui::preview::zoomForMode(ZoomMode::WholePage, 0.75, {0, 0}, {500, 500}), 0.75);
    EXPECT_EQ(gui::preview::zoomPercent(0.755), 76);
}

TEST(PagesPerRow, CountsPagesThatFitSideBySide) {
    struct Case {
        double zoom;
        int boxWidth;
        ZoomMode mode;
        int pageCount;
        int expected;
    } cases[] = {
        {1.0, 2300, ZoomMode::Fixed, 5, 2},  // 10 + 1071 + 10 + 1071 + 10 = 2172
        {1.0, 2171, ZoomMode::Fixed, 5, 1},
        {1.0, 2300, ZoomMode::Fixed, 1, 1},
        {0.5, 2300, ZoomMode::Fixed, 7, 4},  // 536 + 10 each
        {2.0, 2300, ZoomMode::Fixed, 3, 1},
        {2.0, 1000, ZoomMode::Fixed, 3, 1},  // wider than the box: still one
        {0.1, 2300, ZoomMode::WholePage, 9, 1},
        {2.0, 500, ZoomMode::TwoPages, 9, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gui::preview::pagesPerRow(pages(c.pageCount), c.zoom, c.boxWidth, c.mode), c.expected)
            << c.zoom << " " << c.boxWidth;
}

TEST(DeskLayout, TwoPagesSideBySideAt100Percent) {
    const auto l = gui::preview::layoutDesk(pages(5), 1.0, ZoomMode::Fixed, {2300, 900});
    ASSERT_EQ(l.bounds.size(), 5u);
    EXPECT_EQ(l.perRow, 2);
    EXPECT_EQ(l.bounds[0], (Rect{10, 10, 1081, 767}));
    EXPECT_EQ(l.bounds[1], (Rect{1091, 10, 2162, 767}));
    EXPECT_EQ(l.bounds[2], (Rect{10, 777, 1081, 1534}));
    EXPECT_EQ(l.bounds[4], (Rect{10, 1544, 1081, 2301}));
    EXPECT_EQ(l.horizontalMax, 0);  // 2162 − 2300 + 10 < 0
    EXPECT_EQ(l.verticalMax, 2301 - 900 + 10);
}

TEST(DeskLayout, OnePagePerRowIsCentredWhenNarrowerThanTheBox) {
    const auto l = gui::preview::layoutDesk(pages(2), 1.0, ZoomMode::Fixed, {1500, 700});
    EXPECT_EQ(l.bounds[0], (Rect{214, 10, 1285, 767}));  // (1500 − 1071) div 2
    EXPECT_EQ(l.bounds[1], (Rect{214, 777, 1285, 1534}));
    EXPECT_EQ(l.horizontalMax, 0);
    EXPECT_EQ(l.verticalMax, 1534 - 700 + 10);
}

TEST(DeskLayout, At200PercentAPageWiderThanTheBoxScrollsSideways) {
    const auto l = gui::preview::layoutDesk(pages(3), 2.0, ZoomMode::Fixed, {1500, 700});
    EXPECT_EQ(l.perRow, 1);
    EXPECT_EQ(l.bounds[0], (Rect{10, 10, 2152, 1524}));
    EXPECT_EQ(l.bounds[1].top, 1534);
    EXPECT_EQ(l.horizontalMax, 2152 - 1500 + 10);
    EXPECT_EQ(l.verticalMax, 3058 + 1514 - 700 + 10);
}

TEST(DeskLayout, PageWidthAndWholePageFillTheBox) {
    const Size box{1200, 800};
    const double width = gui::preview::zoomForMode(ZoomMode::PageWidth, 1, kA4Land, box);
    auto l = gui::preview::layoutDesk(pages(2), width, ZoomMode::PageWidth, box);
    EXPECT_EQ(l.bounds[0].left, 10);
    EXPECT_EQ(l.bounds[0].right, 1190);
    EXPECT_EQ(l.horizontalMax, 0);

    const double whole = gui::preview::zoomForMode(ZoomMode::WholePage, 1, kA4Land, box);
    l = gui::preview::layoutDesk(pages(2), whole, ZoomMode::WholePage, box);
    EXPECT_EQ(l.bounds[0].top, 10);
    EXPECT_EQ(l.bounds[0].bottom, 790);
    EXPECT_EQ(l.bounds[1].top, 800);
}

TEST(DeskLayout, TwoPagesModePairsPagesInRows) {
    const Size box{1200, 800};
    const double z = gui::preview::zoomForMode(ZoomMode::TwoPages, 1, kA4Land, box);
    const auto l = gui::preview::layoutDesk(pages(3), z, ZoomMode::TwoPages, box);
    EXPECT_EQ(l.perRow, 2);
    EXPECT_EQ(l.bounds[0].top, l.bounds[1].top);
    EXPECT_GT(l.bounds[1].left, l.bounds[0].right);
    EXPECT_LE(l.bounds[1].right + 10, box.width);
    EXPECT_EQ(l.bounds[2].left, 10);
    EXPECT_GT(l.bounds[2].top, l.bounds[0].bottom);
}

TEST(DeskLayout, NoPagesGiveNoRanges) {
    const auto l = gui::preview::layoutDesk({}, 1.0, ZoomMode::Fixed, {800, 600});
    EXPECT_TRUE(l.bounds.empty());
    EXPECT_EQ(l.horizontalMax, 0);
    EXPECT_EQ(l.verticalMax, 0);
}

TEST(PageLookup, LinesPointsAndPagePixels) {
    const std::vector<Rect> b{{10, 10, 110, 210}, {10, 220, 110, 420}};
    EXPECT_EQ(gui::preview::pageAtLine(b, 100), 0);
    EXPECT_EQ(gui::preview::pageAtLine(b, 215), -1);        // in the gap
    EXPECT_EQ(gui::preview::pageUnderViewTop(b, 209), -1);  // line 220 is a top edge: not inside
    EXPECT_EQ(gui::preview::pageUnderViewTop(b, 210), 1);
    EXPECT_EQ(gui::preview::pageAtPoint(b, {50, 300}), 1);
    EXPECT_EQ(gui::preview::pageAtPoint(b, {5, 300}), -1);
    EXPECT_EQ(gui::preview::toPagePixels({60, 260}, b[1], 0.5), (platform::Point{100, 80}));
}

TEST(ScrollToMatch, ATextInViewPutsThePageTenPixelsBelowTheTop) {
    const Rect page{10, 777, 1081, 1534};
    const auto s = gui::preview::scrollToMatch(page, {100, 50, 160, 70}, 1.0, {1200, 800});
    EXPECT_EQ(s.vertical, 767);
    EXPECT_EQ(s.horizontal, 0);
    EXPECT_EQ(s.highlight, (Rect{110, 827, 170, 847}));
}

TEST(ScrollToMatch, ATextBelowOrRightOfTheViewEndsInsideIt) {
    const Rect page{10, 10, 2152, 1524};  // 200 %
    const platform::Size box{800, 600};
    const auto s = gui::preview::scrollToMatch(page, {900, 650, 1000, 670}, 2.0, box);
    EXPECT_EQ(s.highlight, (Rect{1810, 1310, 2010, 1350}));
    // The highlight lies within the view after scrolling.
    EXPECT_GE(s.highlight.left - s.horizontal, 0);
    EXPECT_LE(s.highlight.right - s.horizontal, box.width);
    EXPECT_GE(s.highlight.top - s.vertical, 0);
    EXPECT_LE(s.highlight.bottom - s.vertical, box.height);
}

}  // namespace
