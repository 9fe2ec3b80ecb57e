#include "printer/PrintTarget.h"

#include "platform/Rounding.h"
#include "printer/PageUnits.h"

namespace printer {

namespace {

// A margin in page pixels scaled to dots; a geometry without a printable area in page
// pixels has no scale, and the margin counts as nothing rather than dividing by zero.
int marginDots(int marginPx, int printableDots, int printablePx) {
    if (printablePx <= 0) return 0;
    return platform::roundToInt(static_cast<double>(marginPx) * printableDots / printablePx);
}

// a - b without overflow: geometry may come from a stored file.
int difference(int a, int b) {
    return platform::roundToInt(static_cast<double>(a) - static_cast<double>(b));
}

}  // namespace

platform::Rect printTargetRect(const PrinterGeometry& g, bool useMargins, const PageMargins& m) {
    if (useMargins)
        return {difference(0, g.offsetXDots), difference(0, g.offsetYDots),
                difference(g.paperWidthDots, g.offsetXDots), difference(g.paperHeightDots, g.offsetYDots)};
    return {
        marginDots(m.left, g.printableWidthDots, g.printableWidthPx),
        marginDots(m.top, g.printableHeightDots, g.printableHeightPx),
        difference(g.printableWidthDots, marginDots(m.right, g.printableWidthDots, g.printableWidthPx)),
        difference(g.printableHeightDots, marginDots(m.bottom, g.printableHeightDots, g.printableHeightPx))};
}

}  // namespace printer
