#include "printer/PageUnits.h"

#include <cmath>
#include <limits>

namespace printer {

int roundToInt(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::round(value);
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

int tenthsMmToPagePixels(int tenthsMm) {
    return roundToInt(tenthsMm * kPagePixelsPerInch / kTenthsMmPerInch);
}

int pagePixelsToTenthsMm(int pagePixels) {
    return roundToInt(pagePixels * kTenthsMmPerInch / kPagePixelsPerInch);
}

int dotsToPagePixels(int dots, int dpi) {
    if (dpi <= 0) return 0;
    return roundToInt(kPagePixelsPerInch / dpi * dots);
}

int pagePixelsToDots(int pagePixels, int dpi) {
    if (dpi <= 0) return 0;
    return roundToInt(static_cast<double>(pagePixels) * dpi / kPagePixelsPerInch);
}

int dotsToTenthsMm(int dots, int dpi) {
    if (dpi <= 0) return 0;
    return roundToInt(static_cast<double>(dots) / dpi * kTenthsMmPerInch);
}

int tenthsMmToDots(int tenthsMm, int dpi) {
    if (dpi <= 0) return 0;
    return roundToInt(static_cast<double>(tenthsMm) * dpi / kTenthsMmPerInch);
}

}  // namespace printer
