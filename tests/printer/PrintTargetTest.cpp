#include "printer/PrintTarget.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/ClampedInt.h"

namespace printer {
namespace {

// A4 portrait at 300 dpi with a 5 mm edge.
const PrinterGeometry kA4At300 =
    PrinterGeometry::fromValues({2480, 3508, 757, 1071, 59, 59, 18, 18, 2362, 3390, 721, 1035});

TEST(PrintTarget, WithUseMarginsThePageCoversTheWholeSheet) {
    EXPECT_EQ(printTargetRect(kA4At300, true, {10, 10, 10, 10}), (platform::Rect{-59, -59, 2421, 3449}));
}

TEST(PrintTarget, WithoutUseMarginsThePageFitsTheSheetsEdgesLessMargins) {
    EXPECT_EQ(printTargetRect(kA4At300, false, {}), (platform::Rect{0, 0, 2362, 3390}));
    // 18 px of 721 printable px over 2362 dots = 58.97 dots.
    EXPECT_EQ(printTargetRect(kA4At300, false, {18, 18, 36, 0}), (platform::Rect{59, 59, 2362 - 118, 3390}));
}

// Two printers of one sheet with different unprintable edges: the page lands at the same place
// on the paper, each target only moved by its printer's own edge.
TEST(PrintTarget, ThePrintableAreaMovesTheOriginButNeverScalesThePage) {
    PrinterGeometry narrowEdge = kA4At300;
    narrowEdge.offsetXDots = narrowEdge.offsetYDots = 42;  // 3.5 mm
    narrowEdge.printableWidthDots = 2480 - 84;
    narrowEdge.printableHeightDots = 3508 - 84;
    for (const bool useMargins : {true, false}) {
        const platform::Rect wide = printTargetRect(kA4At300, useMargins, {18, 18, 36, 0});
        const platform::Rect narrow = printTargetRect(narrowEdge, useMargins, {18, 18, 36, 0});
        EXPECT_EQ(narrow.left - wide.left, 59 - 42);
        EXPECT_EQ(narrow.top - wide.top, 59 - 42);
        EXPECT_EQ(narrow.width(), wide.width());
        EXPECT_EQ(narrow.height(), wide.height());
    }
}

TEST(PrintTarget, GeometryWithoutPaperPixelsDoesNotDivideByZero) {
    PrinterGeometry g = kA4At300;
    g.paperWidthPx = 0;
    g.paperHeightPx = -5;
    EXPECT_EQ(printTargetRect(g, false, {18, 18, 18, 18}), (platform::Rect{-59, -59, -59, -59}));
}

TEST(PrintTarget, HostileStoredGeometryDoesNotOverflow) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    PrinterGeometry g;
    g.offsetXDots = kMin;
    g.paperWidthDots = kMax;
    const platform::Rect r = printTargetRect(g, true, {});
    EXPECT_EQ(r.left, platform::kCoordinateLimit);
    EXPECT_EQ(r.right, platform::kCoordinateLimit);
    EXPECT_EQ(printTargetRect(kA4At300, false, {0, 0, kMax, 0}).right, -platform::kCoordinateLimit);
}

}  // namespace
}  // namespace printer
