#include "barcode/DotSnapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/Rounding.h"

namespace barcode {

namespace {

int widthIndexOf(char code) {
    if (code >= '0' && code <= '3') return code - '0';
    if (code >= '5' && code <= '8') return code - '5';
    if (code >= 'A' && code <= 'D') return code - 'A';
    return -1;
}

// The widest wide element that keeps the symbol within room, or none below `least`.
std::optional<std::int64_t> widestFitting(const WidthCounts& counts, std::int64_t narrow, std::int64_t least,
                                          std::int64_t most, std::int64_t room) {
    if (most < least) return std::nullopt;
    const std::int64_t left = room - counts[0] * narrow;
    if (left < 0) return std::nullopt;
    // Without wide elements the wide width changes nothing: keep the smallest allowed.
    const std::int64_t wide = counts[1] > 0 ? std::min(most, left / counts[1]) : least;
    if (wide < least) return std::nullopt;
    return wide;
}

}  // namespace

WidthCounts widthCountsOf(const std::string& pattern) {
    WidthCounts counts{};
    for (char code : pattern) {
        const int index = widthIndexOf(code);
        if (index >= 0) ++counts[static_cast<std::size_t>(index)];
    }
    return counts;
}

std::int64_t symbolDots(const WidthCounts& counts, DotWidths widths) {
    const std::int64_t wide = widths.wide;
    return counts[0] * widths.narrow + counts[1] * wide + counts[2] * (wide * 3 / 2) + counts[3] * (wide * 2);
}

std::optional<DotWidths> snapToDots(const WidthCounts& counts, std::int64_t room, double ratio,
                                    std::optional<RatioLimit> range, std::int32_t largestNarrow) {
    if (!std::isfinite(ratio) || ratio <= 0) return std::nullopt;
    const bool freeRatio = range && counts[2] == 0 && counts[3] == 0;
    std::optional<DotWidths> best;
    std::int64_t bestDots = -1;
    double bestDeparture = 0;
    // A wide width beyond the room cannot fit (and a ratio read from a file may be huge): any
    // width above it is taken as just above it, which keeps every value a whole int32.
    const double tooWide = std::min(static_cast<double>(room) + 1.0, double{INT32_MAX});
    const auto dotsOf = [tooWide](double width) {
        return static_cast<std::int64_t>(std::min(width, tooWide));
    };
    for (std::int32_t narrow = 1; narrow <= largestNarrow; ++narrow) {
        if (counts[0] * narrow > room) break;
        std::int64_t least = dotsOf(platform::roundHalfEven(narrow * ratio));
        std::int64_t most = least;
        if (freeRatio) {
            least = dotsOf(std::ceil(range->lower * narrow));
            most = dotsOf(std::floor(range->upper * narrow));
        }
        std::optional<std::int64_t> wide = widestFitting(counts, narrow, least, most, room);
        if (!wide) continue;
        // The wider elements of 1..4-module patterns are checked here, with the whole sum.
        const DotWidths pair{narrow, static_cast<std::int32_t>(*wide)};
        const std::int64_t dots = symbolDots(counts, pair);
        if (dots > room) continue;
        const double departure = std::abs(static_cast<double>(*wide) / narrow - ratio);
        if (dots > bestDots || (dots == bestDots && departure < bestDeparture)) {
            best = pair;
            bestDots = dots;
            bestDeparture = departure;
        }
    }
    return best;
}

}  // namespace barcode
