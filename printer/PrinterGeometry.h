// One paper on the current printer. The page-pixel fields describe the sheet as labels are laid
// out on it (the paper with a 5 mm edge, for every printer); the dot fields describe the device:
// its paper and the printable area it can reach. Every prepared page keeps one; printing scales
// page pixels to dots with it.
#pragma once

#include <array>
#include <cstdint>

namespace printer {

struct PrinterGeometry {
    std::int32_t paperWidthDots = 0;
    std::int32_t paperHeightDots = 0;
    std::int32_t paperWidthPx = 0;
    std::int32_t paperHeightPx = 0;
    std::int32_t offsetXDots = 0;  // printable area's top-left corner on the sheet
    std::int32_t offsetYDots = 0;
    std::int32_t offsetXPx = 0;
    std::int32_t offsetYPx = 0;
    std::int32_t printableWidthDots = 0;
    std::int32_t printableHeightDots = 0;
    std::int32_t printableWidthPx = 0;
    std::int32_t printableHeightPx = 0;

    static constexpr std::size_t kValueCount = 12;
    using Values = std::array<std::int32_t, kValueCount>;

    // The twelve values in their stored order (the order of the members above).
    Values values() const;
    static PrinterGeometry fromValues(const Values& v);

    friend bool operator==(const PrinterGeometry&, const PrinterGeometry&) = default;
};

}  // namespace printer
