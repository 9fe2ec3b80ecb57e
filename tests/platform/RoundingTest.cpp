// The two rounding rules: the layout's ties to the even neighbour, and the grid's ties up, the
// same on both sides of zero; both saturate instead of overflowing on damaged sizes.
#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

#include "platform/Rounding.h"

namespace platform {
namespace {

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{0.5, 0},   {1.5, 2},  {2.5, 2},  {-0.5, 0}, {-1.5, -2},
                                               {-2.5, -2}, {0.49, 0}, {0.51, 1}, {7, 7},    {-7.2, -7}};
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(roundHalfEven(in), out) << in;
        EXPECT_EQ(roundHalfEvenToInt(in), static_cast<int>(out)) << in;
    }
}

TEST(Rounding, IgnoresTheCurrentRoundingMode) {
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double half = 2.5;
    EXPECT_EQ(roundHalfEven(half), 2.0);
    EXPECT_EQ(roundHalfEvenToInt(-half), -2);
    std::fesetround(saved);
}

TEST(Rounding, IntFormSaturates) {
    EXPECT_EQ(roundHalfEvenToInt(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEvenToInt(-1e12), -std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEvenToInt(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEvenToInt(std::numeric_limits<double>::quiet_NaN()), -std::numeric_limits<int>::max());
    EXPECT_EQ(divTrunc(-7, 2), -3);
    EXPECT_EQ(divTrunc(7, 0), 0);
}

// A tie rounds up whatever the sign: -2.5 and 0.5, three apart, stay three apart.
TEST(Rounding, GridTiesGoUp) {
    const std::pair<double, int> cases[] = {{0.5, 1},
                                            {2.5, 3},
                                            {-0.5, 0},
                                            {-2.5, -2},
                                            {-2.51, -3},
                                            {0.49999999999999994, 0},
                                            {1e300, kCoordinateLimit},
                                            {-1e300, -kCoordinateLimit},
                                            {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [in, out] : cases) EXPECT_EQ(roundToInt(in), out) << in;
}

}  // namespace
}  // namespace platform
