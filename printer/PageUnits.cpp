#include "printer/PageUnits.h"

#include "platform/Rounding.h"

namespace printer {

int tenthsMmToPagePixels(int tenthsMm) {
    return platform::roundToInt(tenthsMm * kPagePixelsPerInch / kTenthsMmPerInch);
}

int pagePixelsToTenthsMm(int pagePixels) {
    return platform::roundToInt(pagePixels * kTenthsMmPerInch / kPagePixelsPerInch);
}

int dotsToPagePixels(int dots, int dpi) {
    if (dpi <= 0) return 0;
    return platform::roundToInt(kPagePixelsPerInch / dpi * dots);
}

int pagePixelsToDots(int pagePixels, int dpi) {
    if (dpi <= 0) return 0;
    return platform::roundToInt(static_cast<double>(pagePixels) * dpi / kPagePixelsPerInch);
}

int dotsToTenthsMm(int dots, int dpi) {
    if (dpi <= 0) return 0;
    return platform::roundToInt(static_cast<double>(dots) / dpi * kTenthsMmPerInch);
}

int tenthsMmToDots(int tenthsMm, int dpi) {
    if (dpi <= 0) return 0;
    return platform::roundToInt(static_cast<double>(tenthsMm) * dpi / kTenthsMmPerInch);
}

}  // namespace printer
