// Whole-dot element widths for drawing a symbol on a device of known resolution. Bars of equal
// modules must come out equally wide, so the narrow and wide elements each take a whole number
// of dots; the symbol must still fit the room designed for it, or it eats its neighbour's quiet
// zone. The widths chosen are the pair whose symbol is the widest that fits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "barcode/BarcodeType.h"

namespace barcode {

// How many elements of each of the generator's four widths (narrow, wide, 1.5 x wide,
// 2 x wide) a pattern holds.
using WidthCounts = std::array<std::int64_t, 4>;
WidthCounts widthCountsOf(const std::string& pattern);

struct DotWidths {
    std::int32_t narrow;
    std::int32_t wide;
};

// The symbol width that narrow and wide give, with the generator's rule for the two wider
// elements (wide * 3 / 2 and wide * 2).
std::int64_t symbolDots(const WidthCounts& counts, DotWidths widths);

// The element widths whose symbol is the widest not exceeding `room` dots, with the narrow
// element 1..largestNarrow dots. When the pattern uses only narrow and wide elements and the
// symbology has a ratio range, the wide element may take any whole number of dots within it;
// otherwise (elements of 1..4 modules) it stays `ratio` times the narrow one, rounded as the
// generator rounds. Among equally wide symbols the ratio nearest `ratio` wins. None when not
// even the narrowest pair fits.
std::optional<DotWidths> snapToDots(const WidthCounts& counts, std::int64_t room, double ratio,
                                    std::optional<RatioLimit> range, std::int32_t largestNarrow);

}  // namespace barcode
