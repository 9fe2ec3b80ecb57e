// Whole-dot element widths: the widest symbol that still fits the room designed for it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "PatternText.h"
#include "barcode/DotSnapping.h"

using namespace barcode;

namespace {

constexpr RatioLimit kCode39Range{2.0, 3.0};

WidthCounts countsOf(BarcodeType type, const std::string& text) {
    const auto encoded = barcode_test::encode(type, text);
    EXPECT_TRUE(encoded.error.empty()) << encoded.error;
    return widthCountsOf(encoded.pattern);
}

// The widest fitting symbol over every pair the rules allow, found the slow way.
std::int64_t widestByTrial(const WidthCounts& counts, std::int64_t room, RatioLimit range) {
    std::int64_t widest = -1;
    for (std::int32_t n = 1; n <= 49; ++n)
        for (std::int32_t w = n; w <= 3 * n; ++w)
            if (w >= range.lower * n && w <= range.upper * n) {
                const std::int64_t dots = symbolDots(counts, {n, w});
                if (dots <= room) widest = std::max(widest, dots);
            }
    return widest;
}

}  // namespace

TEST(DotSnapping, CountsEachWidthOfAPattern) {
    // "12": start, 1, 2, stop; each character three wide elements of nine, with a gap after.
    const WidthCounts counts = countsOf(bcCode39, "12");
    EXPECT_EQ(counts, (WidthCounts{27, 12, 0, 0}));
    EXPECT_EQ(symbolDots(counts, {1, 2}), 51);  // the generator's own width at modul 1
    EXPECT_EQ(widthCountsOf("0123ABCD5678x"), (WidthCounts{3, 3, 3, 3}));
}

TEST(DotSnapping, Code39TakesTheWidestSymbolThatFitsAtEveryRoom) {
    const WidthCounts counts = countsOf(bcCode39, "1903000015");
    const std::int64_t narrowest = symbolDots(counts, {1, 2});
    for (std::int64_t room = narrowest; room < 2000; ++room) {
        const auto dots = snapToDots(counts, room, 2.0, kCode39Range, 49);
        ASSERT_TRUE(dots.has_value()) << room;
        EXPECT_GE(dots->narrow, 1);
        EXPECT_GE(dots->wide, 2 * dots->narrow);
        EXPECT_LE(dots->wide, 3 * dots->narrow);
        EXPECT_EQ(symbolDots(counts, *dots), widestByTrial(counts, room, kCode39Range)) << room;
    }
}

TEST(DotSnapping, NoPairWhenEvenTheNarrowestSymbolDoesNotFit) {
    const WidthCounts counts = countsOf(bcCode39, "1903000015");
    const std::int64_t narrowest = symbolDots(counts, {1, 2});
    EXPECT_FALSE(snapToDots(counts, narrowest - 1, 2.0, kCode39Range, 49));
    EXPECT_FALSE(snapToDots(counts, 0, 2.0, kCode39Range, 49));
    EXPECT_FALSE(snapToDots(counts, -5, 2.0, kCode39Range, 49));
    EXPECT_FALSE(snapToDots(counts, 10000, std::nan(""), kCode39Range, 49));
}

// A prepared report from anywhere may store any ratio and any size for a barcode.
TEST(DotSnapping, AHugeStoredRatioFindsNoPairAndAHugeRoomKeepsWholeWidths) {
    const WidthCounts code39 = countsOf(bcCode39, "1903000015");
    const WidthCounts ean = countsOf(bcCodeEAN13, "590123412345");
    for (double ratio : {8.5e184, 1e300, 1e10, std::numeric_limits<double>::max()}) {
        EXPECT_FALSE(snapToDots(code39, 10000, ratio, std::nullopt, 49)) << ratio;
        EXPECT_FALSE(snapToDots(ean, 10000, ratio, std::nullopt, 49)) << ratio;
    }
    const auto widest = snapToDots(code39, INT64_MAX / 4, 2.0, kCode39Range, 49);
    ASSERT_TRUE(widest);
    EXPECT_EQ(widest->narrow, 49);
    EXPECT_EQ(widest->wide, 147);
}

TEST(DotSnapping, TheDesignRatioWinsBetweenEquallyWideSymbols) {
    // One narrow and one wide element in 12 dots: 4 + 8 (ratio 2) or 3 + 9 (ratio 3).
    const WidthCounts counts{1, 1, 0, 0};
    const auto atTwo = snapToDots(counts, 12, 2.0, kCode39Range, 49);
    ASSERT_TRUE(atTwo);
    EXPECT_EQ(atTwo->narrow, 4);
    EXPECT_EQ(atTwo->wide, 8);
    const auto atThree = snapToDots(counts, 12, 3.0, kCode39Range, 49);
    ASSERT_TRUE(atThree);
    EXPECT_EQ(atThree->narrow, 3);
    EXPECT_EQ(atThree->wide, 9);
}

TEST(DotSnapping, FourWidthPatternsKeepTheirModuleRatio) {
    // EAN-13 uses elements of 1..4 modules: only whole multiples of one module keep it readable.
    const WidthCounts counts = countsOf(bcCodeEAN13, "590123412345");
    ASSERT_GT(counts[2] + counts[3], 0);
    const std::int64_t design = symbolDots(counts, {1, 2});
    for (std::int64_t room = design; room < 6 * design; room += 7) {
        const auto dots = snapToDots(counts, room, 2.0, RatioLimit{2.0, 3.0}, 49);
        ASSERT_TRUE(dots);
        EXPECT_EQ(dots->wide, 2 * dots->narrow);
        EXPECT_EQ(dots->narrow, room / design) << room;
    }
    // Code 128 has no ratio range at all; the same rule holds.
    const WidthCounts code128 = countsOf(bcCode128B, "Abc");
    const auto dots = snapToDots(code128, symbolDots(code128, {3, 6}) + 5, 2.0, std::nullopt, 49);
    ASSERT_TRUE(dots);
    EXPECT_EQ(dots->narrow, 3);
    EXPECT_EQ(dots->wide, 6);
}

TEST(DotSnapping, MatrixTwoOfFiveKeepsItsHigherLowerRatio) {
    const WidthCounts counts{1, 1, 0, 0};
    // 4 narrow dots: wide from 9 (2.25 x 4) to 12.
    const auto dots = snapToDots(counts, 13, 2.25, RatioLimit{2.25, 3.0}, 4);
    ASSERT_TRUE(dots);
    EXPECT_EQ(dots->narrow, 4);
    EXPECT_EQ(dots->wide, 9);
    // 6 dots: 2 + 4 would be ratio 2, below the range; 1 + 3 is taken.
    const auto small = snapToDots(counts, 6, 2.25, RatioLimit{2.25, 3.0}, 49);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->narrow, 1);
    EXPECT_EQ(small->wide, 3);
}
