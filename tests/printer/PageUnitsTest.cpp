#include "printer/PageUnits.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/ClampedInt.h"

namespace printer {
namespace {

TEST(PageUnits, TenthsOfMillimetreToPagePixels) {
    struct Case {
        int tenths;
        int px;
    } cases[] = {{0, 0},      {1, 0},       {2, 1},      {50, 18},     {254, 92},
                 {2100, 758}, {2970, 1071}, {2159, 779}, {2794, 1008}, {-50, -18}};
    for (const Case& c : cases) EXPECT_EQ(tenthsMmToPagePixels(c.tenths), c.px) << c.tenths;
}

TEST(PageUnits, PagePixelsBackToTenthsOfMillimetre) {
    EXPECT_EQ(pagePixelsToTenthsMm(18), 50);
    EXPECT_EQ(pagePixelsToTenthsMm(758), 2101);
    EXPECT_EQ(pagePixelsToTenthsMm(1071), 2969);
}

// A4 at common thermal, office and photo resolutions: dots, and back to page pixels and
// tenths of a millimetre as the printer reads its paper size.
TEST(PageUnits, A4AtSeveralResolutions) {
    struct Case {
        int dpi, widthDots, heightDots, widthPx, heightPx;
    } cases[] = {{203, 1678, 2374, 757, 1072}, {300, 2480, 3508, 757, 1071}, {600, 4961, 7016, 758, 1071}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(tenthsMmToDots(2100, c.dpi), c.widthDots);
        EXPECT_EQ(tenthsMmToDots(2970, c.dpi), c.heightDots);
        EXPECT_EQ(dotsToPagePixels(c.widthDots, c.dpi), c.widthPx);
        EXPECT_EQ(dotsToPagePixels(c.heightDots, c.dpi), c.heightPx);
        EXPECT_EQ(dotsToTenthsMm(c.widthDots, c.dpi), 2100);
        EXPECT_EQ(dotsToTenthsMm(c.heightDots, c.dpi), 2970);
        // One page pixel is a little more than three dots at 300 dpi: the round trip stays
        // within a dot per pixel of resolution ratio.
        EXPECT_NEAR(pagePixelsToDots(c.widthPx, c.dpi), c.widthDots, c.dpi / 91.6 + 1);
    }
}

TEST(PageUnits, UnusableResolutionGivesZeroNotACrash) {
    for (int dpi : {0, -300}) {
        EXPECT_EQ(dotsToPagePixels(1000, dpi), 0);
        EXPECT_EQ(pagePixelsToDots(1000, dpi), 0);
        EXPECT_EQ(dotsToTenthsMm(1000, dpi), 0);
        EXPECT_EQ(tenthsMmToDots(1000, dpi), 0);
    }
}

TEST(PageUnits, HostileSizesSaturateAtTheCoordinateLimit) {
    EXPECT_EQ(pagePixelsToDots(std::numeric_limits<int>::max(), 600), platform::kCoordinateLimit);
    EXPECT_EQ(dotsToTenthsMm(std::numeric_limits<int>::min(), 1), -platform::kCoordinateLimit);
}

}  // namespace
}  // namespace printer
