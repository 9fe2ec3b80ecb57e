#include "printer/PrintTarget.h"

#include "platform/Rounding.h"

namespace printer {

namespace {

// a + b and a - b without overflow: geometry may come from a stored file.
int sum(double a, double b) {
    return platform::roundToInt(a + b);
}

// A page length in pixels scaled to dots; a geometry without a paper length in page pixels has
// no scale, and everything counts as nothing rather than dividing by zero.
double scale(int dots, int pixels) {
    return pixels > 0 ? static_cast<double>(dots) / pixels : 0.0;
}

}  // namespace

platform::Rect sheetPlacement(const PrinterGeometry& g, bool useMargins, const PageMargins& m) {
    if (useMargins) return {0, 0, g.paperWidthPx, g.paperHeightPx};
    return {sum(g.offsetXPx, m.left), sum(g.offsetYPx, m.top),
            sum(sum(g.offsetXPx, g.printableWidthPx), -static_cast<double>(m.right)),
            sum(sum(g.offsetYPx, g.printableHeightPx), -static_cast<double>(m.bottom))};
}

platform::Rect placementOnPaper(const PrinterGeometry& g, bool useMargins, const PageMargins& m,
                                platform::Size paperDots) {
    const platform::Rect r = sheetPlacement(g, useMargins, m);
    const double sx = scale(paperDots.width, g.paperWidthPx);
    const double sy = scale(paperDots.height, g.paperHeightPx);
    return {platform::roundToInt(r.left * sx), platform::roundToInt(r.top * sy), platform::roundToInt(r.right * sx),
            platform::roundToInt(r.bottom * sy)};
}

platform::Rect printTargetRect(const PrinterGeometry& g, bool useMargins, const PageMargins& m) {
    const platform::Rect r = placementOnPaper(g, useMargins, m, {g.paperWidthDots, g.paperHeightDots});
    const double dx = -static_cast<double>(g.offsetXDots), dy = -static_cast<double>(g.offsetYDots);
    return {sum(r.left, dx), sum(r.top, dy), sum(r.right, dx), sum(r.bottom, dy)};
}

}  // namespace printer
